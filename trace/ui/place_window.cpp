#include "trace/ui/place_window.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWidget>

namespace kelvane {

QRect workArea() {
  // Read once: the work area is a process-wide rectangle for the whole run.
  // Only a rectangle from a real screen is kept; without one (no
  // application yet) a plain 1024 by 768 screen stands in for this call.
  static const QRect area = [] {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return QRect();
    QRect available = screen->availableGeometry();
    return available.isValid() ? available : screen->geometry();
  }();
  return area.isValid() ? area : QRect(0, 0, 1024, 768);
}

std::optional<QPoint> placedPosition(QSize window, QRect reference, int corner, int dx, int dy) {
  const int w = window.width();
  const int h = window.height();
  const int refLeft = reference.x();
  const int refTop = reference.y();
  const int refRight = reference.x() + reference.width();
  const int refBottom = reference.y() + reference.height();
  // C++ integer division truncates towards zero, as the percentage rule wants.
  if (dx >= kPercentInset) dx = (refRight - refLeft) * (dx % kPercentInset) / 100 - w / 2;
  if (dy >= kPercentInset) dy = (refBottom - refTop) * (dy % kPercentInset) / 100 - h / 2;
  switch (corner) {
    case kCornerTopLeft:
      return QPoint(refLeft + dx, refTop + dy);
    case kCornerTopRight:
      return QPoint(refRight - w - dx, refTop + dy);
    case kCornerBottomLeft:
      return QPoint(refLeft + dx, refBottom - h - dy);
    case kCornerBottomRight:
      return QPoint(refRight - w - dx, refBottom - h - dy);
    default:
      return std::nullopt;
  }
}

QRect screenRect(const QWidget* widget) {
  if (widget->isWindow()) return widget->frameGeometry();
  return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

namespace {

void placeOnOwnThread(QWidget* window, const QWidget* reference, int corner, int dx, int dy) {
  const QRect own = screenRect(window);
  const QRect ref = reference ? screenRect(reference) : workArea();
  const std::optional<QPoint> pos = placedPosition(own.size(), ref, corner, dx, dy);
  if (!pos) return;
  if (window->isWindow()) {
    window->move(*pos);  // a top-level window's position is that of its frame
  } else {
    QWidget* parent = window->parentWidget();
    window->move(parent ? parent->mapFromGlobal(*pos) : *pos);
  }
  window->update();
}

}  // namespace

void placeWindow(QWidget* window, const QWidget* reference, int corner, int dx, int dy) {
  if (!window) return;
  if (QThread::currentThread() == window->thread()) {
    placeOnOwnThread(window, reference, corner, dx, dy);
    return;
  }
  // Widgets belong to the user-interface thread; hand the move over and do
  // not wait, so a worker never blocks on the user interface.
  QPointer<QWidget> target(window);
  QPointer<const QWidget> ref(reference);
  const bool useWorkArea = reference == nullptr;
  QMetaObject::invokeMethod(
      window,
      [target, ref, useWorkArea, corner, dx, dy] {
        if (!target) return;
        if (!useWorkArea && !ref) return;  // the reference went away meanwhile
        placeOnOwnThread(target.data(), useWorkArea ? nullptr : ref.data(), corner, dx, dy);
      },
      Qt::QueuedConnection);
}

}  // namespace kelvane
