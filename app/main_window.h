// The main window "Kelvane": the menu bar from which every command starts,
// the 250 ms timer that refreshes an open PsView window, the script hand-off
// of a second instance, and the Calc items that follow the background
// calculation. It draws nothing of its own.
//
// Every menu item carries its command id; command(id) is the one dispatcher.
// Commands of subsystems built elsewhere are wired with setCommandHandler and
// friends; until then their items stay present but disabled.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <iterator>
#include <map>
#include <string>

#include "app/app_info.h"
#include "app/menu_table.h"
#include "app/trace_notice.h"
#include "optics/tracer.h"

class QAction;
class QMenu;
class QTimer;

namespace kelvane {

class HelpBrowser;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Runs command `id` as its menu item does. False for an id the window
  // does not know or whose subsystem is not wired. Trace lines it prints
  // that no trace window shows are noted on the status line.
  bool command(int id);

  QAction* action(int id) const;
  QMenu* popup(int index) const;  // 0 "&File" .. 5 "&Help"

  // --- wiring for the subsystems --------------------------------------
  // Runs `handler` for command `id` and enables its item.
  void setCommandHandler(int id, std::function<void()> handler);
  // The calculation command 301 or 302 starts on a worker thread through
  // startBackgroundCalc; enables the item while no calculation runs. The
  // Calc items follow every start made on this thread, the menu's or not.
  void setCalculation(int id, std::function<void()> calculation);
  // The same, with the thread body made on this thread at each start, so it
  // can copy what it needs (the index ratio in force) before it runs.
  void setCalculationMaker(int id, std::function<std::function<void()>()> make);
  // Whether the window of item 401 or 402 is open, for the item's text
  // when the Debug popup opens.
  void setTraceWindowQuery(int id, std::function<bool()> isOpen);
  // Called by timer 1 every 250 ms (PsView::refresh when one is open).
  void setTimerRefresh(std::function<void()> refresh);
  // toggleScript: "" asks for a file (command 200), otherwise the path of a
  // hand-off or of the start-up argument. Enables item 200.
  void setScriptToggler(std::function<void(const std::string&)> toggle);
  // Offered the start-up argument and every hand-off before the script
  // runner: what it takes (a focus table to show) is not run as a script.
  void setArgumentClaim(std::function<bool(const std::string&)> claim);

  // The first instance's command-line text: runs it as a script when there
  // is one (called once, after wiring).
  void runStartupArgument(const std::string& argument);
  // WM_SCRIPT_HANDOFF: reads the hand-off file and hands its text on.
  void handleScriptHandoff();

  // The context tests 317 and 318 trace on: the lens session's, so they
  // use the refractive index in force and their results replace the shown
  // ones until the next trace.
  TracerContext& tracerContext();
  // The guide's window when "&HTML help" had to show it here; else null.
  HelpBrowser* helpBrowser() const;
  const DemoTrace& demoTrace() const { return m_demo; }
  QTimer* refreshTimer() const { return m_timer; }

 signals:
  // A hand-off was handled (the text, possibly empty when none was read).
  void scriptHandedOff(const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool runCommand(int id);
  void buildMenus();
  void updateDebugPopup();
  void applyCalcMenu(bool active);
  void startCalculation(int id);
  void toggleTraceFileItem();
  void openHtmlHelp();
  void showHelpInWindow(const std::string& path);

  std::map<int, QAction*> m_actions;
  std::map<int, std::function<void()>> m_handlers;
  std::map<int, std::function<std::function<void()>()>> m_calculations;
  std::map<int, std::function<bool()>> m_traceQueries;
  std::function<void()> m_timerRefresh;
  std::function<void(const std::string&)> m_toggleScript;
  std::function<bool(const std::string&)> m_claimArgument;
  QMenu* m_popups[std::size(kMenuBar)] = {};
  QTimer* m_timer;
  TraceNotice m_traceNotice;
  DemoTrace m_demo;
  QPointer<HelpBrowser> m_helpBrowser;
};

}  // namespace kelvane
