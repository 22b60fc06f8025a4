#include "draw/qt/painter_replay.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <type_traits>

namespace kelvane::draw {

namespace {

QPointF qpoint(Point p) { return QPointF(p.x, p.y); }

QPen qpen(const Pen& pen) {
  const Qt::PenStyle style = pen.dash == Dash::Dot    ? Qt::DotLine
                             : pen.dash == Dash::Dash ? Qt::DashLine
                                                      : Qt::SolidLine;
  return QPen(toQColor(pen.color), pen.width, style);
}

QPen qpen(const std::optional<Pen>& pen) { return pen ? qpen(*pen) : QPen(Qt::NoPen); }

// Replays primitives in drawing units; the painter carries the unit
// transform `units`.
class Replayer {
 public:
  Replayer(QPainter& painter, const DisplayList& list, const QTransform& units)
      : m_painter(painter), m_list(list), m_units(units) {}

  void operator()(const Line& l) {
    m_painter.setPen(qpen(l.pen));
    m_painter.drawLine(QLineF(qpoint(l.from), qpoint(l.to)));
  }
  void operator()(const Polyline& p) {
    // Segment by segment, as the picture has always drawn its beam paths:
    // thin pens then cover the same pixels on every device.
    m_painter.setPen(qpen(p.pen));
    for (size_t i = 1; i < p.points.size(); ++i)
      m_painter.drawLine(QLineF(qpoint(p.points[i - 1]), qpoint(p.points[i])));
  }
  void operator()(const EllipseShape& e) {
    m_painter.setPen(qpen(e.pen));
    m_painter.setBrush(e.fill ? QBrush(toQColor(*e.fill)) : QBrush(Qt::NoBrush));
    m_painter.drawEllipse(QRectF(e.left, e.bottom, e.width, e.height));
  }
  void operator()(const Polygon& p) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(p.points.size()));
    for (Point q : p.points) polygon << qpoint(q);
    m_painter.setPen(qpen(p.pen));
    m_painter.setBrush(toQColor(p.fill));
    m_painter.drawPolygon(polygon, Qt::WindingFill);
  }
  void operator()(const Text& t);

 private:
  QPainter& m_painter;
  const DisplayList& m_list;
  QTransform m_units;
};

void Replayer::operator()(const Text& t) {
  const QPaintDevice* device = m_painter.device();
  const double unitsToPixels = m_list.dpiY / kUnitsPerInch;
  // Point sizes are in the device's logical inches.
  const double pointsPerPixel = 72.0 / device->logicalDpiY();
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(t.size * unitsToPixels * pointsPerPixel);
  const QString text = QString::fromUtf8(t.text.data(), static_cast<qsizetype>(t.text.size()));
  double width = QFontMetricsF(font, device).horizontalAdvance(text);
  const double maxWidth = t.maxWidth * m_list.dpiX / kUnitsPerInch;
  if (t.maxWidth > 0 && width > maxWidth) {
    font.setPointSizeF(font.pointSizeF() * maxWidth / width);
    width = QFontMetricsF(font, device).horizontalAdvance(text);
  }
  const QFontMetricsF metrics(font, device);
  const QPointF anchor = m_units.map(qpoint(t.at));
  double x = anchor.x();
  if (t.align == Align::Center) x -= width / 2;
  if (t.align == Align::Right) x -= width;
  const double baseline = anchor.y() + (metrics.ascent() - metrics.descent()) / 2;
  // Upright text: device pixels, no y flip.
  m_painter.save();
  m_painter.setTransform(QTransform());
  m_painter.setFont(font);
  m_painter.setPen(toQColor(t.color));
  m_painter.drawText(QPointF(x, baseline), text);
  m_painter.restore();
}

}  // namespace

void replay(QPainter& painter, const DisplayList& list, bool antialias) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, antialias);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const double sx = list.dpiX / kUnitsPerInch;
  const double sy = list.dpiY / kUnitsPerInch;
  const QTransform units(sx, 0, 0, -sy, list.origin.x, list.origin.y);
  painter.setTransform(units);
  Replayer replayer(painter, list, units);
  for (const Primitive& p : list.items) std::visit(replayer, p);
  painter.restore();
}

}  // namespace kelvane::draw
