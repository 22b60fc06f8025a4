// Dragging the object's tip in the lens view: a press near the tip of the
// object arrow picks it up, moving sets its distance and height, and the
// whole drag is one undo step.
#pragma once

#include <QPointF>

class QWidget;

namespace kelvane {

// How near (in pixels) a press must be to pick the tip up.
inline constexpr double kTipGrabPixels = 8;

class ObjectTipDrag {
 public:
  // Presses on `canvas` at `pos`: true when the tip was picked up.
  bool press(const QWidget& canvas, QPointF pos);
  // While picked up: the object follows. True when the move was the drag's.
  bool move(const QWidget& canvas, QPointF pos);
  bool release();
  bool dragging() const { return m_dragging; }

 private:
  bool m_dragging = false;
  QPointF m_origin;  // the ingress vertex's pixel when the drag began
};

}  // namespace kelvane
