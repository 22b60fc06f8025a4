#include "draw/source_picture.h"

#include <algorithm>
#include <cmath>

#include "draw/image_readout.h"

namespace kelvane::draw {

namespace {

constexpr double kArrowHead = 8;     // drawing units
constexpr double kPointRadius = 3;   // a point source, and a point's image
constexpr double kDiamond = 6;       // half the paraxial image marker

Point at(double x, double y) { return {double(roundUnit(x)), double(roundUnit(y))}; }

void addRing(DisplayList& list, double x, double y, double r, const Pen& pen) {
  list.add(EllipseShape{x - r, y - r, 2 * r, 2 * r, pen, std::nullopt});
}

// An upright (or hanging) arrow from the axis at x up to height h.
void addArrow(DisplayList& list, double x, double h, const Pen& pen) {
  const Point foot = at(x, 0), tip = at(x, h);
  list.add(Line{foot, tip, pen});
  const double back = h >= 0 ? -kArrowHead : kArrowHead;
  list.add(Polyline{{{tip.x - kArrowHead / 2, tip.y + back}, tip, {tip.x + kArrowHead / 2, tip.y + back}},
                    pen});
}

void addDiamond(DisplayList& list, double x, double y, const Pen& pen) {
  const Point c = at(x, y);
  list.add(Polyline{{{c.x - kDiamond, c.y},
                     {c.x, c.y + kDiamond},
                     {c.x + kDiamond, c.y},
                     {c.x, c.y - kDiamond},
                     {c.x - kDiamond, c.y}},
                    pen});
}

// One point's rays: in to the lens, through it, and out to the picture's
// right edge; a virtual image's rays also run back, dashed, to it.
void addRays(DisplayList& list, const PointTrace& trace, Rgb color, const Extent& e) {
  const Pen pen{color, kBeamPenWidth};
  const Pen back{color, kBeamPenWidth, Dash::Dash};
  const PointImage& img = trace.image;
  for (const SourceRay& r : trace.rays) {
    if (!r.traced) {
      if (std::isfinite(r.ingress.x)) list.add(Line{at(r.start.x, r.start.y), at(r.ingress.x, r.ingress.y), pen});
      continue;
    }
    const double endX = std::max<double>(e.right, r.egress.x);
    list.add(Polyline{{at(r.start.x, r.start.y), at(r.ingress.x, r.ingress.y),
                       at(r.egress.x, r.egress.y),
                       at(endX, r.egress.y + (endX - r.egress.x) * r.exitSlope)},
                      pen});
    if (img.found && img.virtualImage) {
      const double x = std::max<double>(img.x, e.left);
      list.add(Line{at(r.egress.x, r.egress.y), at(x, r.egress.y + (x - r.egress.x) * r.exitSlope),
                    back});
    }
  }
}

void addFiniteSource(DisplayList& list, const SourceTrace& t, const Extent& e);

void addParaxialFocus(DisplayList& list, const ParaxialLens& p) {
  if (p.afocal() || !std::isfinite(p.focus)) return;
  addRing(list, roundUnit(p.focus), 0, kParaxialRingRadius, Pen{kParaxialColor, 2});
}

}  // namespace

bool showsFiniteSource(const LensDrawing& d) { return d.source && d.source->source.finite(); }

void addSourcePicture(DisplayList& list, const LensDrawing& d, const Extent& e) {
  if (!d.source) return;
  const SourceTrace& t = *d.source;
  addParaxialFocus(list, t.paraxial);
  if (t.source.finite()) addFiniteSource(list, t, e);
}

void addSourceReadout(DisplayList& list, const LensDrawing& d, const Extent& e, WordLookup words) {
  if (!d.source) return;
  const double focus = d.results && d.beamMode == 0 ? d.results->focus : 0;
  addImageReadout(list, imageReadout(*d.source, focus, words), e.left, e.bottom,
                  (e.right - e.left) * 0.6);
}

namespace {

void addFiniteSource(DisplayList& list, const SourceTrace& t, const Extent& e) {
  const double x0 = -t.source.distance;
  addRays(list, t.axis, kAxisRayColor, e);
  if (t.hasTip()) addRays(list, t.tip, kTipRayColor, e);

  const Pen object{kObjectColor, 2};
  if (t.hasTip())
    addArrow(list, x0, t.source.height, object);
  else
    list.add(EllipseShape{roundUnit(x0) - kPointRadius, -kPointRadius, 2 * kPointRadius,
                          2 * kPointRadius, object, kObjectColor});

  // The traced image: an arrow from the axis image to the tip's.
  const PointImage& foot = t.axis.image;
  if (foot.found) {
    const Pen image{kImageColor, 2, foot.virtualImage ? Dash::Dash : Dash::Solid};
    if (t.hasTip() && t.tip.image.found) {
      const Point base = at(foot.x, 0), tip = at(t.tip.image.x, t.tip.image.y);
      list.add(Line{base, tip, image});
      const double back = tip.y >= 0 ? -kArrowHead : kArrowHead;
      list.add(Polyline{{{tip.x - kArrowHead / 2, tip.y + back}, tip,
                         {tip.x + kArrowHead / 2, tip.y + back}},
                        image});
    } else {
      addRing(list, roundUnit(foot.x), 0, kPointRadius, image);
    }
  }
  // The paraxial image: a diamond where the lens equation puts the tip (or
  // the point).
  const ParaxialImage& p = t.paraxialImage;
  if (p.finite) {
    const double h = t.hasTip() ? p.magnification * t.source.height : 0;
    addDiamond(list, p.x, h, Pen{kParaxialColor, 2});
  }
}

}  // namespace

}  // namespace kelvane::draw
