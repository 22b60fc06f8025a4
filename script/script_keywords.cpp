// What each keyword does. Every change to the lens, the settings or the
// windows goes to the user-interface thread through onUi; the runner waits
// for it unless the run is stopped meanwhile.
#include <array>
#include <cmath>

#include "script/lens_script_writer.h"
#include "script/script_run.h"
#include "script/script_runner.h"

namespace kelvane {

namespace {

bool startsWithDigit(const std::optional<std::string_view>& token) {
  return token && token->front() >= '0' && token->front() <= '9';
}

int tokenInt(const std::optional<std::string_view>& token, int missing) {
  return token ? scriptAtoi(*token) : missing;
}

// The steps of a fade start from this many when the line gives none.
constexpr int kDefaultFadeSteps = 10;
// A loop without a count runs this many passes.
constexpr int kDefaultLoopPasses = 9999;

}  // namespace

ScriptRunner::Flow ScriptRunner::dispatch(Run& run, ScriptLine& line, int keyword) {
  switch (keyword) {
    case KW_WINDOW:
      doWindow(run, line);
      break;
    case KW_CANVASS:
      doCanvass(run, line);
      break;
    case KW_STOP:
      return Flow::End;
    case KW_PAUSE:
      return doPause(run);
    case KW_DELAY:
      run.scriptDelay = tokenInt(line.nextToken(), 0);
      break;
    case KW_SLEEP:
      if (const auto t = line.nextToken()) sleepMs(run, scriptAtoi(*t));
      break;
    case KW_REPEAT:
      doRepeat(run, line);
      break;
    case KW_LOOP: {
      run.loopStart = std::ftell(run.file.get());
      const int n = nextInt(line);
      run.loopCounter = n == MISSING_INT ? kDefaultLoopPasses : n;
      break;
    }
    case KW_ENDLOOP:
      run.loopCounter -= 1;
      if (run.loopCounter > 0 && run.loopStart && *run.loopStart >= 0)
        std::fseek(run.file.get(), *run.loopStart, SEEK_SET);
      break;
    case KW_SKIP:
      doSkip(run);
      break;
    case KW_LENS:
      doLens(run, line);
      break;
    case KW_FADE:
      doFade(run, line);
      break;
    case KW_WIDTH:
      doWidth(run, line);
      break;
    case KW_RINDEX:
      doRindex(run, line);
      break;
    case KW_TRACE:
      doTrace(run, line);
      break;
    default:
      break;
  }
  return Flow::Next;
}

void ScriptRunner::doWindow(Run& run, ScriptLine& line) {
  std::array<int, 4> box{-1, -1, -1, -1};  // x, y, w, h
  for (int& v : box) {
    const auto t = line.nextToken();
    if (!t) return;  // fewer than four numbers: the line is passed over
    v = scriptAtoi(*t);
  }
  const int anchor = lookupWord(line.nextToken(), kAnchorWords);
  const int dx = tokenInt(line.nextToken(), -1);
  const int dy = tokenInt(line.nextToken(), -1);
  onUi(run, [box, anchor, dx, dy](ScriptHost& h) {
    h.moveLensView(box[0], box[1], box[2], box[3]);
    if (anchor >= 0) h.placeLensControl(anchor, dx, dy);
  });
}

void ScriptRunner::doCanvass(Run& run, ScriptLine& line) {
  const int x = nextInt(line);
  const int y = nextInt(line);
  onUi(run, [x, y](ScriptHost& h) { h.setCanvas(x > 0 ? x : 0, y > 0 ? y : 0); });
}

void ScriptRunner::doRepeat(Run& run, ScriptLine& line) {
  const auto t = line.nextToken();
  if (run.repeatCounter == 0 && t) {
    run.repeatCounter = scriptAtoi(*t);
    std::rewind(run.file.get());
    return;
  }
  // A count of 0 reads 0 again at every arrival, no count counts down from
  // -1: both repeat until the script is stopped.
  run.repeatCounter -= 1;
  if (run.repeatCounter != 0) std::rewind(run.file.get());
}

void ScriptRunner::doSkip(Run& run) {
  std::string text;
  while (readScriptLine(run.file.get(), text)) {
    ScriptLine line(text);
    const auto first = line.nextToken();
    if (first && equalsIgnoreCase(*first, kEndSkipWord)) return;
  }
}

void ScriptRunner::doLens(Run& run, ScriptLine& line) {
  const LensSpec lensSpec = readLensSpec(line);
  // A missing or signed count is no lens size: the lens stays as it is.
  if (lensSpec.hasMissingCount()) return;
  ensureLensView(run);
  onUi(run, [lensSpec](ScriptHost& h) {
    h.setLensValues(lensSpec.values);
    h.setLensShape(lensSpec.shape);
    h.refreshLensControl();
  });
  delay(run);
}

void ScriptRunner::doFade(Run& run, ScriptLine& line) {
  const LensSpec start = readLensSpec(line);
  const LensSpec end = readLensSpec(line);  // its shape is read and not used
  const long long steps = tokenInt(line.nextToken(), kDefaultFadeSteps);
  // A missing or signed count is no lens size: the lens stays as it is.
  if (start.hasMissingCount() || end.hasMissingCount()) return;
  ensureLensView(run);
  std::array<double, 5> v = start.values;
  std::array<double, 5> d{};
  if (steps > 0)
    for (int i = 0; i < 5; ++i) d[i] = (end.values[i] - v[i]) / static_cast<double>(steps);
  bool first = true;
  for (long long left = steps;;) {
    // The last step shows the end lens itself, whatever the sum of the
    // increments rounded to.
    const std::array<double, 5> shown = steps > 0 && left == 0 ? end.values : v;
    onUi(run, [shown, first, shape = start.shape](ScriptHost& h) {
      if (first) h.setLensShape(shape);
      h.setLensValues(shown);
      h.refreshLensControl();
    });
    first = false;
    delay(run);
    for (int i = 0; i < 5; ++i) {
      v[i] += d[i];
      if ((d[i] > 0 && v[i] > end.values[i]) || (d[i] < 0 && v[i] < end.values[i]))
        v[i] = end.values[i];
    }
    --left;
    if (left < 0 || stopped(run)) break;
  }
  delay(run);
}

void ScriptRunner::doWidth(Run& run, ScriptLine& line) {
  const auto t = line.nextToken();
  switch (lookupWord(t, kWidthWords)) {
    case WIDTH_FADE:
      doWidthFade(run, line);
      return;
    case WIDTH_LOCK:
      onUi(run, [](ScriptHost& h) { h.setLockWidth(0); });
      return;
    case WIDTH_UNLOCK:
      onUi(run, [](ScriptHost& h) { h.setLockWidth(-1); });
      return;
    case WIDTH_PERCENT:
      if (const auto p = line.nextToken()) {
        const int percent = scriptAtoi(*p);
        onUi(run, [percent](ScriptHost& h) { h.setFillPercent(percent); });
        delay(run);
      }
      return;
    default:
      if (startsWithDigit(t)) {
        const int width = scriptAtoi(*t);
        onUi(run, [width](ScriptHost& h) { h.setLockWidth(width); });
        delay(run);
      }
      return;
  }
}

void ScriptRunner::doWidthFade(Run& run, ScriptLine& line) {
  const auto ts = line.nextToken();
  const auto te = line.nextToken();
  const auto tk = line.nextToken();
  if (!tk) return;  // fewer than three numbers
  long long s = scriptAtoi(*ts);
  const long long e = scriptAtoi(*te);
  const long long k = scriptAtoi(*tk);
  if (s == 0) {
    const auto width = askUi<double>(run, [](ScriptHost& h) { return h.traceWidth(); });
    if (!width) return;
    s = truncateToInt(*width);
  }
  if (k == 0) return;  // no steps to divide by: passed over
  const long long step = (e - s) / k;
  if (step == 0 || stopped(run)) return;
  for (;;) {
    const int width = static_cast<int>(s);  // stays between two ints
    onUi(run, [width](ScriptHost& h) { h.setLockWidth(width); });
    delay(run);
    if (s == e) return;
    s += step;
    if ((step > 0 && s > e) || (step < 0 && s <= e)) s = e;
    if (stopped(run)) return;
  }
}

void ScriptRunner::doRindex(Run& run, ScriptLine& line) {
  const double r = nextReal(line);
  // "inf" or "nan" would make no index at all; they are passed over like 0.
  if (r > 0 && std::isfinite(r)) {
    const double ratio = 1.0 / r;
    onUi(run, [ratio](ScriptHost& h) { h.setIndexRatio(ratio); });
  }
  delay(run);
}

void ScriptRunner::doTrace(Run& run, ScriptLine& line) {
  const int mode = lookupWord(line.nextToken(), kBeamModeWords);
  if (mode < 0) return;
  onUi(run, [mode](ScriptHost& h) { h.setBeamMode(mode); });
  ensureLensView(run);
  onUi(run, [](ScriptHost& h) { h.refreshLensControl(); });
  delay(run);
}

}  // namespace kelvane
