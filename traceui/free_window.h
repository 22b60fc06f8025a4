// FreeWnd: a free-floating frame window whose whole client area is a list
// box, with a menu bar of command items whose ids go to a command hook. The
// Listbox Trace is its one user. A FreeWindow record, owned by the caller and
// alive for the run, remembers the frame's rectangle between openings.
#pragma once

#include <QRect>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "winui/place_window.h"  // setFrameRect

class QAction;
class QMenuBar;

namespace kelvane {

class FreeWnd;
class TraceListBox;

// createFreeWindow flags: the reference is the work area (else the main
// window); place the frame into a corner; the corner is in the low 14 bits.
inline constexpr unsigned kFreeWorkArea = 0x8000;
inline constexpr unsigned kFreePlace = 0x4000;
inline constexpr unsigned kFreeCornerMask = 0x3FFF;
// Divisors of 9 or more keep the reference's full extent; 0 or less read as 4.
inline constexpr int kFreeFullExtentDivisor = 9;
inline constexpr int kFreeDefaultDivisor = 4;

struct FreeWindow {
  FreeWnd* frame = nullptr;
  // The frame's screen rectangle when it was last destroyed (right and
  // bottom exclusive). While right is 0, left and top are the divisors of
  // the reference width and height for the first opening.
  int left = 0, top = 0, right = 0, bottom = 0;
  TraceListBox* child = nullptr;  // the list box while the frame exists
};

// One top-level item of a free window's menu bar.
struct FreeMenuItem {
  int id;
  const char* text;
};

// Receives the frame's menu commands: 0 when handled, 1 otherwise.
using FreeWindowHook = std::function<int(int id, FreeWindow* record)>;

// The starting frame rectangle: the remembered one, or the reference
// narrowed by the record's divisors (kept at the reference's top-left).
QRect freeWindowStartRect(const FreeWindow& record, QRect reference);

// Opens the free window for `record` (or focuses the list box of an open
// one) and returns the list box, or nullptr when it could not be created.
// `owner` is the main window: the frames stay above it and, without
// kFreeWorkArea, it is the reference rectangle.
TraceListBox* createFreeWindow(FreeWindow& record, unsigned flags, const char* title,
                               const std::vector<FreeMenuItem>& menu, FreeWindowHook hook,
                               QWidget* owner);

class FreeWnd : public QWidget {
  Q_OBJECT
 public:
  FreeWnd(FreeWindow& record, const QString& title, const std::vector<FreeMenuItem>& menu,
          FreeWindowHook hook, QWidget* owner);
  ~FreeWnd() override;

  // Runs menu command `id` through the hook; 0 handled, 1 not.
  int command(int id);
  QAction* menuAction(int id) const;
  QMenuBar* menuBar() const { return m_menuBar; }
  TraceListBox* listBox() const { return m_list; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Remembers the rectangle, closes the sink and lets go of the record.
  void detachRecord();

  FreeWindow* m_record;
  FreeWindowHook m_hook;
  QMenuBar* m_menuBar;
  TraceListBox* m_list;
  std::map<int, QAction*> m_actions;
};

}  // namespace kelvane
