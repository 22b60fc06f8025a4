// The script runner in the program: the host that lets it reach the lens
// view and the Lens Control dialog, and the object that owns the runner and
// hands it to the dialog's "&Script" and "Save" buttons.
//
// Everything here is created and used on the user-interface thread; only
// postToUi is called from the runner's thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>

#include "script/script_host.h"
#include "script/script_runner.h"

namespace kelvane {

// Main window commands a script posts to have the lens view opened.
inline constexpr int kOpenMultiBeamCommand = 201;
inline constexpr int kOpenSingleBeamCommand = 203;

// The runner's way into the lens session. Its work runs as queued calls on
// the thread it lives on (the user-interface thread); work still queued when
// it is destroyed is dropped.
class ScriptUiHost : public QObject, public ScriptHost {
  Q_OBJECT
 public:
  // `mainWindow` owns the lens views the host opens. `postCommand` hands a
  // main window command (201, 203) to the main window; without it the view
  // is opened by a queued call of openLensView.
  ScriptUiHost(QWidget* mainWindow, std::function<void(int)> postCommand);

  void postToUi(std::function<void()> work) override;
  bool lensViewExists() override;
  bool lensControlExists() override;
  void openLensView() override;
  void requestLensView() override;
  void setLensValues(const std::array<double, 5>& values) override;
  void setLensShape(int shape) override;
  void setIndexRatio(double ratio) override;
  void setCanvas(int xmax, int ymax) override;
  ColourState colour() override;
  void setColour(const ColourState& colour) override;
  void setSource(const LightSource& source) override;
  void setBeamMode(int mode) override;
  void refreshLensControl() override;
  void setLockWidth(int a) override;
  void setFillPercent(int percent) override;
  double traceWidth() override;
  void moveLensView(int x, int y, int w, int h) override;
  void placeLensControl(int anchor, int dx, int dy) override;
  void setScriptStatus(const std::string& text) override;
  void enableScriptStatus(bool enabled) override;
  void setScriptButtonText(const std::string& text) override;
  ScriptFile chooseScript(std::string& path) override;
  // The run's changes become one undo step.
  void scriptEnded() override;

 private:
  QPointer<QWidget> m_mainWindow;
  std::function<void(int)> m_postCommand;
};

// The program's one script runner. While it lives, the dialog's "&Script"
// button toggles it, "Save" appends a snapshot to a file of the user's
// choice, and closing the view or the dialog stops it. Destroying it stops
// a run and waits for the runner's thread, which never waits for this
// thread once stopped.
class ScriptUi : public QObject {
  Q_OBJECT
 public:
  ScriptUi(QWidget* mainWindow, std::string scriptPath, std::function<void(int)> postCommand = {},
           QObject* parent = nullptr);
  ~ScriptUi() override;

  // toggleScript with a path (the start-up argument, a hand-off), or with
  // none for an empty text (the "script" menu item).
  void toggleScript(const std::string& name);
  // A script handed over by name (a second start): it runs now when the
  // runner is free, otherwise after the run and the scripts handed over
  // before it. None stops another: many second starts at once all run.
  void handOffScript(const std::string& name);
  // Scripts handed over and not started yet.
  std::size_t pendingHandoffs() const { return m_pending.size(); }
  // The "Save" button: true when a snapshot was written.
  bool saveSnapshot();

  ScriptRunner& runner() { return m_runner; }

 private:
  void startNextHandoff();

  ScriptUiHost m_host;
  ScriptRunner m_runner;              // after the host: it goes first
  std::deque<std::string> m_pending;  // on the user-interface thread only
};

}  // namespace kelvane
