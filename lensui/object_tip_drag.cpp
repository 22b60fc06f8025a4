#include "lensui/object_tip_drag.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "draw/lens_picture.h"
#include "lensui/lens_session.h"
#include "lensui/lens_undo.h"

namespace kelvane {

namespace {

// Lens units per pixel of the canvas, as the picture is drawn on it.
QPointF unitsPerPixel(const QWidget& canvas) {
  return {double(draw::kUnitsPerInch) / canvas.logicalDpiX(),
          double(draw::kUnitsPerInch) / canvas.logicalDpiY()};
}

QPointF originOf(const QWidget& canvas) {
  const LensModel& m = lensSession().model;
  const draw::Point o = draw::lensOriginPixel(m.lens(), canvas.width(), canvas.height(),
                                              m.source().distance, canvas.logicalDpiX());
  return {o.x, o.y};
}

}  // namespace

bool ObjectTipDrag::press(const QWidget& canvas, QPointF pos) {
  const LightSource& s = lensSession().model.source();
  if (s.kind != SourceKind::Object) return false;
  const QPointF k = unitsPerPixel(canvas);
  const QPointF o = originOf(canvas);
  const QPointF tip(o.x() - s.distance / k.x(), o.y() - s.height / k.y());
  if (std::hypot(pos.x() - tip.x(), pos.y() - tip.y()) > kTipGrabPixels) return false;
  lensUndo().beginGesture();
  m_dragging = true;
  m_origin = o;
  return true;
}

bool ObjectTipDrag::move(const QWidget& canvas, QPointF pos) {
  if (!m_dragging) return false;
  const QPointF k = unitsPerPixel(canvas);
  // The origin as it was at the press: the picture makes room for a far
  // object by moving the lens, which must not move the ground under the drag.
  const QPointF o = m_origin;
  LensState after = currentLensState();
  // Whole units, as the dialog's sliders give them, within what every
  // surface accepts.
  after.source.distance =
      std::clamp(std::round((o.x() - pos.x()) * k.x()), kMinSourceDistance, kMaxSourceDistance);
  after.source.height = std::clamp(std::round((o.y() - pos.y()) * k.y()), 1.0, kMaxSourceHeight);
  lensUndo().change(after, QCoreApplication::translate("kelvane", "Move object"), Show::Results);
  return true;
}

bool ObjectTipDrag::release() {
  const bool was = m_dragging;
  m_dragging = false;
  return was;
}

}  // namespace kelvane
