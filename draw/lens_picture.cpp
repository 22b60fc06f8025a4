#include "draw/lens_picture.h"

#include <algorithm>
#include <cmath>

#include "draw/caption.h"
#include "draw/classroom.h"
#include "draw/glass.h"
#include "draw/legend.h"
#include "draw/source_picture.h"
#include "draw/wavelength_rgb.h"
#include "draw/zoom.h"
#include "optics/focus.h"

namespace kelvane::draw {

namespace {

// Far outside any picture, yet well inside an int.
constexpr double kMaxCoordinate = 1e6;

// Points per beam record in each mode.
constexpr int kSingleRecordPoints = 4;
constexpr int kMultiRecordPoints = 3;

// Crossing mark: its apex hangs 20 units (0.2 inch) below the axis, its arms
// start one unit below it.
constexpr int kMarkArmY = -1;
constexpr int kMarkApexY = -20;

// The focus dot is a circle of radius 4 units; each fan's start points step
// 4 units to the right of the one before, so the fans stay apart at the edge.
constexpr int kFocusDotRadius = 4;
constexpr int kFanStartStep = 4;

const Pen kAxisPen{kBlack, 1, Dash::Dot};
const Pen kDepthPen{kDepthColor, kDepthPenWidth};
const Pen kOutlinePen{kBlack, 1};

Pen beamPen(int r) { return Pen{kBeamColors[r], kBeamPenWidth}; }

Point roundPoint(const TracePoint& p) { return {double(roundUnit(p.x)), double(roundUnit(p.y))}; }

bool reached(const TracePoint& p) { return p.x > NO_POINT; }

// The beams from the left edge, parallel to the axis, through the lens, and
// the mark of where they cross the axis, all in `pen`; `fromLens` leaves out
// the part before the lens.
void addBeamPaths(DisplayList& list, const TraceResults& res, const TracePoint* buffer,
                  int bufferPoints, int left, const Pen& pen, bool fromLens = false) {
  const int count = std::min(res.beamCount, bufferPoints / kSingleRecordPoints);
  for (int i = 0; i < count; ++i) {
    const TracePoint* rec = buffer + i * kSingleRecordPoints;
    if (!reached(rec[0])) continue;
    if (!fromLens) {
      addRecordPath(list, Point{double(left), double(roundUnit(rec[0].y))}, rec, pen);
      continue;
    }
    Polyline path{{roundPoint(rec[0])}, pen};
    for (int k = 1; k < 3 && reached(rec[k]); ++k) path.points.push_back(roundPoint(rec[k]));
    if (path.points.size() > 1) list.add(std::move(path));
  }
  if (res.focusMax > 0) addCrossingMark(list, res.focusMin, res.focusMax, pen);
}

void addSingleBeams(DisplayList& list, const LensDrawing& d, const Extent& e) {
  const TraceResults& res = *d.results;
  const int count = std::min(res.beamCount, d.bufferPoints / kSingleRecordPoints);
  if (count <= 0) return;
  // White light leaves out the green rays: they would read as one more colour.
  const bool white = d.colours.size() > 1;
  // Green: each ray refracted by the ingress face alone, continued.
  for (int i = 0; i < count && !white; ++i) {
    const TracePoint* rec = d.buffer + i * kSingleRecordPoints;
    if (reached(rec[0])) list.add(Line{roundPoint(rec[0]), roundPoint(rec[3]), beamPen(1)});
  }
  // White light comes in as one beam and parts at the lens.
  for (int i = 0; i < count && white; ++i) {
    const TracePoint* rec = d.buffer + i * kSingleRecordPoints;
    if (reached(rec[0]))
      list.add(Line{{double(e.left), double(roundUnit(rec[0].y))},
                    roundPoint(rec[0]),
                    Pen{kWhiteLightColor, kBeamPenWidth}});
  }
  // Blue, or each wavelength in its colour.
  if (d.colours.empty()) addBeamPaths(list, res, d.buffer, d.bufferPoints, e.left, beamPen(2));
  for (const ColourRays& c : d.colours)
    if (c.results && c.buffer)
      addBeamPaths(list, *c.results, c.buffer, c.bufferPoints, e.left, spectrumPen(c.nm), white);
  if (res.innerFocusMax > 0 && !white)
    addCrossingMark(list, res.innerFocusMin, res.innerFocusMax, beamPen(1));
  if (showsFocusDot(d)) {
    const int x = roundUnit(ingressFarFocus(d.lens));
    list.add(EllipseShape{double(x - kFocusDotRadius), double(-kFocusDotRadius),
                          2.0 * kFocusDotRadius, 2.0 * kFocusDotRadius, beamPen(0), kFocusColor});
  }
}

void addAllFans(DisplayList& list, const LensDrawing& d, const Extent& e) {
  if (d.colours.empty()) addFanBeams(list, *d.results, d.buffer, d.bufferPoints, e.left);
  for (const ColourRays& c : d.colours) {
    const Pen ink = spectrumPen(c.nm);
    if (c.results && c.buffer)
      addFanBeams(list, *c.results, c.buffer, c.bufferPoints, e.left, &ink);
  }
}

}  // namespace

void addFanBeams(DisplayList& list, const TraceResults& res, const TracePoint* buffer,
                 int bufferPoints, int left, const Pen* ink) {
  const int capacity = bufferPoints / kMultiRecordPoints;
  int record = 0;
  for (int r = 0; r < FAN_COUNT; ++r) {
    const Pen pen = ink ? *ink : beamPen(r);
    const int count = std::max(0, res.fanCounts[r]);
    Point first, last;
    int drawn = 0;
    for (int i = 0; i < count && record < capacity; ++i, ++record) {
      const TracePoint* rec = buffer + record * kMultiRecordPoints;
      if (!reached(rec[0])) continue;  // a beam that never met the lens
      const Point start = fanStartPoint(left, r, rec[0]);
      addRecordPath(list, start, rec, pen);
      if (drawn == 0) first = start;
      last = start;
      ++drawn;
    }
    if (drawn > 0) list.add(Line{first, last, pen});  // the fan's incoming wavefront
  }
}

void addRecordPath(DisplayList& list, Point start, const TracePoint* rec, const Pen& pen) {
  Polyline path{{start}, pen};
  for (int k = 0; k < 3; ++k) {
    if (k > 0 && !reached(rec[k])) break;
    path.points.push_back(roundPoint(rec[k]));
  }
  list.add(std::move(path));
}

LensDrawing pictureOf(const LensModel& model) {
  LensDrawing d{model.lens(),   model.beamMode(),     &model.results(),
                model.buffer(), model.bufferPoints(), &model.sourceTrace()};
  const ColourState& colour = model.colour();
  if (colour.white) {
    for (const ColourTrace& t : model.colourTraces())
      d.colours.push_back({t.nm, &t.results, t.buffer.data(), static_cast<int>(t.buffer.size())});
  } else if (!colour.isDefault()) {
    d.colours.push_back({colour.wavelength, d.results, d.buffer, d.bufferPoints});
  }
  return d;
}

int roundUnit(double v) {
  if (std::isnan(v)) return 0;
  v = std::clamp(v, -kMaxCoordinate, kMaxCoordinate);
  return static_cast<int>(v + 0.5);  // the conversion truncates toward zero
}

Point lensOriginPixel(const Lens& lens, int W, int H, double sourceDistance, double dpiX) {
  const int x = lens.ingressConcave() ? W / 4 : W / 8;
  if (sourceDistance <= 0) return {double(x), double(H / 2)};
  constexpr int kSourceMarginPixels = 24;
  const int room = static_cast<int>(sourceDistance * dpiX / kUnitsPerInch) + kSourceMarginPixels;
  return {double(std::clamp(room, x, std::max(x, W / 2))), double(H / 2)};
}

double sourceRoom(const LensDrawing& d) {
  return d.source && d.source->source.finite() ? d.source->source.distance : 0;
}

double ingressFarFocus(const Lens& lens) {
  return lens.ivx + std::sqrt(lens.ivx * lens.ivx - lens.ivy * lens.ivy);
}

bool showsFocusDot(const LensDrawing& d) {
  return d.beamMode == 0 && d.results && d.buffer && d.results->beamCount > 0 &&
         d.bufferPoints >= kSingleRecordPoints && d.lens.ivx > d.lens.ivy &&
         !d.lens.ingressConcave();
}

Point fanStartPoint(int left, int fan, const TracePoint& p0) {
  const double slope = std::tan(kFanAngles[fan] * DEG_TO_RAD);
  return {double(left + kFanStartStep * fan),
          double(roundUnit(roundUnit((left - p0.x) * slope) + p0.y))};
}

void addCrossingMark(DisplayList& list, double a, double b, const Pen& pen) {
  const Point apex{double(static_cast<int>((a + b) * 0.5)), kMarkApexY};  // truncated
  list.add(Line{Point{double(roundUnit(a)), kMarkArmY}, apex, pen});
  list.add(Line{apex, Point{double(roundUnit(b)), kMarkArmY}, pen});
}

DisplayList lensPicture(const LensDrawing& d, int W, int H, double dpiX, double dpiY,
                        const PictureOptions& options) {
  const PictureStyle& style = options.style;
  const double zoom = saneZoom(style.zoom);
  dpiX *= zoom;  // a zoomed picture is a true-scale one on a finer device
  dpiY *= zoom;
  DisplayList list;
  list.width = W;
  list.height = H + (options.caption ? captionBandPixels(dpiY) : 0);
  list.dpiX = dpiX;
  list.dpiY = dpiY;
  list.origin = lensOriginPixel(d.lens, W, H, sourceRoom(d), dpiX);

  // The device corners in drawing units, to the nearest unit.
  const double sx = dpiX / kUnitsPerInch, sy = dpiY / kUnitsPerInch;
  const Point o = list.origin;
  const Extent e{static_cast<int>(std::lround(-o.x / sx)), static_cast<int>(std::lround(o.y / sy)),
                 static_cast<int>(std::lround((W - o.x) / sx)),
                 static_cast<int>(std::lround((o.y - H) / sy))};
  const int iX = roundUnit(d.lens.ivx), iY = roundUnit(d.lens.ivy);
  const int eX = roundUnit(d.lens.evx), eY = roundUnit(d.lens.evy);
  const int D = roundUnit(d.lens.depth);

  // The glass first, under everything else.
  std::vector<Point> glass = glassOutline(d.lens);
  if (!glass.empty()) list.add(Polygon{std::move(glass), kGlassTint, std::nullopt});

  list.add(Line{{double(e.left), 0}, {double(e.right), 0}, kAxisPen});
  list.add(Line{{0, double(e.top)}, {0, double(e.bottom)}, kAxisPen});
  list.add(Line{{0, 0}, {double(D), 0}, kDepthPen});

  // The faces as whole ellipse outlines, each from its bounding box.
  // The classroom view shows only the glass they bound.
  if (!style.classroom || !addGlassEdge(list, d.lens)) {
    const int ingressLeft = d.lens.ingressConcave() ? -2 * iX : 0;
    const int egressLeft = d.lens.egressConcave() ? D - 2 * eX : D;
    list.add(EllipseShape{double(ingressLeft), double(-iY), 2.0 * iX, 2.0 * iY, kOutlinePen, {}});
    list.add(EllipseShape{double(egressLeft), double(-eY), 2.0 * eX, 2.0 * eY, kOutlinePen, {}});
  }

  if (d.results && d.buffer && !showsFiniteSource(d)) {
    // The classroom view's mirrored beams are of one colour; coloured
    // beams are drawn as traced, above the axis and below.
    if (style.classroom && d.colours.empty())
      addClassroomBeams(list, d, e, style.fan);
    else if (d.beamMode == 1)
      addAllFans(list, d, e);
    else
      addSingleBeams(list, d, e);
  }
  addSourcePicture(list, d, e);
  if (options.legend) {
    addSourceReadout(list, d, e, style.words);
    addLegend(list, d, e, style);
  }
  addScaleNote(list, zoom, e, style);
  if (options.caption) addCaption(list, *options.caption, e, style.words);
  return list;
}

}  // namespace kelvane::draw
