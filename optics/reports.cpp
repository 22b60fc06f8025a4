#include "optics/reports.h"

#include <cfloat>
#include <cmath>

#include "optics/lens.h"
#include "optics/refraction.h"
#include "trace/dbgprint.h"

namespace kelvane {

namespace {

// Angle conversions with the program's PI: deg(v) = v * RAD_TO_DEG,
// rad(v) = v * DEG_TO_RAD.
double deg(double radians) { return radians * RAD_TO_DEG; }
double rad(double degrees) { return degrees * DEG_TO_RAD; }

constexpr const char* kAngleRowFormat =
    "Incident angle = %2.0fd (%.3fr) Refract @N1.0/1.5 = %5.2fd (%.3fr) @N1.5/1.0 = %5.2fd (%.3fr)";

// The flat-face comparison of the three laws for one ratio: 22 groups of
// three lines, incident angles 1, 3, ..., 43 degrees from the normal.
void flatFaceGroups(double n) {
  for (double i = 1.0; i < 44.0; i += 2.0) {
    dbgPrint("Normal: incident=%.2fd, refract=%.4fd", i, deg(std::asin(std::sin(rad(i)) * n)));
    const double fi = 90 - i;
    const double rF = deg(std::acos(std::cos(rad(fi)) * n));
    dbgPrint("    Face: incident=%.2fd, refract=%.4fd [= rNormal %.4fd]", fi, rF, 90 - rF);
    const double is = std::tan(rad(fi));
    const double rs = slopeRefract(0, is, n);
    dbgPrint("    Slope: incident slope=%.4f, refract slope=%.4f [= rNormal %.4fd]", is, rs,
             deg(PI * 0.5 - std::atan(rs)));
  }
}

}  // namespace

void reportBasicInfo() {
  dbgPrint("e=%f, pi=%f, degree*%f=rad, rad*%f=degree", std::exp(1.0), PI, DEG_TO_RAD, RAD_TO_DEG);
  dbgPrint("90d=pi/2{%f}r, 180d=pi{%f}r, 270d=3pi/2{%f}r, 360d=2pi{%f}r", HALF_PI, PI, PI * 1.5,
           PI + PI);
  dbgPrint("Normal-relative refraction law is sin(r) = (ni/nr)sin(i)");
  dbgPrint("Face-relative refraction law is cos(r) = (ni/nr)cos(i)");
  dbgPrint("Slope refraction is rs = tan( arccos((ni/nr)cos[arctan(is) - arctan(fs)]) + arctan(fs) )");
}

void reportNormalRefractTable() {
  dbgPrint("Normal-relative angles of refraction for N = 1.0/1.5 (air/glass) and 1.5/1.0 (glass/air)");
  for (double i = 1.0; i < 90.0; i += 1.0) {
    const double s = std::sin(rad(i));
    const double r1 = std::asin(s * kAirToGlass);
    const double r2 = std::asin(s * kGlassToAir);
    dbgPrint(kAngleRowFormat, i, rad(i), deg(r1), r1, deg(r2), r2);
  }
}

void reportFaceRefractTable() {
  dbgPrint("Face-relative angles of refraction for N = 1.0/1.5 (air/glass) and 1.5/1.0 (glass/air)");
  for (double i = 89.0; i > 0.0; i -= 1.0) {
    const double c = std::cos(rad(i));
    const double r1 = std::acos(c * kAirToGlass);
    const double r2 = std::acos(c * kGlassToAir);
    dbgPrint(kAngleRowFormat, i, rad(i), deg(r1), r1, deg(r2), r2);
  }
}

void reportSlopeRefractTable() {
  dbgPrint("Slope refraction (face slope = 0) for N = 1.0/1.5 (air/glass) and 1.5/1.0 (glass/air)");
  for (double a = 89.0; a > 0.0; a -= 1.0) {
    const double is = std::tan(rad(a));
    const double rs1 = slopeRefract(0, is, kAirToGlass);
    const double rs2 = slopeRefract(0, is, kGlassToAir);
    dbgPrint("Incident slope = %5.2f (angle = %5.2fd) Refract @N1.0/1.5 = %5.2f  @N1.5/1.0 = %5.2f", is,
             a, rs1, rs2);
  }
}

void reportDeflectionTable() {
  dbgPrint("Face-relative incident angle required for a given angle deflection");
  // cos(i + d) = n cos(i) solved for i: tan(i) = (cos(d) - n) / sin(d).
  for (double d = 1.0; d < 90.0; d += 1.0) {
    const double c = std::cos(rad(d));
    const double s = std::sin(rad(d));
    const double t1 = std::atan((c - kAirToGlass) / s);
    if (t1 <= 0) break;
    const double t2 = std::atan((c - kGlassToAir) / s);
    dbgPrint("For %2.fd deflection, incident is %6.3fd @N=%4.3f, %6.3fd @N=%4.3f", d, deg(t1),
             kAirToGlass, -deg(t2), kGlassToAir);
  }
}

void testRefractFormulas() {
  // A flat face, the incident angle stepping away from the normal.
  dbgPrint("Compare normal, face, and slope refraction formulas");
  dbgPrint("Basic test: horizontal face, iterating over incident-normal angle");
  double n = kAirToGlass;
  dbgPrint("******** With ni/nr = 1.0/1.5 ********");
  flatFaceGroups(n);
  if (n <= 1) {
    dbgPrint("******** With ni/nr = 1.5/1.0 ********");
    n = kGlassToAir;
    flatFaceGroups(n);
  }

  // An ellipse of semi-axes sqrt(11.25) across and 4.5 along the light, near
  // vertex at the origin: its far focus, 7.5 away, is where a perfect law
  // sends every ray (L). The two constants are close to, not equal to,
  // sqrt(1.8) and 11.25.
  constexpr double kAxisRatio = 1.3416407849997476;
  constexpr double kHalfWidthSquared = 11.25000002515788;
  dbgPrint("Test refraction formulas against ellipse of width 2.5 and focal length 7.5");
  dbgPrint("At x=0, y = 4.5, L=7.5");
  for (double x = 0.2; x <= 2.5; x += 0.2) {
    const double q = std::sqrt(kHalfWidthSquared - x * x);
    const double yOffset = q * kAxisRatio;
    const double y = 4.5 - yOffset;
    const double fs = (x * -kAxisRatio) / q;
    const double phi = std::atan(fs);
    dbgPrint("At x = %.4f y = %f face slope = %f, face angle = %fd", x, yOffset, fs, deg(phi));

    // The largest double stands for a ray along the axis.
    const double rs = slopeRefract(fs, DBL_MAX, kAirToGlass);
    dbgPrint("  L=%f RA=%fd from slope formula, refract slope = %f", y + x * rs, deg(std::atan(rs)), rs);

    const double faceRA = std::acos(std::cos(PI * 0.5 - phi) * kAirToGlass) + phi;
    dbgPrint("  L=%f RA=%fd from face formula", y + x * std::tan(faceRA), deg(faceRA));

    const double nu = PI * 0.5 + phi;
    const double normalRA = std::asin(std::sin(PI * 0.5 - nu) * kAirToGlass) + nu;
    dbgPrint("  L=%f RA=%fd from normal formula, normal angle = %fd", y + x * std::tan(normalRA),
             deg(normalRA), deg(nu));
  }
}

}  // namespace kelvane
