#include "optics/refraction.h"

#include <cmath>

namespace kelvane {

double faceRefract(double faceAngle, double incident, double n) {
  // r is the angle between the refracted ray and the face; it turns the face
  // direction toward the +x side, into which the light passes.
  const double r = std::acos(n * std::cos(faceAngle - incident));
  return faceAngle < 0 ? faceAngle + r : faceAngle - r;
}

double slopeRefract(double fs, double is, double n) {
  const double faceAngle = std::atan(fs);
  const double c = n * std::cos(std::atan(is) - faceAngle);
  return std::tan(faceAngle - std::acos(c));
}

double normalRefract(double i, double n) { return std::asin(n * std::sin(i)); }

double faceSlope(const Ellipse& e, double x, double y) {
  return -((e.b * e.b) / (e.a * e.a)) * ((x - e.cx) / (y - e.cy));
}

}  // namespace kelvane
