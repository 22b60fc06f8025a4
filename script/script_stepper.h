// Plays a script one step at a time for a caller that does its own waiting.
// A web page has no thread to block: it asks for the next step, gets back
// how long the script wants to wait, and comes back from a timer. The lines
// do what the threaded runner's do, in the same order, with the same
// retraces and the same delays; only the waiting is left to the caller.
//
// The host's operations are called directly, on the caller's thread.
#pragma once

#include <array>
#include <optional>

#include "script/script_host.h"
#include "script/script_reader.h"

namespace kelvane {

// What the script does after a step.
struct ScriptWait {
  enum Kind {
    Time,   // wait `ms` milliseconds (0: just let the picture show), then step again
    Pause,  // a "pause" line: step again when the user resumes
    End     // the script ended (its end, a "stop" line, or stop())
  };
  Kind kind = Time;
  long long ms = 0;
};

class ScriptStepper {
 public:
  // Lines run without a wait before a step hands back anyway, so a script
  // that loops over lines with nothing to show never holds its caller.
  static constexpr int kLinesPerStep = 1000;

  // `host` must outlive the stepper.
  ScriptStepper(ScriptFile file, ScriptHost& host);

  // Runs lines up to the next wait. After End it keeps returning End.
  ScriptWait next();
  // Ends the run; the next step returns End.
  void stop();
  bool ended() const { return !m_file; }

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

  std::optional<ScriptWait> dispatch(ScriptLine& line, int keyword);
  std::optional<ScriptWait> doFade(ScriptLine& line);
  std::optional<ScriptWait> doWidth(ScriptLine& line);
  std::optional<ScriptWait> doWidthFade(ScriptLine& line);
  void doRepeat(ScriptLine& line);
  void doSkip();
  ScriptWait fadeStep();
  ScriptWait widthFadeStep();
  ScriptWait delayWait(long long times = 1) const { return {ScriptWait::Time, m_delay * times}; }

  ScriptFile m_file;
  ScriptHost& m_host;
  long long m_delay = 0;  // ms waited after each lens-changing line
  long long m_repeatCounter = 0;
  std::optional<long> m_loopStart;
  long long m_loopCounter = 0;
  std::optional<Fade> m_fade;
  std::optional<WidthFade> m_widthFade;
};

}  // namespace kelvane
