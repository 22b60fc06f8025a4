// What each script line does, one step at a time. A step runs lines until
// the script wants to wait and says for how long; the caller does the
// waiting. The threaded runner sleeps on its own thread; a web page, which
// has no thread to block, comes back from a timer. Both run the same lines
// here, so they show the same lenses in the same order.
//
// Every change to the lens, the settings or the windows goes through
// ScriptActions::apply, in the groups that must land together (a lens line
// writes its values and shape and retraces in one group).
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "script/script_args.h"
#include "script/script_host.h"
#include "script/script_reader.h"

namespace kelvane {

// How a step reaches the program.
class ScriptActions {
 public:
  virtual ~ScriptActions() = default;
  // Runs `work` on the host. False when the run was stopped first.
  virtual bool apply(const std::function<void(ScriptHost&)>& work) = 0;
  // The width of the last trace; nothing when the run was stopped first.
  virtual std::optional<double> traceWidth() = 0;
  // Before a line that shows a lens: see that a lens view is there.
  virtual void ensureLensView() {}
  // The run was stopped: no further line runs.
  virtual bool stopped() const { return false; }
};

// Actions on a host that lives on the caller's own thread.
class DirectScriptActions : public ScriptActions {
 public:
  explicit DirectScriptActions(ScriptHost& host) : m_host(host) {}
  bool apply(const std::function<void(ScriptHost&)>& work) override {
    work(m_host);
    return true;
  }
  std::optional<double> traceWidth() override { return m_host.traceWidth(); }

 private:
  ScriptHost& m_host;
};

// What the script does after a step.
struct ScriptWait {
  enum Kind {
    Time,   // wait `ms` milliseconds (0 or less: no wait), then step again
    Pause,  // a "pause" line: step again when the user resumes
    End     // the script ended: its end, a "stop" line, the line limit or stop()
  };
  Kind kind = Time;
  long long ms = 0;
};

class ScriptStepper {
 public:
  // Lines run without a wait before a step hands back anyway, so a script
  // that loops over lines with nothing to show never holds its caller.
  static constexpr int kLinesPerStep = 1000;

  // `actions` must outlive the stepper.
  ScriptStepper(ScriptFile file, ScriptActions& actions);

  // Runs lines up to the next wait. After End it keeps returning End.
  ScriptWait next();
  // Ends the run; the next step returns End.
  void stop();
  bool ended() const { return !m_file; }

  // Ends the script after this many lines with a keyword (a fade counts as
  // its one line); 0 sets no limit.
  void setLineLimit(long long lines) { m_lineLimit = lines; }
  // The script ended at that limit.
  bool lineLimitReached() const { return m_lineLimitReached; }

 private:
  struct Fade {
    std::array<double, 5> v, d, end;
    int shape;
    long long steps, left;
    bool first;
  };
  struct WidthFade {
    long long s, e, step;
  };

  // Reads the line's arguments by the keyword table and runs it.
  std::optional<ScriptWait> dispatch(ScriptLine& line, int keyword);
  std::optional<ScriptWait> doSource(const ScriptArgs& args);
  std::optional<ScriptWait> doWindow(const ScriptArgs& args);
  std::optional<ScriptWait> doLens(const LensSpec& lens);
  std::optional<ScriptWait> doFade(const ScriptArgs& args);
  std::optional<ScriptWait> doWidth(const ScriptArgs& args);
  std::optional<ScriptWait> doWidthFade(const ScriptArgs& args);
  std::optional<ScriptWait> doTrace(int mode);
  std::optional<ScriptWait> doColour(int keyword, const ScriptArgs& args);
  void doRepeat(const ScriptArg& count);
  void doSkip();
  ScriptWait fadeStep();
  ScriptWait widthFadeStep();
  ScriptWait delayWait(long long times = 1) const { return {ScriptWait::Time, m_delay * times}; }

  ScriptFile m_file;
  ScriptActions& m_actions;
  long long m_delay = 0;  // ms waited after each lens-changing line
  long long m_repeatCounter = 0;
  std::optional<long> m_loopStart;  // file position after the last "loop" line
  long long m_loopCounter = 0;
  long long m_lineLimit = 0;
  long long m_lines = 0;
  bool m_lineLimitReached = false;
  std::optional<Fade> m_fade;
  std::optional<WidthFade> m_widthFade;
};

}  // namespace kelvane
