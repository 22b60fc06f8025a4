#include "optics/ellipse_intersect.h"

#include <cmath>

#include "optics/fpflags.h"
#include "trace/dbgprint.h"

namespace kelvane {

namespace {

constexpr double kTolerance = 1e-06;

bool option(unsigned bit) { return (ellipseTraceOptions.load(std::memory_order_relaxed) & bit) != 0; }

// The two ellipses seen along axis k (the one on which their centres differ).
struct Coaxial {
  int k;                 // 0: centres differ along x; 1: along y
  double c1, c2;         // centre coordinates along k
  double d1;             // the shared centre coordinate
  double sk1, sj1, sk2, sj2;  // semi-axes along k and along the other axis

  TracePoint point(double u, double v) const { return k == 0 ? TracePoint{u, v} : TracePoint{v, u}; }
};

Coaxial coaxial(const Ellipse& e1, const Ellipse& e2, int k) {
  if (k == 0) return {0, e1.cx, e2.cx, e1.cy, e1.a, e1.b, e2.a, e2.b};
  return {1, e1.cy, e2.cy, e1.cx, e1.b, e1.a, e2.b, e2.a};
}

void listPoints(const Coaxial& q, const TracePoint* out, int count) {
  if (!option(0x20) || count <= 0) return;
  dbgPrint("Intersect at %d points:", count);
  for (int i = 0; i < count; ++i) {
    dbgPrint("%.4f,%.4f", out[i].x, out[i].y);
    if (option(0x10)) {
      const double u = q.k == 0 ? out[i].x : out[i].y;
      const double v = q.k == 0 ? out[i].y : out[i].x;
      const double e1 = (v - q.d1) * (v - q.d1) / (q.sj1 * q.sj1) + (u - q.c1) * (u - q.c1) / (q.sk1 * q.sk1);
      const double e2 = (v - q.d1) * (v - q.d1) / (q.sj2 * q.sj2) + (u - q.c2) * (u - q.c2) / (q.sk2 * q.sk2);
      dbgPrint(" Verify at x,y e1=%.6f e2=%.6f", e1, e2);
    }
  }
}

// Same shape: the points lie midway between the centres, by symmetry.
int equalCase(const Coaxial& q, TracePoint out[4]) {
  const double u = (q.c1 + q.c2) * 0.5;
  const double dk = u - q.c1;
  const double radicand = q.sj1 * q.sj1 - ((q.sj1 * q.sj1) / (q.sk1 * q.sk1)) * dk * dk;
  if (radicand < 0) return 0;
  const double h = std::sqrt(radicand);
  int count = 0;
  out[count++] = q.point(u, q.d1 + h);
  if (!(h > -kTolerance && h < kTolerance)) out[count++] = q.point(u, q.d1 - h);
  if (option(0x08)) {
    if (q.k == 0) dbgPrint("x=%.4f y=%.4f,%.4f (Equal coax X)", u, q.d1 + h, q.d1 - h);
    else dbgPrint("y=%.4f x=%.4f,%.4f (Equal coax Y)", u, q.d1 + h, q.d1 - h);
  }
  return count;
}

// Two circles (A = 0): the radical line gives u0, the first circle the chord.
int circleCase(const Coaxial& q, const Ellipse& e1, const Ellipse& e2, TracePoint out[4]) {
  const double a1 = e1.a;
  const double a2 = e2.a;
  double u0 = (((a1 * a1 - a2 * a2) - q.c1 * q.c1) + q.c2 * q.c2) / (2 * (q.c2 - q.c1));
  fpFence(u0);
  if (fpErrorTest()) return 0;
  const double radicand = a1 * a1 - (u0 - q.c1) * (u0 - q.c1);
  if (radicand < 0) return 0;
  const double w = std::sqrt(radicand);
  if (option(0x04)) dbgPrint("Circles intersect at %.4f, +/-%.4f", u0, w);
  out[0] = q.point(u0, q.d1 + w);
  out[1] = q.point(u0, q.d1 - w);
  return 2;
}

int generalCase(const Coaxial& q, double R, double A, TracePoint out[4]) {
  const double B = 2 * (R * q.c1 - q.c2 / (q.sk2 * q.sk2));
  const double C = R * (q.sk1 * q.sk1 - q.c1 * q.c1) + (q.c2 * q.c2) / (q.sk2 * q.sk2) - 1;
  const double D = B * B - (C * A) * 4;
  if (!(D > 0)) return -1;  // no crossing: the caller returns 0 without a listing
  const double root = std::sqrt(D);
  int count = 0;
  for (int r = 0; r < 2; ++r) {
    const char* name = r == 0 ? "-B+D" : "-B-D";
    double u = r == 0 ? (-B + root) / (2 * A) : (-B - root) / (2 * A);
    const int rel1 = compareTol(q.c1 + q.sk1, u) + compareTol(u, q.c1 - q.sk1);
    const int rel2 = compareTol(q.c2 + q.sk2, u) + compareTol(u, q.c2 - q.sk2);
    fpFence(u);
    if (fpErrorTest()) continue;
    if (option(0x04)) dbgPrint("rel1 = %d rel2 = %d", rel1, rel2);
    int points = 0;
    if (rel1 >= 3 && rel2 >= 3) points = (rel1 == 3 || rel2 == 3) ? 1 : 2;
    if (option(0x04)) dbgPrint("%d intersect points at quadratic %s", points, name);
    if (points == 0) continue;
    double w = 0;
    if (points == 1) {
      out[count++] = q.point(u, q.d1);
    } else {
      const double du = u - q.c1;
      w = std::sqrt(q.sj1 * q.sj1 - ((q.sj1 * q.sj1) / (q.sk1 * q.sk1)) * du * du);
      fpFence(w);
      if (fpErrorTest()) continue;
      out[count++] = q.point(u, q.d1 + w);
      out[count++] = q.point(u, q.d1 - w);
    }
    if (option(0x08)) {
      if (q.k == 0) dbgPrint("x=%.4f, y=%.4f,%.4f (Unequal coax X)", u, q.d1 + w, q.d1 - w);
      else dbgPrint("y=%.4f, x=%.4f,%.4f (Unequal coax Y)", u, q.d1 + w, q.d1 - w);
    }
  }
  return count;
}

}  // namespace

int compareTol(double a, double b) {
  if (b < a - kTolerance) return 2;
  if (b > a + kTolerance) return 0;
  return 1;
}

int ellipseIntersect(const Ellipse& e1, TracePoint out[4], const Ellipse& e2) {
  if (option(0x01)) {
    dbgPrint("Intersection of (%.4f,%.4f @ %.4f,%.4f) and (%.4f,%.4f @ %.4f,%.4f)", e1.a, e1.b,
             e1.cx, e1.cy, e2.a, e2.b, e2.cx, e2.cy);
  }
  const bool sameShape = e1.a == e2.a && e1.b == e2.b;
  if (sameShape && e1.cx == e2.cx && e1.cy == e2.cy) {
    if (option(0x02)) dbgPrint("They are the same object");
    return -1;
  }
  int k;
  if (e1.cy == e2.cy) {
    k = 0;
  } else if (e1.cx == e2.cx) {
    k = 1;
  } else {
    if (option(0x02)) dbgPrint("Not coaxial on X or Y. Unable to compute.");
    return -1;
  }
  const Coaxial q = coaxial(e1, e2, k);
  int count;
  if (sameShape) {
    count = equalCase(q, out);
  } else {
    // R and A in exactly this order: A is the u^2 coefficient once v is
    // eliminated between the two ellipse equations.
    const double R = (q.sj1 * q.sj1) / (((q.sj2 * q.sj2) * q.sk1) * q.sk1);
    const double A = 1 / (q.sk2 * q.sk2) - R;
    if (A == 0) {
      count = circleCase(q, e1, e2, out);
    } else {
      count = generalCase(q, R, A, out);
      if (count < 0) return 0;
    }
  }
  listPoints(q, out, count);
  return count;
}

void testEllipseIntersect() {
  struct Case {
    Ellipse e1, e2;
    const char* name;
  };
  static constexpr Case cases[] = {
      {{1.2, 0.6875, -0.8, 0}, {1.2, 0.6875, 1.2, 0}, "Equal;Coaxial on X;Left/right (case 1)"},
      {{1.2, 0.6875, 1.2, 0}, {1.2, 0.6875, -0.8, 0}, "Equal;Coaxial on X;Right/left (case 1)"},
      {{1.2, 0.6875, -0.8, 0}, {0.6875, 1.2, 0.6875, 0},
       "Unequal;Coaxial on x; Major left-x right-y; Left/right; (case 3)"},
      {{0.6875, 1.2, 0.6875, 0}, {1.2, 0.6875, -0.8, 0},
       "Unequal; Coaxial on x; Major left-x right-y; Right/left; (case 3)"},
      {{1.2, 0.6875, 0, -0.6875}, {1.2, 0.6875, 0, 0.2875}, "Equal;Coaxial on Y;Bottom/top (case 2)"},
      {{1.2, 0.6875, 0, 0.2875}, {1.2, 0.6875, 0, -0.6875}, "Equal;Coaxial on Y;Top/bottom (case 2)"},
      {{1.2, 0.6875, 0, -0.6875}, {0.6875, 1.2, 0, 0.8},
       "Unequal;Coaxial on y; Major bottom-x top-y; Bottom/top; (case 4)"},
      {{0.6875, 1.2, 0, 0.8}, {1.2, 0.6875, 0, -0.6875},
       "Unequal;Coaxial on y; Major bottom-x top-y; Top/bottom; (case 4)"},
      {{1.2, 0.6875, 0.425, 0}, {0.6875, 1.2, 0.6875, 0},
       "Unequal;Coaxial on x; Major left-x right-y; 4 pt; Left/right; (case 5)"},
      {{1.2, 0.6875, -1.0, 0}, {0.6875, 1.2, 0.8875, 0},
       "Unequal;Coaxial on x; Major left-x right-y; 1 pt; Left/right; (case 6)"},
      {{1.2, 0.6875, -1.0, 0}, {0.6875, 1.2, 0.9875, 0},
       "Unequal;Coaxial on x; Major left-x right-y; No pts; Left/right; (case 7)"},
  };
  TracePoint scratch[4];
  for (const Case& c : cases) {
    dbgPrint("-- %s --", c.name);
    ellipseIntersect(c.e1, scratch, c.e2);
  }
}

}  // namespace kelvane
