// What each keyword does, as steps. Each lens-changing line retraces and
// hands back its delay; a fade or a width fade hands back one wait per
// retrace and remembers where it is between steps.
#include "script/script_stepper.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "script/colour_lines.h"
#include "script/lens_script_writer.h"
#include "model/source_text.h"
#include "script/script_args.h"

namespace kelvane {

namespace {

constexpr ScriptWait kNoWait{ScriptWait::Time, 0};

}  // namespace

ScriptStepper::ScriptStepper(ScriptFile file, ScriptActions& actions)
    : m_file(std::move(file)), m_actions(actions) {}

void ScriptStepper::stop() {
  m_file.reset();
  m_fade.reset();
  m_widthFade.reset();
}

ScriptWait ScriptStepper::next() {
  if (!m_file) return {ScriptWait::End, 0};
  if (m_fade) return fadeStep();
  if (m_widthFade) return widthFadeStep();
  std::string text;
  for (int lines = 0; lines < kLinesPerStep; ++lines) {
    if (m_actions.stopped()) {
      stop();
      return {ScriptWait::End, 0};
    }
    if (m_lineLimit > 0 && m_lines >= m_lineLimit) {
      m_lineLimitReached = true;
      stop();
      return {ScriptWait::End, 0};
    }
    if (!readScriptLine(m_file.get(), text)) {
      stop();
      return {ScriptWait::End, 0};
    }
    ScriptLine line(text);
    const int keyword = scriptKeyword(line);
    if (keyword < 0) continue;
    const auto wait = dispatch(line, keyword);
    if (wait && wait->kind == ScriptWait::End) {
      stop();
      return *wait;
    }
    ++m_lines;
    if (wait) return *wait;
  }
  return kNoWait;
}

std::optional<ScriptWait> ScriptStepper::dispatch(ScriptLine& line, int keyword) {
  const ScriptArgs args = readArguments(keyword, line);
  switch (keyword) {
    case KW_WINDOW:
      return doWindow(args);
    case KW_CANVASS: {
      const int x = args[0].integer;
      const int y = args[1].integer;
      m_actions.apply([x, y](ScriptHost& h) { h.setCanvas(x > 0 ? x : 0, y > 0 ? y : 0); });
      return std::nullopt;
    }
    case KW_STOP:
      return ScriptWait{ScriptWait::End, 0};
    case KW_PAUSE:
      return ScriptWait{ScriptWait::Pause, 0};
    case KW_DELAY:
      m_delay = args[0].integer;
      return std::nullopt;
    case KW_SLEEP:
      if (args[0].present()) return ScriptWait{ScriptWait::Time, args[0].integer};
      return std::nullopt;
    case KW_REPEAT:
      doRepeat(args[0]);
      return std::nullopt;
    case KW_LOOP:
      m_loopStart = std::ftell(m_file.get());
      m_loopCounter = args[0].integer;
      return std::nullopt;
    case KW_ENDLOOP:
      m_loopCounter -= 1;
      if (m_loopCounter > 0 && m_loopStart && *m_loopStart >= 0)
        std::fseek(m_file.get(), *m_loopStart, SEEK_SET);
      return std::nullopt;
    case KW_SKIP:
      doSkip();
      return std::nullopt;
    case KW_LENS:
      return doLens(args[0].lens);
    case KW_FADE:
      return doFade(args);
    case KW_WIDTH:
      return doWidth(args);
    case KW_RINDEX: {
      const double r = args[0].real;
      // "inf" or "nan" would make no index at all; they are passed over like 0.
      if (r > 0 && std::isfinite(r)) {
        const double ratio = 1.0 / r;
        m_actions.apply([ratio](ScriptHost& h) { h.setIndexRatio(ratio); });
      }
      return delayWait();
    }
    case KW_TRACE:
      return doTrace(args[0].integer);
    case KW_SOURCE:
      return doSource(args);
    case KW_GLASS:
    case KW_MEDIUM:
    case KW_WAVELENGTH:
      return doColour(keyword, args);
    default:
      return std::nullopt;
  }
}

std::optional<ScriptWait> ScriptStepper::doSource(const ScriptArgs& args) {
  if (!args.complete || args.sub < 0) return std::nullopt;
  LightSource source;
  source.kind = static_cast<SourceKind>(args.sub);  // kSourceForms is in SourceKind's order
  if (source.kind != SourceKind::Parallel) source.distance = args[0].real;
  source.height = source.kind == SourceKind::Object ? args[1].real : 0;
  if (!sourceInRange(source)) return std::nullopt;  // passed over, as the checker says
  m_actions.apply([source](ScriptHost& h) {
    h.setSource(source);
    h.refreshLensControl();
  });
  return delayWait();
}

std::optional<ScriptWait> ScriptStepper::doColour(int keyword, const ScriptArgs& args) {
  const std::optional<ColourLine> line = readColourLine(keyword, args);
  // An unknown glass or a wavelength outside 380-780 nm is no colour whatever
  // the lines before set: passed over, as the checker says.
  if (!line || !colourProblem(applyColourLine(*line, {})).empty()) return std::nullopt;
  // Applied to the host's colour where it lives; a glass not measured at
  // the light's wavelengths is passed over there.
  m_actions.apply([l = *line](ScriptHost& h) {
    const ColourState next = applyColourLine(l, h.colour());
    if (!colourProblem(next).empty()) return;
    h.setColour(next);
    h.refreshLensControl();  // the new colours show at once, as a source does
  });
  return delayWait();
}

std::optional<ScriptWait> ScriptStepper::doWindow(const ScriptArgs& args) {
  if (!args.complete) return std::nullopt;  // fewer than four numbers: the line is passed over
  const std::array<int, 4> box{args[0].integer, args[1].integer, args[2].integer,
                               args[3].integer};  // x, y, w, h
  const int anchor = args[4].integer;
  const int dx = args[5].integer;
  const int dy = args[6].integer;
  m_actions.apply([box, anchor, dx, dy](ScriptHost& h) {
    h.moveLensView(box[0], box[1], box[2], box[3]);
    if (anchor >= 0) h.placeLensControl(anchor, dx, dy);
  });
  return std::nullopt;
}

std::optional<ScriptWait> ScriptStepper::doLens(const LensSpec& lens) {
  // A missing or signed count is no lens size: the lens stays as it is.
  if (lens.hasMissingCount()) return std::nullopt;
  m_actions.ensureLensView();
  m_actions.apply([lens](ScriptHost& h) {
    h.setLensValues(lens.values);
    h.setLensShape(lens.shape);
    h.refreshLensControl();
  });
  return delayWait();
}

std::optional<ScriptWait> ScriptStepper::doTrace(int mode) {
  if (mode < 0) return std::nullopt;
  m_actions.apply([mode](ScriptHost& h) { h.setBeamMode(mode); });
  m_actions.ensureLensView();
  m_actions.apply([](ScriptHost& h) { h.refreshLensControl(); });
  return delayWait();
}

void ScriptStepper::doRepeat(const ScriptArg& count) {
  if (m_repeatCounter == 0 && count.present()) {
    m_repeatCounter = count.integer;
    std::rewind(m_file.get());
    return;
  }
  // A count of 0 reads 0 again at every arrival, no count counts down from
  // -1: both repeat until the script is stopped.
  m_repeatCounter -= 1;
  if (m_repeatCounter != 0) std::rewind(m_file.get());
}

void ScriptStepper::doSkip() {
  std::string text;
  while (readScriptLine(m_file.get(), text)) {
    ScriptLine line(text);
    const auto first = line.nextToken();
    if (first && equalsIgnoreCase(*first, kEndSkipWord)) return;
  }
}

std::optional<ScriptWait> ScriptStepper::doFade(const ScriptArgs& args) {
  const LensSpec& start = args[0].lens;
  const LensSpec& end = args[1].lens;  // its shape is read and not used
  const long long steps = args[2].integer;
  if (start.hasMissingCount() || end.hasMissingCount()) return std::nullopt;
  m_actions.ensureLensView();
  Fade fade{start.values, {}, end.values, start.shape, steps, steps, true};
  if (steps > 0)
    for (int i = 0; i < 5; ++i)
      fade.d[i] = (end.values[i] - fade.v[i]) / static_cast<double>(steps);
  m_fade = fade;
  return fadeStep();
}

ScriptWait ScriptStepper::fadeStep() {
  Fade& f = *m_fade;
  // The last step shows the end lens itself, whatever the sum of the
  // increments rounded to.
  const std::array<double, 5> shown = f.steps > 0 && f.left == 0 ? f.end : f.v;
  m_actions.apply([shown, first = f.first, shape = f.shape](ScriptHost& h) {
    if (first) h.setLensShape(shape);
    h.setLensValues(shown);
    h.refreshLensControl();
  });
  f.first = false;
  for (int i = 0; i < 5; ++i) {
    f.v[i] += f.d[i];
    if ((f.d[i] > 0 && f.v[i] > f.end[i]) || (f.d[i] < 0 && f.v[i] < f.end[i])) f.v[i] = f.end[i];
  }
  --f.left;
  if (f.left >= 0) return delayWait();
  // The fade's own delay after its last step comes on top of that step's.
  m_fade.reset();
  return delayWait(2);
}

std::optional<ScriptWait> ScriptStepper::doWidth(const ScriptArgs& args) {
  switch (args.sub) {
    case WIDTH_FADE:
      return doWidthFade(args);
    case WIDTH_LOCK:
      m_actions.apply([](ScriptHost& h) { h.setLockWidth(0); });
      return kNoWait;
    case WIDTH_UNLOCK:
      m_actions.apply([](ScriptHost& h) { h.setLockWidth(-1); });
      return kNoWait;
    case WIDTH_PERCENT:
      if (args.complete) {
        const int percent = args[0].integer;
        m_actions.apply([percent](ScriptHost& h) { h.setFillPercent(percent); });
        return delayWait();
      }
      return std::nullopt;
    default:
      if (args[0].integer != MISSING_INT) {
        const int width = args[0].integer;
        m_actions.apply([width](ScriptHost& h) { h.setLockWidth(width); });
        return delayWait();
      }
      return std::nullopt;
  }
}

std::optional<ScriptWait> ScriptStepper::doWidthFade(const ScriptArgs& args) {
  if (!args.complete) return std::nullopt;  // fewer than three numbers
  long long s = args[0].integer;
  const long long e = args[1].integer;
  const long long k = args[2].integer;
  if (s == 0) {
    const auto width = m_actions.traceWidth();
    if (!width) return std::nullopt;
    s = truncateToInt(*width);
  }
  if (k == 0) return std::nullopt;  // no steps to divide by: passed over
  const long long step = (e - s) / k;
  if (step == 0) return std::nullopt;
  m_widthFade = WidthFade{s, e, step};
  return widthFadeStep();
}

ScriptWait ScriptStepper::widthFadeStep() {
  WidthFade& f = *m_widthFade;
  const int width = static_cast<int>(f.s);  // stays between two ints
  m_actions.apply([width](ScriptHost& h) { h.setLockWidth(width); });
  if (f.s == f.e) {
    m_widthFade.reset();
  } else {
    f.s += f.step;
    if ((f.step > 0 && f.s > f.e) || (f.step < 0 && f.s <= f.e)) f.s = f.e;
  }
  return delayWait();
}

}  // namespace kelvane
