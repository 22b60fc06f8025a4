#include "winui/remembered_place.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "winui/place_window.h"

// Why not QWidget::saveGeometry/restoreGeometry: under openbox they give the
// same rectangles back, but restoreGeometry accepts a place off every screen
// (a monitor that is gone) and pulls the window to the edge of the primary
// screen instead of letting it open at its first-run place; and PsView's
// place is a rectangle its record holds before the window exists, which
// Qt's opaque geometry cannot give. So places are frame rectangles here.
namespace kelvane {

namespace {

const QString kOrganization = QStringLiteral("Kelvane");
const QString kApplication = QStringLiteral("Kelvane");
const QString kGroup = QStringLiteral("places");

// The height of a frame's top strip, where the title bar is.
constexpr int kTitleStripHeight = 24;
// A drag sends many moves: the place is kept once they have stopped.
constexpr int kKeepDelayMs = 250;

QString placeKey(const char* key) { return kGroup + QLatin1Char('/') + QLatin1String(key); }

QSettings userSettings() { return QSettings(QSettings::UserScope, kOrganization, kApplication); }

// The window stands as a normal window on the screen, mapped, so its frame
// (where the window system has one) is known.
bool settledOnScreen(const QWidget* window) {
  if (!window->isVisible()) return false;
  if (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
    return false;
  const QWindow* handle = window->windowHandle();
  return handle && handle->isExposed();
}

// Watches one top-level window and keeps its frame rectangle. The rectangle
// is read at every move and resize, read again once the moves have settled
// (a frame that has arrived since changes it), and kept then, on closing and
// when the window goes away, whichever comes first.
class PlaceKeeper : public QObject {
 public:
  static constexpr const char* kName = "kelvane-place-keeper";

  PlaceKeeper(QWidget* window, const char* key) : QObject(window), m_window(window), m_key(key) {
    setObjectName(kName);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kKeepDelayMs);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { settle(); });
    window->installEventFilter(this);
    watchNative();
    look();
  }

  ~PlaceKeeper() override { keep(); }  // the window is going: keep what was seen last

  const QByteArray& key() const { return m_key; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::WinIdChange:
        watchNative();
        [[fallthrough]];
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Expose:
      case QEvent::WindowStateChange:
        look();
        m_timer.start();
        break;
      case QEvent::Close:
        look();
        keep();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void watchNative() {
    QWindow* handle = m_window ? m_window->windowHandle() : nullptr;
    if (handle && handle != m_native) {
      handle->installEventFilter(this);
      m_native = handle;
    }
  }

  void look() {
    if (m_window && settledOnScreen(m_window)) m_rect = screenRect(m_window);
  }

  void settle() {
    if (!m_window) return;
    if (settledOnScreen(m_window)) {
      m_rect = screenRect(m_window);
    } else if (m_window->isVisible()) {
      // Minimized, maximized or full screen now: what the moves on the way
      // there showed is not a place the user chose.
      m_rect = m_kept;
    }
    keep();
  }

  void keep() {
    m_timer.stop();
    if (!m_rect.isValid() || m_rect == m_kept) return;
    keepPlace(m_key.constData(), m_rect);
    m_kept = m_rect;
  }

  QPointer<QWidget> m_window;
  QPointer<QWindow> m_native;
  const QByteArray m_key;
  QTimer m_timer;
  QRect m_rect;  // the last frame rectangle seen while settled
  QRect m_kept;  // the last one written
};

}  // namespace

bool reachableOnScreens(QRect frame, const QList<QRect>& screens) {
  if (frame.width() <= 0 || frame.height() <= 0) return false;
  const QRect strip(frame.x(), frame.y(), frame.width(),
                    std::min(frame.height(), kTitleStripHeight));
  for (const QRect& screen : screens) {
    const QRect common = strip.intersected(screen);
    if (common.width() >= kReachableWidth && common.height() >= kReachableHeight) return true;
  }
  return false;
}

std::optional<QRect> rememberedPlace(const char* key) {
  const QVariant stored = userSettings().value(placeKey(key));
  if (!stored.canConvert<QRect>()) return std::nullopt;
  const QRect frame = stored.toRect();
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) screens.push_back(screen->geometry());
  if (!reachableOnScreens(frame, screens)) return std::nullopt;
  return frame;
}

void keepPlace(const char* key, QRect frame) { userSettings().setValue(placeKey(key), frame); }

bool rememberedOption(const char* key, bool fallback) {
  return userSettings().value(QStringLiteral("options/") + QLatin1String(key), fallback).toBool();
}

void keepOption(const char* key, bool on) {
  userSettings().setValue(QStringLiteral("options/") + QLatin1String(key), on);
}

QString rememberedText(const char* key, const QString& fallback) {
  return userSettings().value(QStringLiteral("options/") + QLatin1String(key), fallback).toString();
}

void keepText(const char* key, const QString& text) {
  userSettings().setValue(QStringLiteral("options/") + QLatin1String(key), text);
}

void forgetRememberedPlaces() { userSettings().remove(kGroup); }

void rememberPlace(QWidget* window, const char* key) {
  if (!window) return;
  for (QObject* child :
       window->findChildren<QObject*>(PlaceKeeper::kName, Qt::FindDirectChildrenOnly)) {
    auto* keeper = static_cast<PlaceKeeper*>(child);
    if (keeper->key() == key) return;
    delete keeper;
  }
  new PlaceKeeper(window, key);
}

void showAtRememberedPlace(QWidget* window, const char* key,
                           const std::function<void()>& firstPlace) {
  if (!window) return;
  if (const std::optional<QRect> place = rememberedPlace(key)) {
    showWithFrameRect(window, *place);
  } else if (firstPlace) {
    firstPlace();
  } else {
    window->show();
  }
  rememberPlace(window, key);
}

}  // namespace kelvane
