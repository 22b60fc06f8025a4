#include "winui/place_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <vector>

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

QMargins frameMarginsOf(const QWidget* window) {
  const QWindow* handle = window->windowHandle();
  return handle ? handle->frameMargins() : QMargins();
}

QRect screenRect(const QWidget* widget) {
  if (widget->isWindow()) return widget->geometry().marginsAdded(frameMarginsOf(widget));
  return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

namespace {

// Runs a geometry action on a top-level window again whenever the frame of
// the window or of its reference changes, until both are framed. The checks
// are queued so that a reference that is itself being fitted to its frame has
// its new geometry when the action reads it.
class FrameFollower : public QObject {
 public:
  static constexpr const char* kName = "kelvane-frame-follower";

  FrameFollower(QWidget* window, const QWidget* reference, std::function<void()> action)
      : QObject(window), m_action(std::move(action)) {
    setObjectName(kName);
    watch(window);
    if (reference && reference->isWindow()) watch(const_cast<QWidget*>(reference));
  }

  bool allFramed() const {
    for (const Watched& w : m_watched)
      if (w.widget && frameMarginsOf(w.widget).isNull()) return false;
    return true;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::WinIdChange:
        // The native window exists now: follow its exposure as well.
        if (auto* widget = qobject_cast<QWidget*>(watched)) watchNative(widget);
        queueCheck();
        break;
      case QEvent::Expose:  // mapped, so framed by now, even where nothing moved
      case QEvent::Move:
      case QEvent::Resize:
        queueCheck();
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  struct Watched {
    QPointer<QWidget> widget;
    QMargins margins;
    QRect rect;  // followed for the reference only: the window's own moves are ours
  };

  void watch(QWidget* widget) {
    widget->installEventFilter(this);
    watchNative(widget);
    m_watched.push_back({widget, frameMarginsOf(widget), screenRect(widget)});
  }

  void watchNative(QWidget* widget) {
    if (QWindow* handle = widget->windowHandle()) handle->installEventFilter(this);
  }

  // The reference is settled once it has no frame still to come and no
  // rectangle of its own still to fit to its frame.
  bool settled() const {
    if (!allFramed()) return false;
    for (size_t i = 1; i < m_watched.size(); ++i) {
      const QWidget* ref = m_watched[i].widget;
      if (ref && ref->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly)) return false;
    }
    return true;
  }

  void queueCheck() {
    if (m_checkQueued) return;
    m_checkQueued = true;
    QMetaObject::invokeMethod(
        this, [this] { check(); }, Qt::QueuedConnection);
  }

  void check() {
    m_checkQueued = false;
    bool changed = false;
    for (size_t i = 0; i < m_watched.size(); ++i) {
      Watched& w = m_watched[i];
      if (!w.widget) continue;
      const QMargins margins = frameMarginsOf(w.widget);
      const QRect rect = screenRect(w.widget);
      if (margins != w.margins || (i > 0 && rect != w.rect)) changed = true;
      w.margins = margins;
      w.rect = rect;
    }
    if (!changed) {
      if (settled()) deleteLater();
      return;
    }
    // Once more round the event loop, so that a reference being fitted to
    // its own frame has its new rectangle first; then look again.
    QMetaObject::invokeMethod(
        this,
        [this] {
          m_action();
          queueCheck();
        },
        Qt::QueuedConnection);
  }

  std::function<void()> m_action;
  std::vector<Watched> m_watched;
  bool m_checkQueued = false;
};

// Runs `action` now and, while a frame is still to come, again when it does.
// A newer geometry request for the window replaces an older one.
void followFrames(QWidget* window, const QWidget* reference, std::function<void()> action) {
  // Found by name: the class has no meta-object of its own.
  for (QObject* old :
       window->findChildren<QObject*>(FrameFollower::kName, Qt::FindDirectChildrenOnly))
    delete old;
  action();
  auto* follower = new FrameFollower(window, reference, std::move(action));
  if (follower->allFramed()) delete follower;
}

void applyFrameRect(QWidget* window, QRect frame) {
  const QMargins margins = frameMarginsOf(window);
  if (margins.isNull()) {
    // No frame yet: a top-level window's position is that of its frame.
    window->resize(frame.size());
    window->move(frame.topLeft());
  } else {
    window->setGeometry(frame.marginsRemoved(margins));
  }
}

void placeOnOwnThread(QWidget* window, const QWidget* reference, int corner, int dx, int dy) {
  const QRect own = screenRect(window);
  const QRect ref = reference ? screenRect(reference) : workArea();
  const std::optional<QPoint> pos = placedPosition(own.size(), ref, corner, dx, dy);
  if (!pos) return;
  if (window->isWindow()) {
    const QMargins margins = frameMarginsOf(window);
    if (margins.isNull()) {
      window->move(*pos);  // no frame yet: the position is the frame's
    } else {
      window->setGeometry(QRect(*pos + QPoint(margins.left(), margins.top()), window->size()));
    }
  } else {
    QWidget* parent = window->parentWidget();
    window->move(parent ? parent->mapFromGlobal(*pos) : *pos);
  }
  window->update();
}

// Places the window and, for a top-level window whose frame or whose
// reference's frame is still to come, places it again once they are known.
void placeFollowingFrames(QWidget* window, const QWidget* reference, int corner, int dx, int dy) {
  if (!window->isWindow()) {
    placeOnOwnThread(window, reference, corner, dx, dy);  // a child moves within its parent
    return;
  }
  QPointer<QWidget> target(window);
  QPointer<const QWidget> ref(reference);
  const bool useWorkArea = reference == nullptr;
  followFrames(window, reference, [target, ref, useWorkArea, corner, dx, dy] {
    if (!target || (!useWorkArea && !ref)) return;
    placeOnOwnThread(target.data(), useWorkArea ? nullptr : ref.data(), corner, dx, dy);
  });
}

}  // namespace

void setFrameRect(QWidget* window, QRect frame) {
  if (!window) return;
  QPointer<QWidget> target(window);
  followFrames(window, nullptr, [target, frame] {
    if (target) applyFrameRect(target.data(), frame);
  });
}

void showWithFrameRect(QWidget* window, QRect frame) {
  setFrameRect(window, frame);  // placed before it is mapped
  window->show();
  if (!frameMarginsOf(window).isNull()) setFrameRect(window, frame);
}

void placeWindow(QWidget* window, const QWidget* reference, int corner, int dx, int dy) {
  if (!window) return;
  if (QThread::currentThread() == window->thread()) {
    placeFollowingFrames(window, reference, corner, dx, dy);
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
        placeFollowingFrames(target.data(), useWorkArea ? nullptr : ref.data(), corner, dx, dy);
      },
      Qt::QueuedConnection);
}

}  // namespace kelvane
