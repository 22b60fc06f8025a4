// PsvWnd: the "PsView Trace" window. It shows the PsView ring in a
// fixed-pitch font (line i in text row i - vpos + 1, one column in), scrolls
// by the ring's rules, and carries the menu bar (Clear, Save, con&Figure) and
// the right-click / F1 popup (Inspect, Clear, Save, Test message).
#pragma once

#include <QAbstractScrollArea>
#include <QWidget>
#include <QtGlobal>
#include <atomic>
#include <functional>
#include <map>
#include <memory>

#include "trace/filerequest.h"
#include "trace/psview.h"

class QAction;
class QMenu;
class QMenuBar;

namespace kelvane {

inline constexpr int PSV_CMD_CLEAR = 500;
inline constexpr int PSV_CMD_SAVE = 501;
inline constexpr int PSV_CMD_INSPECT = 502;
inline constexpr int PSV_CMD_CONFIGURE = 503;
inline constexpr int PSV_CMD_TEST_MESSAGE = 520;

inline constexpr const char* kPsViewCaption = QT_TRANSLATE_NOOP("kelvane", "PsView Trace");
inline constexpr const char* kPsViewTestMessage = "Test Message";
inline constexpr const char* kAlreadyInspecting = QT_TRANSLATE_NOOP(
    "kelvane",
    "You are already inspecting a message. To analyze another you must close the existing window.");

class PsvWnd;

// Commands the window does not handle itself: 0 when handled, 1 otherwise.
// For Inspect (502) `record` is a counted line (length byte, characters,
// terminating 0) valid during the call; otherwise nullptr.
using PsViewCommandHandler = std::function<int(PsvWnd& window, int id, const char* record)>;

// The standard handler: Inspect (502), Configure (503), Test message (520).
int psViewStandardCommand(PsvWnd& window, int id, const char* record);

// The PsView save request: "PsvTrace", "Save in File", mode "wt".
FileRequest& psViewSaveRequest();

// The client area: paints the ring and turns scroll-bar actions into the
// ring's scroll requests.
class PsvArea : public QAbstractScrollArea {
  Q_OBJECT
 public:
  PsvArea(PsView& view, PsvWnd& window);

  // Applies the ring's vertical range and position to the scroll bar.
  void applyVertical(int vmax, int vpos);
  // The size notification, also after a metrics change.
  void sizeChanged();
  // Widens the horizontal range when a line longer than the one it was
  // computed for has arrived since (user-interface thread).
  void followLongestLine();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void verticalAction(int action);
  void horizontalAction(int action);
  void horizontalReleased();

  PsView& m_view;
  PsvWnd& m_window;
  bool m_applying = false;  // the ring itself is moving the scroll bars
  int m_rangeLongest = 0;   // the longest line the horizontal range is for
};

class PsvWnd : public QWidget, public PsViewWindow {
  Q_OBJECT
 public:
  explicit PsvWnd(QWidget* owner = nullptr);
  ~PsvWnd() override;

  PsView& view() { return *m_view; }
  PsvArea* area() const { return m_area; }
  QWidget* client() const;
  QMenuBar* menuBar() const { return m_menuBar; }
  QMenu* popupMenu() const { return m_popup; }
  // The menu-bar (500, 501, 503) or popup (502, 520) item of that id.
  QAction* menuAction(int id) const;

  // Runs command `id` as its menu item does: 0 handled, 1 not.
  int command(int id);
  void setCommandHandler(PsViewCommandHandler handler) { m_commandHandler = std::move(handler); }

  // The right-button click: remembers its y for Inspect and shows the popup.
  void rightClick(QPoint clientPos);
  // Shows the popup menu at a point of the client area.
  void showPopup(QPoint clientPos);
  int inspectY() const { return m_inspectY; }

  // Stops being the sink and remembers the rectangle; closing ends here.
  void teardown();

  // PsViewWindow: from any thread, handed over to this window's thread.
  void setVerticalScroll(int vmax, int vpos) override;
  void invalidate() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void save();
  void inspect();
  bool onOwnThread() const;

  std::unique_ptr<PsView> m_view;
  PsvArea* m_area;
  QMenuBar* m_menuBar;
  QMenu* m_popup;
  std::map<int, QAction*> m_actions;
  PsViewCommandHandler m_commandHandler = psViewStandardCommand;
  int m_inspectY = 0;
  bool m_tornDown = false;
  std::atomic<bool> m_scrollPosted{false};
  std::atomic<bool> m_updatePosted{false};
};

// The process-wide place of the PsView window: the open one, and the frame
// rectangle the last one had when it closed (null until then).
struct PsViewPlace {
  PsvWnd* window = nullptr;
  QRect rect;
};
PsViewPlace& psViewPlace();

// The first frame rectangle of a PsView window on a work area: a quarter of
// its right coordinate wide, a quarter plus a half of its bottom coordinate
// high, in its bottom-right corner.
QRect psViewStartRect(QRect workArea);

}  // namespace kelvane
