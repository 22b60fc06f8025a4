#include "draw/classroom.h"

#include <algorithm>
#include <cstdio>

#include "draw/glass.h"
#include "draw/legend_words.h"
#include "optics/focus.h"

namespace kelvane::draw {

namespace {

constexpr int kSingleRecordPoints = 4;
constexpr int kMultiRecordPoints = 3;
constexpr double kFocusDotRadius = 4;
constexpr double kNoteSize = 11;
constexpr double kNoteMargin = 8;

const Pen kEdgePen{kBlack, 1.5};
const Pen kAxisPen{kBlack, 1, Dash::Dot};

Pen beamPen(int r) { return Pen{kBeamColors[r], kBeamPenWidth}; }

bool reached(const TracePoint& p) { return p.x > NO_POINT; }

// A fan number that names no fan shows them all.
int shownFan(int fan) { return fan >= 0 && fan < FAN_COUNT ? fan : kAllFans; }

Point rounded(const TracePoint& p) { return {double(roundUnit(p.x)), double(roundUnit(p.y))}; }

Point mirrored(Point p) { return {p.x, -p.y}; }

// Adds a copy of every line added since `from`, reflected in the axis.
void mirrorSince(DisplayList& list, size_t from) {
  const size_t end = list.items.size();
  for (size_t i = from; i < end; ++i) {
    if (const Line* l = std::get_if<Line>(&list.items[i])) {
      list.add(Line{mirrored(l->from), mirrored(l->to), l->pen});
    } else if (const Polyline* p = std::get_if<Polyline>(&list.items[i])) {
      Polyline m{{}, p->pen};
      for (Point q : p->points) m.points.push_back(mirrored(q));
      list.add(std::move(m));
    }
  }
}

void addSingle(DisplayList& list, const LensDrawing& d, const Extent& e) {
  const TraceResults& res = *d.results;
  const int count = std::min(res.beamCount, d.bufferPoints / kSingleRecordPoints);
  const size_t from = list.items.size();
  for (int i = 0; i < count; ++i) {
    const TracePoint* rec = d.buffer + i * kSingleRecordPoints;
    if (reached(rec[0])) list.add(Line{rounded(rec[0]), rounded(rec[3]), beamPen(1)});
  }
  for (int i = 0; i < count; ++i) {
    const TracePoint* rec = d.buffer + i * kSingleRecordPoints;
    if (reached(rec[0]))
      addRecordPath(list, Point{double(e.left), double(roundUnit(rec[0].y))}, rec, beamPen(2));
  }
  mirrorSince(list, from);
  if (res.focusMax > 0) addCrossingMark(list, res.focusMin, res.focusMax, beamPen(2));
  if (res.innerFocusMax > 0)
    addCrossingMark(list, res.innerFocusMin, res.innerFocusMax, beamPen(1));
  if (res.focus > 0) {
    const double x = roundUnit(res.focus);
    list.add(EllipseShape{x - kFocusDotRadius, -kFocusDotRadius, 2 * kFocusDotRadius,
                          2 * kFocusDotRadius, beamPen(0), kFocusColor});
  }
}

void addFans(DisplayList& list, const LensDrawing& d, const Extent& e, int fan) {
  const TraceResults& res = *d.results;
  const int capacity = d.bufferPoints / kMultiRecordPoints;
  const size_t from = list.items.size();
  int record = 0;
  for (int r = 0; r < FAN_COUNT; ++r) {
    const int count = std::max(0, res.fanCounts[r]);
    for (int i = 0; i < count && record < capacity; ++i, ++record) {
      const TracePoint* rec = d.buffer + record * kMultiRecordPoints;
      if ((fan != kAllFans && fan != r) || !reached(rec[0])) continue;
      // Every fan starts on the picture's left edge: one common line.
      const Point start{double(e.left), fanStartPoint(e.left, r, rec[0]).y};
      addRecordPath(list, start, rec, beamPen(r));
    }
  }
  mirrorSince(list, from);
}

}  // namespace

bool addGlassEdge(DisplayList& list, const Lens& lens) {
  std::vector<Point> edge = glassOutline(lens);
  if (edge.empty()) return false;
  edge.push_back(edge.front());
  list.add(Polyline{std::move(edge), kEdgePen});
  return true;
}

void addClassroomBeams(DisplayList& list, const LensDrawing& d, const Extent& e, int fan) {
  if (d.beamMode == 1)
    addFans(list, d, e, shownFan(fan));
  else
    addSingle(list, d, e);
}

std::vector<LegendRow> classroomLegendRows(const LensDrawing& d, int fan, WordLookup words) {
  using S = LegendRow::Swatch;
  std::vector<LegendRow> rows;
  const TraceResults* res = d.results;
  fan = shownFan(fan);
  if (d.beamMode == 1) {
    const std::vector<LegendRow> fans = legendRows(d, words);
    for (int r = 0; r < static_cast<int>(fans.size()); ++r)
      if (fan == kAllFans || fan == r) rows.push_back(fans[r]);
  } else {
    rows.push_back({S::Line, beamPen(2), "beams through the lens"});
    rows.push_back({S::Line, beamPen(1), "rays bent by the ingress face alone"});
    const std::string span =
        std::string("V: ") + kNearestCrossingWords + " to " + kFarthestCrossingWords;
    if (res && res->focusMax > 0) rows.push_back({S::Mark, beamPen(2), span});
    if (res && res->innerFocusMax > 0) rows.push_back({S::Mark, beamPen(1), span + " (green)"});
    if (res && res->focus > 0) rows.push_back({S::Dot, beamPen(0), kMeanFocusWords});
  }
  rows.push_back({S::Line, Pen{kDepthColor, kDepthPenWidth}, "centre depth"});
  rows.push_back({S::Line, kEdgePen, "glass"});
  rows.push_back({S::Line, kAxisPen, "axis"});
  rows.push_back({S::Vertical, kAxisPen, "dotted upright: the ingress vertex"});
  rows.push_back({S::None, kAxisPen, "below the axis: the upper half mirrored"});
  return rows;
}

void addScaleNote(DisplayList& list, double zoom, const Extent& e, const PictureStyle& style) {
  if (zoom == 1) return;
  char number[32];
  std::snprintf(number, sizeof number, "%.2f", zoom);  // the C decimal point in every language
  const std::string text = fillIn(say(style.words, kTrueScaleNote), {number});
  list.add(Text{{e.left + kNoteMargin, e.bottom + kNoteMargin + kNoteSize / 2},
                text,
                kNoteSize,
                kBlack,
                Align::Left,
                0});
}

}  // namespace kelvane::draw
