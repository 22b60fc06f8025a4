#include "draw/glass.h"

#include <algorithm>
#include <cmath>

namespace kelvane::draw {

namespace {

// Heights scanned for the rim between the axis and the shorter face's end,
// denser toward the end where the faces turn steep; bisection then pins the
// rim down to a hair.
constexpr int kScanSteps = 512;
constexpr int kBisections = 60;
// Points per face arc in the outline: its chords stay within a tenth of a
// unit of faces a few hundred units high.
constexpr int kArcSteps = 96;
constexpr double kHalfPi = 1.5707963267948966;  // the true one: this is geometry, not optics
// Glass lower than this (drawing units) is rounding near the axis, where
// the face arcs differ by less than a double resolves.
constexpr double kMinTop = 1e-3;

// x of a face arc at height y (|y| <= semi-axis b): a CV face bulges toward
// -x from its vertex, a CC face toward +x. The argument of the root is held
// at 0 so that rounding at the face's end raises no floating-point flag.
double arcX(double vertex, double a, double b, bool concave, double y) {
  const double q = std::max(0.0, 1.0 - (y * y) / (b * b));
  const double half = a * std::sqrt(q);
  return concave ? vertex - a + half : vertex + a - half;
}

double ingressX(const Lens& l, double y) { return arcX(0, l.ivx, l.ivy, l.ingressConcave(), y); }
double egressX(const Lens& l, double y) {
  return arcX(l.depth, l.evx, l.evy, l.egressConcave(), y);
}
double thickness(const Lens& l, double y) { return egressX(l, y) - ingressX(l, y); }

bool positive(double v) { return std::isfinite(v) && v > 0; }

// One face arc from -top to +top (or back), by the ellipse's angle so the
// points crowd where the arc turns steep.
void addArc(std::vector<Point>& out, double vertex, double a, double b, bool concave, double top,
            bool upward) {
  const double phiMax = std::asin(std::min(1.0, top / b));
  for (int k = 0; k <= kArcSteps; ++k) {
    const double t = -1.0 + 2.0 * k / kArcSteps;
    const double phi = (upward ? t : -t) * phiMax;
    const double y = b * std::sin(phi);
    const double half = a * std::cos(phi);
    out.push_back({concave ? vertex - a + half : vertex + a - half, y});
  }
}

}  // namespace

Glass lensGlass(const Lens& l) {
  Glass g;
  if (!positive(l.ivx) || !positive(l.ivy) || !positive(l.evx) || !positive(l.evy) ||
      !std::isfinite(l.depth) || l.depth < 0)
    return g;
  const double end = std::min(l.ivy, l.evy);
  double top = end;
  double below = 0;  // a height still inside the glass
  for (int k = 1; k <= kScanSteps; ++k) {
    const double y = end * std::sin(kHalfPi * k / kScanSteps);
    if (thickness(l, y) < 0) {
      // The faces crossed between `below` and y: the rim.
      double above = y;
      for (int i = 0; i < kBisections; ++i) {
        const double mid = 0.5 * (below + above);
        (thickness(l, mid) < 0 ? above : below) = mid;
      }
      top = below;
      g.rim = true;
      break;
    }
    below = y;
  }
  if (!(top > kMinTop)) return Glass{};  // the faces meet on the axis
  g.top = top;
  addArc(g.outline, 0, l.ivx, l.ivy, l.ingressConcave(), top, true);
  addArc(g.outline, l.depth, l.evx, l.evy, l.egressConcave(), top, false);
  return g;
}

std::vector<Point> glassOutline(const Lens& lens) { return lensGlass(lens).outline; }

}  // namespace kelvane::draw
