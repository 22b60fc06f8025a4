#include "draw/zoom.h"

#include <algorithm>
#include <cmath>

#include "draw/glass.h"
#include "draw/legend.h"

namespace kelvane::draw {

namespace {

constexpr double kStep = 1.25;
// Room around what must be seen: a share of it and a few units more, so the
// focus and the beams' ends do not touch the edges.
constexpr double kRoom = 1.15;
constexpr double kRoomUnits = 20;

double finiteOr(double v, double fallback) { return std::isfinite(v) && v > 0 ? v : fallback; }

}  // namespace

double fitZoom(const LensDrawing& d, int W, int H, double dpiX, double dpiY,
               const PictureOptions& options) {
  const Lens& l = d.lens;
  const Glass glass = lensGlass(l);
  double right = std::max(0.0, l.depth);
  for (const Point& p : glass.outline) right = std::max(right, p.x);
  double top = glass.top > 0 ? glass.top : std::max(l.ivy, l.evy);
  if (d.results) {
    const TraceResults& r = *d.results;
    if (d.beamMode == 0) right = std::max({right, finiteOr(r.focusMax, 0), finiteOr(r.focus, 0)});
    top = std::max(top, finiteOr(r.width, 0));  // the outermost beam's height
  }
  if (d.beamMode == 1 || right <= std::max(0.0, l.depth)) right = 2 * right + kRoomUnits;
  const Point origin = lensOriginPixel(l, W, H);
  const double left = l.ingressConcave() ? 2 * l.ivx : 0;
  double zoom = kMaxZoom;
  auto fit = [&](double pixels, double units, double dpi) {
    units = finiteOr(units * kRoom + kRoomUnits, 1);
    zoom = std::min(zoom, pixels / (units * dpi / kUnitsPerInch));
  };
  fit(W - origin.x, right, dpiX);
  fit(origin.y, top, dpiY);
  if (options.legend) {
    const LegendBox key = legendBox(d, options.style);
    auto fitExactly = [&](double pixels, double units, double dpi) {
      zoom = std::min(zoom, pixels / (units * dpi / kUnitsPerInch));
    };
    // Above the lens with a gap, and within half the width (or it is left out).
    fitExactly(origin.y, top + kRoomUnits + key.height + key.room, dpiY);
    fitExactly(W, 2 * key.width + 2, dpiX);
  }
  if (left > 0) fit(origin.x, left, dpiX);
  if (!std::isfinite(zoom)) return 1;
  return std::clamp(zoom, kMinZoom, kMaxZoom);
}

double saneZoom(double zoom) {
  if (!std::isfinite(zoom) || zoom <= 0) return 1;
  return std::clamp(zoom, kMinZoom, kMaxZoom);
}

double zoomStep(double zoom, int direction) {
  const double next = direction > 0 ? zoom * kStep : zoom / kStep;
  // Passing true scale on the way: stop there, so it is always one key away.
  if ((zoom < 1 && next > 1) || (zoom > 1 && next < 1)) return 1;
  return std::clamp(next, kMinZoom, kMaxZoom);
}

}  // namespace kelvane::draw
