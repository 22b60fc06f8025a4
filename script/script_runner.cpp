// The runner's life: starting, stopping, pausing, and every wait it makes.
#include "script/script_runner.h"

#include <utility>

#include "fileio/regular_file.h"
#include "script/script_check.h"
#include "script/script_run.h"

namespace kelvane {

ScriptRunner::ScriptRunner(ScriptHost& host, std::string scriptPath)
    : m_host(host), m_scriptPath(std::move(scriptPath)) {}

ScriptRunner::~ScriptRunner() { shutdown(); }

void ScriptRunner::toggleScript(std::optional<std::string> name) {
  const bool onRunnerThread =
      m_thread.joinable() && m_thread.get_id() == std::this_thread::get_id();
  {
    std::lock_guard lock(m_control->mutex);
    if (name) {
      m_scriptPath = std::move(*name);
      m_scriptNameGiven = true;
    }
    const int state = m_control->state.load();
    if (state == SCRIPT_PAUSED) {
      // The button reads "&Stop" from this moment on, so a second press
      // stops instead of resuming twice. The runner stays in its pause until
      // the state changes below, so the host is not used by two threads.
      if (!onRunnerThread) m_host.setScriptButtonText(kScriptButtonRunning);
      m_control->state = SCRIPT_RUNNING;
      m_control->changed.notify_all();
      return;
    }
    if (state == SCRIPT_RUNNING) {
      m_control->state = SCRIPT_STOPPED;
      if (m_run) m_run->aborted = true;
      m_control->changed.notify_all();
      return;
    }
    // A runner cannot start another one from its own thread.
    if (onRunnerThread) return;
    // A runner still waiting for its file or the dialog gives way.
    if (m_run) m_run->aborted = true;
    m_control->changed.notify_all();
  }
  // The old runner only ever waits on m_control, and it has been told to
  // stop, so this returns at once.
  if (m_thread.joinable()) m_thread.join();
  if (!m_host.lensViewExists()) m_host.openLensView();
  auto run = std::make_shared<Run>();
  {
    std::lock_guard lock(m_control->mutex);
    m_run = run;
    m_busy = true;
  }
  m_thread = std::thread(&ScriptRunner::runThread, this, std::move(run));
}

void ScriptRunner::stopScript() {
  std::lock_guard lock(m_control->mutex);
  m_control->state = SCRIPT_STOPPED;
  if (m_run) m_run->aborted = true;
  m_control->changed.notify_all();
}

void ScriptRunner::shutdown() {
  stopScript();
  if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id()) m_thread.join();
}

std::string ScriptRunner::scriptPath() const {
  std::lock_guard lock(m_control->mutex);
  return m_scriptPath;
}

void ScriptRunner::setScriptPath(std::string path) {
  std::lock_guard lock(m_control->mutex);
  m_scriptPath = std::move(path);
}

void ScriptRunner::setWarningSink(std::function<void(const std::string&)> sink) {
  std::lock_guard lock(m_control->mutex);
  m_warningSink = std::move(sink);
}

void ScriptRunner::setRunEndedHook(std::function<void()> hook) {
  std::lock_guard lock(m_control->mutex);
  m_runEnded = std::move(hook);
}

bool ScriptRunner::scriptNameGiven() const {
  std::lock_guard lock(m_control->mutex);
  return m_scriptNameGiven;
}

bool ScriptRunner::busy() const {
  std::lock_guard lock(m_control->mutex);
  return m_busy;
}

bool ScriptRunner::waitFor(const std::function<bool(int, bool)>& pred,
                           std::optional<std::chrono::milliseconds> timeout) const {
  std::unique_lock lock(m_control->mutex);
  auto ready = [&] { return pred(m_control->state.load(), m_busy); };
  if (!timeout) {
    m_control->changed.wait(lock, ready);
    return true;
  }
  return m_control->changed.wait_for(lock, *timeout, ready);
}

// Each group of a line's changes goes to the user-interface thread in one
// piece, and the runner waits for it unless the run is stopped meanwhile.
class ScriptRunner::RunActions : public ScriptActions {
 public:
  RunActions(ScriptRunner& runner, Run& run) : m_runner(runner), m_run(run) {}
  bool apply(const std::function<void(ScriptHost&)>& work) override {
    return m_runner.onUi(m_run, work);
  }
  std::optional<double> traceWidth() override {
    return m_runner.askUi<double>(m_run, [](ScriptHost& h) { return h.traceWidth(); });
  }
  void ensureLensView() override { m_runner.ensureLensView(m_run); }
  bool stopped() const override { return m_runner.stopped(m_run); }

 private:
  ScriptRunner& m_runner;
  Run& m_run;
};

// --- the runner thread ---------------------------------------------------

void ScriptRunner::runThread(std::shared_ptr<Run> run) {
  run->file = openScript(*run);
  if (run->file) execute(*run);
  std::function<void()> ended;
  {
    std::lock_guard lock(m_control->mutex);
    m_busy = false;
    m_control->changed.notify_all();
    ended = m_runEnded;
  }
  if (ended) ended();
}

ScriptFile ScriptRunner::openScript(Run& run) {
  std::string path;
  bool named = false;
  {
    std::lock_guard lock(m_control->mutex);
    named = m_scriptNameGiven;
    m_scriptNameGiven = false;
    path = m_scriptPath;
  }
  if (named) {
    // A named script (the command line, a hand-off) runs once the dialog
    // that shows it is there; the user may open it later.
    for (;;) {
      const auto exists = askUi<bool>(run, [](ScriptHost& h) { return h.lensControlExists(); });
      if (!exists) return nullptr;
      if (*exists) break;
      std::unique_lock lock(m_control->mutex);
      if (m_control->changed.wait_for(lock, kDialogPollInterval,
                                      [&] { return run.aborted.load(); }))
        return nullptr;
    }
    run.path = path;
    // Only a regular file: a FIFO would block this thread in open (and the
    // window waiting for it), a device would never end.
    std::string problem;
    InputFilePtr file = openRegularInput(path, problem);
    if (!file) reportOpenProblem(path, problem);
    return ScriptFile(file.release());
  }
  struct Choice {
    std::string path;
    ScriptFile file;
  };
  auto choice = askUi<Choice>(run, [path](ScriptHost& h) {
    Choice c{path, nullptr};
    c.file = h.chooseScript(c.path);
    return c;
  });
  if (!choice) return nullptr;  // stopped meanwhile; the abandoned file closes itself
  {
    std::lock_guard lock(m_control->mutex);
    m_scriptPath = choice->path;
  }
  run.path = choice->path;
  return std::move(choice->file);
}

void ScriptRunner::execute(Run& run) {
  {
    std::lock_guard lock(m_control->mutex);
    if (run.aborted) {
      run.file.reset();
      return;
    }
    m_control->state = SCRIPT_RUNNING;
    m_control->changed.notify_all();
  }
  m_stepLimitReached = false;
  reportWarnings(run);
  showRun(run);
  RunActions actions(*this, run);
  ScriptStepper stepper(std::move(run.file), actions);
  stepper.setLineLimit(m_maxSteps.load());
  while (!stopped(run)) {
    const ScriptWait wait = stepper.next();
    if (wait.kind == ScriptWait::End) break;
    if (wait.kind == ScriptWait::Pause) {
      if (doPause(run) == Flow::End) break;
      continue;
    }
    sleepMs(run, wait.ms);
  }
  m_stepLimitReached = stepper.lineLimitReached();
  stepper.stop();  // closes the script before the button goes back
  endRun(run);
}

void ScriptRunner::reportOpenProblem(const std::string& path, const std::string& problem) {
  std::function<void(const std::string&)> sink;
  {
    std::lock_guard lock(m_control->mutex);
    sink = m_warningSink;
  }
  if (sink) sink(path + ": cannot run it: " + problem);
}

void ScriptRunner::reportWarnings(Run& run) {
  std::function<void(const std::string&)> sink;
  {
    std::lock_guard lock(m_control->mutex);
    sink = m_warningSink;
  }
  std::FILE* file = run.file.get();
  // A pipe cannot be read twice: it runs unchecked.
  const long start = std::ftell(file);
  if (!sink || start < 0) return;
  const auto warnings = checkScript(file);
  std::fseek(file, start, SEEK_SET);
  for (const ScriptWarning& w : warnings) sink(formatScriptWarning(run.path, w));
}

void ScriptRunner::showRun(Run& run) {
  const auto slash = run.path.find_last_of('/');
  std::string name = slash == std::string::npos ? run.path : run.path.substr(slash + 1);
  onUi(run, [name](ScriptHost& h) {
    h.setScriptStatus(name);
    h.enableScriptStatus(true);
    h.setScriptButtonText(kScriptButtonRunning);
  });
}

void ScriptRunner::endRun(Run& run) {
  run.file.reset();
  // The button and status line go back even when the run was stopped; only
  // the waiting for it is given up then.
  onUi(
      run,
      [](ScriptHost& h) {
        h.scriptEnded();
        if (!h.lensControlExists()) return;
        h.setScriptButtonText(kScriptButtonIdle);
        h.enableScriptStatus(false);
      },
      false);
  std::lock_guard lock(m_control->mutex);
  m_control->state = SCRIPT_STOPPED;
  m_control->changed.notify_all();
}

ScriptRunner::Flow ScriptRunner::doPause(Run& run) {
  // The state and the button change in one step on the user-interface
  // thread, so a press there always sees the two agree.
  auto control = m_control;
  const bool paused = onUi(run, [control](ScriptHost& h) {
    h.setScriptButtonText(kScriptButtonPaused);
    std::lock_guard lock(control->mutex);
    control->state = SCRIPT_PAUSED;
    control->changed.notify_all();
  });
  {
    std::unique_lock lock(m_control->mutex);
    if (!paused || run.aborted) return Flow::End;
    m_control->changed.wait(
        lock, [&] { return m_control->state.load() != SCRIPT_PAUSED || run.aborted; });
    if (run.aborted) return Flow::End;
  }
  showRun(run);
  return Flow::Next;
}

// --- waiting ---------------------------------------------------------------

bool ScriptRunner::stopped(const Run& run) const { return run.aborted.load(); }

void ScriptRunner::sleepMs(Run& run, long long ms) {
  // A negative time waits not at all (it is no endless wait).
  if (ms <= 0 || !m_delaysEnabled.load()) return;
  std::unique_lock lock(m_control->mutex);
  m_control->changed.wait_for(lock, std::chrono::milliseconds(ms),
                              [&] { return run.aborted.load(); });
}

void ScriptRunner::ensureLensView(Run& run) {
  const auto exists = askUi<bool>(run, [](ScriptHost& h) {
    if (h.lensViewExists()) return true;
    h.requestLensView();
    return false;
  });
  if (!exists || *exists) return;
  // The main window opens the view (and the dialog with it) when it gets to
  // the command; go on without it if that takes too long.
  const auto deadline = std::chrono::steady_clock::now() + kLensViewDeadline;
  while (std::chrono::steady_clock::now() < deadline) {
    {
      std::unique_lock lock(m_control->mutex);
      if (m_control->changed.wait_for(lock, kDialogPollInterval,
                                      [&] { return run.aborted.load(); }))
        return;
    }
    const auto open = askUi<bool>(run, [](ScriptHost& h) { return h.lensControlExists(); });
    if (!open || *open) return;
  }
}

bool ScriptRunner::onUi(Run& run, std::function<void(ScriptHost&)> work, bool skipWhenStopped) {
  struct Call {
    bool done = false;  // guarded by the control mutex
  };
  auto call = std::make_shared<Call>();
  auto control = m_control;
  ScriptHost* host = &m_host;
  m_host.postToUi(
      [control, call, host, skipWhenStopped, run = run.shared_from_this(), work = std::move(work)] {
        bool skip = false;
        {
          std::lock_guard lock(control->mutex);
          skip = skipWhenStopped && run->aborted;
        }
        if (!skip) work(*host);
        std::lock_guard lock(control->mutex);
        call->done = true;
        control->changed.notify_all();
      });
  std::unique_lock lock(m_control->mutex);
  m_control->changed.wait(lock, [&] { return call->done || run.aborted.load(); });
  return call->done;
}

template <typename T>
std::optional<T> ScriptRunner::askUi(Run& run, std::function<T(ScriptHost&)> question) {
  auto answer = std::make_shared<std::optional<T>>();
  if (!onUi(run, [answer, question](ScriptHost& h) { *answer = question(h); })) return std::nullopt;
  return std::move(*answer);
}

template std::optional<bool> ScriptRunner::askUi<bool>(Run&, std::function<bool(ScriptHost&)>);
template std::optional<double> ScriptRunner::askUi<double>(Run&,
                                                           std::function<double(ScriptHost&)>);

}  // namespace kelvane
