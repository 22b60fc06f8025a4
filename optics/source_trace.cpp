#include "optics/source_trace.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "optics/fpflags.h"

namespace kelvane {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Distance of (px, py) from the line through `a` with slope m.
double lineDistance(const TracePoint& a, double m, double px, double py) {
  return std::fabs(m * (px - a.x) - (py - a.y)) / std::sqrt(1 + m * m);
}

// Along the exit ray, how far beyond its egress point (x, y) lies: negative
// when the ray runs away from it.
double along(const SourceRay& r, double x, double y) {
  return ((x - r.egress.x) + r.exitSlope * (y - r.egress.y)) / std::sqrt(1 + r.exitSlope * r.exitSlope);
}

void finishImage(PointImage& img, const std::vector<const SourceRay*>& rays) {
  double squares = 0;
  int behind = 0;
  for (const SourceRay* r : rays) {
    const double dist = lineDistance(r->egress, r->exitSlope, img.x, img.y);
    squares += dist * dist;
    if (along(*r, img.x, img.y) < 0) ++behind;
  }
  img.rays = static_cast<int>(rays.size());
  img.blur = std::sqrt(squares / img.rays);
  img.virtualImage = 2 * behind > img.rays;
  img.found = std::isfinite(img.x) && std::isfinite(img.y);
}

// The point with the least sum of squared distances from the lines of
// `used`; `onAxis` holds it to the axis, where it is the mean of the rays'
// crossings weighted by m^2 / (1 + m^2): a plain mean would be carried off
// by a ray that leaves nearly parallel to the axis and "crosses" it
// thousands of units away.
bool leastSquares(const std::vector<const SourceRay*>& used, bool onAxis, double& x, double& y) {
  if (onAxis) {
    double num = 0, den = 0;
    for (const SourceRay* r : used) {
      const double m = r->exitSlope;
      const double w = m * m / (1 + m * m);
      if (w > 0) num += w * (r->egress.x - r->egress.y / m);
      den += w;
    }
    if (used.size() < 2 || !(den > 0)) return false;
    x = num / den;
    y = 0;
    return true;
  }
  double sxx = 0, sxy = 0, syy = 0, bx = 0, by = 0;
  for (const SourceRay* r : used) {
    const double norm = std::sqrt(1 + r->exitSlope * r->exitSlope);
    const double dx = 1 / norm, dy = r->exitSlope / norm;
    // I - d d^T, the projection across the ray.
    const double pxx = 1 - dx * dx, pxy = -dx * dy, pyy = 1 - dy * dy;
    sxx += pxx;
    sxy += pxy;
    syy += pyy;
    bx += pxx * r->egress.x + pxy * r->egress.y;
    by += pxy * r->egress.x + pyy * r->egress.y;
  }
  const double det = sxx * syy - sxy * sxy;
  // Nearly parallel rays meet nowhere in particular.
  if (used.size() < 2 || !(std::fabs(det) > 1e-12 * (sxx + syy) * (sxx + syy))) return false;
  x = (syy * bx - sxy * by) / det;
  y = (sxx * by - sxy * bx) / det;
  return true;
}

// The point nearest to the exit rays (least squares), grown from the two
// rays through the middle of the lens outward for as long as every ray
// taken still runs toward the point (a real image) or away from it (a
// virtual one): the image the middle of the lens forms - the one the lens
// equation describes - which the outer rays blur or, on a strongly
// aberrated lens, miss altogether. A virtual foot makes a virtual tip: one
// image.
PointImage nearestPoint(const std::vector<SourceRay>& rays, std::optional<bool> virtualFoot,
                        bool onAxis) {
  std::vector<const SourceRay*> order;
  for (const SourceRay& r : rays)
    if (r.traced && std::isfinite(r.exitSlope)) order.push_back(&r);
  std::stable_sort(order.begin(), order.end(), [](const SourceRay* a, const SourceRay* b) {
    return std::fabs(a->ingress.y) < std::fabs(b->ingress.y);
  });
  PointImage img;
  std::vector<const SourceRay*> used(order.begin(), order.begin() + std::min<std::size_t>(2, order.size()));
  double x = 0, y = 0;
  if (!leastSquares(used, onAxis, x, y)) return img;
  const bool virtualImage = virtualFoot.value_or(along(*used[0], x, y) < 0);
  auto allOfKind = [&](double px, double py) {
    return std::all_of(used.begin(), used.end(),
                       [&](const SourceRay* r) { return (along(*r, px, py) < 0) == virtualImage; });
  };
  if (!allOfKind(x, y)) return img;
  for (std::size_t k = used.size(); k < order.size(); ++k) {
    used.push_back(order[k]);
    double nx = 0, ny = 0;
    if (!leastSquares(used, onAxis, nx, ny) || !allOfKind(nx, ny)) {
      used.pop_back();
      break;
    }
    x = nx;
    y = ny;
  }
  img.x = x;
  img.y = y;
  if (onAxis) {
    double lo = std::numeric_limits<double>::max(), hi = -lo;
    for (const SourceRay* r : used) {
      if (r->exitSlope == 0) continue;
      const double crossing = r->egress.x - r->egress.y / r->exitSlope;
      lo = std::min(lo, crossing);
      hi = std::max(hi, crossing);
    }
    img.spread = hi >= lo ? hi - lo : 0;
  }
  finishImage(img, used);
  return img;
}

}  // namespace

double SourceTrace::magnification() const {
  if (!hasTip() || !tip.image.found) return kNaN;
  return tip.image.y / source.height;
}

PointTrace tracePoint(TracerContext& ctx, const Lens& lens, const BeamSettings& settings,
                      double x0, double y0, double width) {
  PointTrace out;
  out.rays.reserve(kSourceRays);
  TracerState& st = ctx.state;
  const double step = 2 * width / (kSourceRays - 1);
  for (int i = 0; i < kSourceRays; ++i) {
    const double y = width - i * step;
    const double ix = facePointX(lens, Face::Ingress, y);
    SourceRay ray{{x0, y0}, {ix, y}, {}, 0, false};
    // Each ray starts from clear flags: one that misses the face must not
    // fail the next.
    fpClearFlags();
    st.beamHeight = y;
    if (std::isfinite(ix) && traceBeam(ctx, lens, settings, std::atan((y - y0) / (ix - x0))) == 0) {
      ray.ingress = {st.ingressX, y};
      ray.egress = {st.egressX, st.egressY};
      ray.exitSlope = std::tan(st.exitAngle);
      ray.traced = std::isfinite(ray.exitSlope);
    }
    out.rays.push_back(ray);
  }
  fpClearFlags();
  return out;
}

SourceTrace traceSource(const Lens& lens, double indexRatio, const BeamSettings& settings,
                        const LightSource& source) {
  SourceTrace out;
  out.source = source;
  out.paraxial = paraxialLens(lens, indexRatio);
  if (!source.finite()) return out;
  out.paraxialImage = paraxialImage(out.paraxial, lens, source.distance);
  TracerContext ctx;
  ctx.indexRatio = indexRatio;
  BeamSettings quiet = settings;
  quiet.pointsMode = 0;
  quiet.traceBuffer = nullptr;
  fpClearFlags();
  if (layoutBeams(ctx, lens, quiet) != 0) return out;
  out.laidOut = true;
  const double width = ctx.results.width;
  out.axis = tracePoint(ctx, lens, quiet, -source.distance, 0, width);
  out.axis.image = nearestPoint(out.axis.rays, std::nullopt, true);
  if (out.hasTip()) {
    out.tip = tracePoint(ctx, lens, quiet, -source.distance, source.height, width);
    std::optional<bool> virtualFoot;
    if (out.axis.image.found) virtualFoot = out.axis.image.virtualImage;
    out.tip.image = nearestPoint(out.tip.rays, virtualFoot, false);
  }
  return out;
}

}  // namespace kelvane
