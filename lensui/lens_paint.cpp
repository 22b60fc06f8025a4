#include "lensui/lens_paint.h"

#include <QBrush>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "lensui/lens_session.h"
#include "optics/focus.h"

namespace kelvane {

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

struct Pens {
  std::array<QPen, 5> beam;
  QPen depth;
  QPen axis;
  QBrush focus;
  Pens()
      : depth(QColor(kDepthPenColor), kDepthPenWidth),
        axis(Qt::black, 1, Qt::DotLine),
        focus(QColor(kFocusBrushColor)) {
    for (size_t i = 0; i < beam.size(); ++i)
      beam[i] = QPen(QColor(kBeamPenColors[i]), kBeamPenWidth);
  }
};

// Created once, alive for the whole run.
const Pens& pens() {
  static const Pens p;
  return p;
}

QPoint roundPoint(const TracePoint& p) { return QPoint(roundUnit(p.x), roundUnit(p.y)); }

bool reached(const TracePoint& p) { return p.x > NO_POINT; }

// Lines from the current position through points 0, 1, 2 of a record,
// stopping before the first point the beam never reached.
void drawRecordPath(QPainter& painter, QPoint start, const TracePoint* rec) {
  QPoint from = start;
  for (int k = 0; k < 3; ++k) {
    if (k > 0 && !reached(rec[k])) break;
    const QPoint to = roundPoint(rec[k]);
    painter.drawLine(from, to);
    from = to;
  }
}

struct Extent {
  int left, top, right, bottom;
};

void drawFans(QPainter& painter, const LensDrawing& d, const Extent& e) {
  const TraceResults& res = *d.results;
  const int capacity = d.bufferPoints / kMultiRecordPoints;
  int record = 0;
  for (int r = 0; r < FAN_COUNT; ++r) {
    painter.setPen(pens().beam[r]);
    const int count = std::max(0, res.fanCounts[r]);
    QPoint first, last;
    int drawn = 0;
    for (int i = 0; i < count && record < capacity; ++i, ++record) {
      const TracePoint* rec = d.buffer + record * kMultiRecordPoints;
      if (!reached(rec[0])) continue;  // a beam that never met the lens
      const QPoint start = fanStartPoint(e.left, r, rec[0]);
      drawRecordPath(painter, start, rec);
      if (drawn == 0) first = start;
      last = start;
      ++drawn;
    }
    if (drawn > 0) painter.drawLine(first, last);  // the fan's incoming wavefront
  }
}

void drawSingleBeams(QPainter& painter, const LensDrawing& d, const Extent& e) {
  const TraceResults& res = *d.results;
  const int count = std::min(res.beamCount, d.bufferPoints / kSingleRecordPoints);
  if (count <= 0) return;
  // Green: each ray refracted by the ingress face alone, continued.
  painter.setPen(pens().beam[1]);
  for (int i = 0; i < count; ++i) {
    const TracePoint* rec = d.buffer + i * kSingleRecordPoints;
    if (reached(rec[0])) painter.drawLine(roundPoint(rec[0]), roundPoint(rec[3]));
  }
  // Blue: the beams from the left edge, parallel to the axis, through the lens.
  painter.setPen(pens().beam[2]);
  for (int i = 0; i < count; ++i) {
    const TracePoint* rec = d.buffer + i * kSingleRecordPoints;
    if (!reached(rec[0])) continue;
    drawRecordPath(painter, QPoint(e.left, roundUnit(rec[0].y)), rec);
  }
  if (res.focusMax > 0) drawCrossingMark(painter, res.focusMin, res.focusMax);
  if (res.innerFocusMax > 0) {
    painter.setPen(pens().beam[1]);
    drawCrossingMark(painter, res.innerFocusMin, res.innerFocusMax);
  }
  const Lens& lens = d.lens;
  if (lens.ivx > lens.ivy && !lens.ingressConcave()) {
    painter.setPen(pens().beam[0]);
    painter.setBrush(pens().focus);
    const int x = roundUnit(ingressFarFocus(lens));
    painter.drawEllipse(
        QRectF(x - kFocusDotRadius, -kFocusDotRadius, 2 * kFocusDotRadius, 2 * kFocusDotRadius));
    painter.setBrush(Qt::white);
  }
}

}  // namespace

int roundUnit(double v) {
  if (std::isnan(v)) return 0;
  v = std::clamp(v, -kMaxCoordinate, kMaxCoordinate);
  return static_cast<int>(v + 0.5);  // the conversion truncates toward zero
}

QPoint lensOrigin(const Lens& lens, int W, int H) {
  return QPoint(lens.ingressConcave() ? W / 4 : W / 8, H / 2);
}

double ingressFarFocus(const Lens& lens) {
  return lens.ivx + std::sqrt(lens.ivx * lens.ivx - lens.ivy * lens.ivy);
}

QPoint fanStartPoint(int left, int fan, const TracePoint& p0) {
  const double slope = std::tan(kFanAngles[fan] * DEG_TO_RAD);
  return QPoint(left + kFanStartStep * fan, roundUnit(roundUnit((left - p0.x) * slope) + p0.y));
}

LensDrawing currentLensDrawing() {
  const LensSession& s = lensSession();
  LensDrawing d;
  d.lens = s.lens;
  d.beamMode = s.beamMode;
  d.results = &s.ctx.results;
  d.buffer = s.traceBuffer.get();
  d.bufferPoints = s.traceBufferPoints;
  return d;
}

void drawCrossingMark(QPainter& painter, double a, double b) {
  const QPoint apex(static_cast<int>((a + b) * 0.5), kMarkApexY);  // truncated, not rounded
  painter.drawLine(QPoint(roundUnit(a), kMarkArmY), apex);
  painter.drawLine(apex, QPoint(roundUnit(b), kMarkArmY));
}

void paintLens(QPainter& painter, int W, int H, const LensDrawing& d) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QPaintDevice* device = painter.device();
  const double sx = device->logicalDpiX() / double(kUnitsPerInch);
  const double sy = device->logicalDpiY() / double(kUnitsPerInch);
  const QPoint origin = lensOrigin(d.lens, W, H);
  painter.setTransform(QTransform(sx, 0, 0, -sy, origin.x(), origin.y()));

  // The device corners in drawing units, to the nearest unit.
  const Extent e{static_cast<int>(std::lround(-origin.x() / sx)),
                 static_cast<int>(std::lround(origin.y() / sy)),
                 static_cast<int>(std::lround((W - origin.x()) / sx)),
                 static_cast<int>(std::lround((origin.y() - H) / sy))};
  const int iX = roundUnit(d.lens.ivx), iY = roundUnit(d.lens.ivy);
  const int eX = roundUnit(d.lens.evx), eY = roundUnit(d.lens.evy);
  const int D = roundUnit(d.lens.depth);

  painter.setPen(pens().axis);
  painter.drawLine(QPoint(e.left, 0), QPoint(e.right, 0));
  painter.drawLine(QPoint(0, e.top), QPoint(0, e.bottom));
  painter.setPen(pens().depth);
  painter.drawLine(QPoint(0, 0), QPoint(D, 0));

  // The faces as whole ellipse outlines, each from its bounding box.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 1));
  const int ingressLeft = d.lens.ingressConcave() ? -2 * iX : 0;
  const int egressLeft = d.lens.egressConcave() ? D - 2 * eX : D;
  painter.drawEllipse(QRectF(ingressLeft, -iY, 2.0 * iX, 2.0 * iY));
  painter.drawEllipse(QRectF(egressLeft, -eY, 2.0 * eX, 2.0 * eY));

  if (d.results && d.buffer) {
    if (d.beamMode == 1)
      drawFans(painter, d, e);
    else
      drawSingleBeams(painter, d, e);
  }
  painter.setPen(QPen(Qt::black, 1));
  painter.restore();
}

void paintLens(QPainter& painter, int W, int H) { paintLens(painter, W, H, currentLensDrawing()); }

}  // namespace kelvane
