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

double farthestCrossing(const TraceResults& r) {
  return std::max({finiteOr(r.focusMax, 0), finiteOr(r.innerFocusMax, 0), finiteOr(r.focus, 0)});
}

// The largest zoom up to `plain` at which the key, which grows with the
// zoom, covers nothing: above the lens (whose top is `top`), or in
// single-beam beside the beams, right of the farthest crossing where
// nothing is drawn, in the corner away from the focus.
double keyZoom(const LensDrawing& d, const PictureStyle& style, int W, Point origin, double dpiX,
               double dpiY, double top, double plain) {
  const LegendBox key = legendBox(d, style);
  const double sx = dpiX / kUnitsPerInch, sy = dpiY / kUnitsPerInch;
  const double slack = 2;  // units lost to rounding the picture's corners
  // The key is left out where it is wider than half the picture.
  const double halfWidth = W / (sx * (2 * key.width + slack));
  const double above =
      std::min({plain, halfWidth, origin.y / (sy * (top + kRoomUnits + key.height + key.room))});
  double fx = 0;
  if (d.beamMode != 0 || !d.results || !legendFocusX(d, style, fx) || !(fx > 0)) return above;
  const double far = std::max(farthestCrossing(*d.results), fx);
  const double beside = std::min(
      {plain, halfWidth, (W - origin.x) / (sx * (far + kRoomUnits + key.width + key.room + slack)),
       origin.y / (sy * (key.height + key.room + kLegendAxisClearance + slack)),
       (W / 2.0 - origin.x) / (sx * (fx + slack))});
  return std::max(above, beside);
}

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
    if (d.beamMode == 0) right = std::max({right, farthestCrossing(r)});
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
  if (left > 0) fit(origin.x, left, dpiX);
  if (options.legend) zoom = keyZoom(d, options.style, W, origin, dpiX, dpiY, top, zoom);
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
