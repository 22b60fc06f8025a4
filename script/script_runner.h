// The script runner: executes one script at a time on a thread of its own,
// so the windows stay live while a script animates the lens.
//
// One entry starts, resumes and stops: toggleScript (the "script" menu item,
// the "&Script" button, the start-up argument and a second instance's
// hand-off all use it). While a script runs the dialog's button reads
// "&Stop" and its status line names the file; a "pause" line turns the
// button into "re&Sume".
//
// Stopping never waits for the runner: stopScript only flags the run and
// wakes it, and every wait of the runner (sleep, delay, pause, the wait for
// the dialog, each request to the user-interface thread) ends at once when
// its run is stopped.
//
// Index: run states and button texts, ScriptRunner (toggleScript,
// stopScript, scriptPath, scriptNameGiven, scriptRunState, waits).
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "script/script_host.h"
#include "script/script_reader.h"
#include "script/script_stepper.h"

namespace kelvane {

// scriptRunState values.
inline constexpr int SCRIPT_STOPPED = 0;
inline constexpr int SCRIPT_RUNNING = 1;
inline constexpr int SCRIPT_PAUSED = 2;

// Texts of the dialog's "&Script" button (control 173).
inline constexpr const char* kScriptButtonIdle = "&Script";
inline constexpr const char* kScriptButtonRunning = "&Stop";
inline constexpr const char* kScriptButtonPaused = "re&Sume";

// The script run when none was chosen yet (start-up puts it into Store).
inline constexpr const char* kRunnerDefaultScript = "script.ops";

// How often a named script looks for the Lens Control dialog it waits for.
inline constexpr std::chrono::milliseconds kDialogPollInterval{100};
// How long a lens-changing line waits for a lens view it asked for.
inline constexpr std::chrono::milliseconds kLensViewDeadline{5000};

class ScriptRunner {
 public:
  // `host` must outlive the runner.
  explicit ScriptRunner(ScriptHost& host, std::string scriptPath = kRunnerDefaultScript);
  // Stops a run and waits for its thread (which never waits for the
  // user-interface thread once stopped).
  ~ScriptRunner();
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  // On the user-interface thread. With a name: it becomes scriptPath and the
  // next start opens it without asking. Then: paused -> resume; running ->
  // stop; otherwise open the lens view if there is none and start a runner.
  // A runner still waiting for its file or for the dialog is replaced by the
  // new one: two never run side by side.
  void toggleScript(std::optional<std::string> name = std::nullopt);

  // Any thread: ends the run (also one waiting for its file or the dialog).
  // Called when the lens view or the Lens Control dialog goes away.
  void stopScript();

  // Stops and waits for the runner thread; for quitting.
  void shutdown();

  // 0 stopped, 1 running, 2 paused.
  int scriptRunState() const { return m_control->state.load(); }

  std::string scriptPath() const;
  // The snapshot writer's chosen file becomes the current script.
  void setScriptPath(std::string path);
  bool scriptNameGiven() const;

  // False makes "sleep" and "delay" wait not at all (kelvane-cli --no-delay).
  void setDelaysEnabled(bool enabled) { m_delaysEnabled.store(enabled); }

  // Receives, on the runner's thread, one "FILE:LINE: what is wrong" for
  // every line of a script that cannot be read whole, before its first line
  // runs, and "FILE: cannot run it: why" for a named script that is no
  // regular file or cannot be opened. Takes effect at the next start.
  void setWarningSink(std::function<void(const std::string&)> sink);

  // Called on the runner's thread as its last step, once busy() is false:
  // the end of a run, or of a start that found no script. It must not wait
  // for the thread that calls toggleScript.
  void setRunEndedHook(std::function<void()> hook);

  // Ends a run after this many executed lines (lines with a keyword); 0
  // sets no limit. Takes effect at the next start.
  void setMaxSteps(long long steps) { m_maxSteps.store(steps); }
  // The last run ended at that limit.
  bool stepLimitReached() const { return m_stepLimitReached.load(); }

  // True while a runner thread is working (from toggleScript's start to its
  // end, the wait for the file or the dialog included).
  bool busy() const;

  // Waits until pred(scriptRunState, busy) holds; false when `timeout`
  // passed first. Without a timeout it waits as long as it takes.
  bool waitFor(const std::function<bool(int state, bool busy)>& pred,
               std::optional<std::chrono::milliseconds> timeout = std::nullopt) const;

 private:
  struct Run;
  // The stepper's way to the user-interface thread, for one run.
  class RunActions;
  enum class Flow { Next, End };

  void runThread(std::shared_ptr<Run> run);
  ScriptFile openScript(Run& run);
  // Tells the warning sink why a named script was not run.
  void reportOpenProblem(const std::string& path, const std::string& problem);
  void execute(Run& run);
  void reportWarnings(Run& run);
  void showRun(Run& run);
  void endRun(Run& run);
  Flow doPause(Run& run);

  // Waiting, always cut short by a stop.
  bool stopped(const Run& run) const;
  void sleepMs(Run& run, long long ms);
  void ensureLensView(Run& run);
  // Runs `work` on the user-interface thread and waits for it. False when
  // the run was stopped first (the work then is skipped if it has not begun).
  bool onUi(Run& run, std::function<void(ScriptHost&)> work, bool skipWhenStopped = true);
  template <typename T>
  std::optional<T> askUi(Run& run, std::function<T(ScriptHost&)> question);

  // Shared with the work posted to the user-interface thread, which may run
  // after a stopped run has been given up.
  struct Control {
    std::mutex mutex;
    std::condition_variable changed;         // any state, run or request change
    std::atomic<int> state{SCRIPT_STOPPED};  // scriptRunState; changed under the mutex
  };

  ScriptHost& m_host;
  std::shared_ptr<Control> m_control = std::make_shared<Control>();
  std::atomic<bool> m_delaysEnabled{true};
  std::atomic<long long> m_maxSteps{0};
  std::atomic<bool> m_stepLimitReached{false};
  // Guarded by m_control->mutex:
  std::function<void(const std::string&)> m_warningSink;
  std::function<void()> m_runEnded;
  std::string m_scriptPath;
  bool m_scriptNameGiven = false;
  bool m_busy = false;
  std::shared_ptr<Run> m_run;  // the latest run
  // Touched by the thread that calls toggleScript, shutdown or the destructor.
  std::thread m_thread;
};

}  // namespace kelvane
