#include "cli/focus_trace.h"

#include <cmath>
#include <cstdio>

#include "model/lens_model.h"
#include "optics/focus.h"

namespace kelvane::cli {

namespace {

// The dialog's rule: a focus of exactly 0, or not a number, means that no
// exit ray crossed the axis.
bool hasFocus(const TraceResults& r) { return r.focus != 0 && !std::isnan(r.focus); }

// The search's start values survive when no ray inside the glass crossed
// the axis.
bool hasInnerFocus(const TraceResults& r) {
  return !(r.innerFocusMin == NO_MINIMUM && r.innerFocusMax == NO_POINT);
}

void printSingleBeam(Output& out, bool raw, const TraceResults& r) {
  const bool focus = hasFocus(r);
  printValue(out, raw, "focus", r.focus, focus);
  printValue(out, raw, "width", r.width);
  printValue(out, raw, "center", r.center);
  printValue(out, raw, "dev", r.dev, focus);
  printValue(out, raw, "devpcnt", r.devpcnt, focus);
  printValue(out, raw, "focusMin", r.focusMin, focus);
  printValue(out, raw, "focusMax", r.focusMax, focus);
  const bool inner = hasInnerFocus(r);
  printValue(out, raw, "innerFocusMin", r.innerFocusMin, inner);
  printValue(out, raw, "innerFocusMax", r.innerFocusMax, inner);
  printCount(out, raw, "beamCount", r.beamCount);
}

void printFans(Output& out, bool raw, const TraceResults& r) {
  for (int fan = 0; fan < FAN_COUNT; ++fan) {
    if (raw)
      out.print("fan%.0f=%d\n", kFanAngles[fan], r.fanCounts[fan]);
    else
      out.print("fan %2.0f deg      %d beams\n", kFanAngles[fan], r.fanCounts[fan]);
  }
  printValue(out, raw, "width", r.width);
}

void printBlock(Output& out, bool raw, bool multi, const TraceResults& r) {
  if (multi)
    printFans(out, raw, r);
  else
    printSingleBeam(out, raw, r);
}

void printRindex(Output& out, bool raw, double ratio) {
  if (raw)
    out.print("rindex=%.17g\n", 1.0 / ratio);
  else
    out.print("%-14s %.5f\n", "rindex", 1.0 / ratio);
}

// One block per white wavelength, blue to red, then focus(C) - focus(F).
void printColours(Output& out, bool raw, bool multi, const LensModel& model) {
  for (const ColourTrace& c : model.colourTraces()) {
    if (raw)
      out.print("wavelength=%.17g\n", c.nm);
    else
      out.print("%-14s %s nm\n", "wavelength", formatWavelength(c.nm).c_str());
    printBlock(out, raw, multi, c.results);
    printRindex(out, raw, c.indexRatio);
  }
  const double lca = model.longitudinalChromaticAberration();
  printValue(out, raw, "lca", lca, !std::isnan(lca));
}

void reportRefusedLayout(double width, double minWidth) {
  std::fprintf(stderr, "kelvane-cli focus: the layout was refused: beam width %g is below %g\n",
               width, minWidth);
}

}  // namespace

// Beyond this a value is printed with an exponent: a line stays short
// whatever the lens.
constexpr double kLargestFixedValue = 1e12;

void printValue(Output& out, bool raw, const char* name, double value, bool known) {
  if (raw)
    out.print("%s=%.17g\n", name, value);
  else if (!known)
    out.print("%-14s --\n", name);
  else if (std::fabs(value) < kLargestFixedValue)
    out.print("%-14s %.4f\n", name, value + 0.0);  // + 0.0: never "-0.0000" for a zero
  else
    out.print("%-14s %.6e\n", name, value);
}

void printCount(Output& out, bool raw, const char* name, long long value) {
  if (raw)
    out.print("%s=%lld\n", name, value);
  else
    out.print("%-14s %lld\n", name, value);
}

int printFocus(const FocusRequest& request, Output& out) {
  LensModel model;
  model.setLens(request.lens);
  model.setIndexRatio(ratioFromRindex(request.rindex));
  model.setColour(request.colour);
  if (request.lockedWidth)
    model.setState(model.state().withLock(*request.lockedWidth));
  else if (request.fillPercent)  // as the fill field sets it
    model.setState(model.state().withFill(*request.fillPercent * 0.01));
  model.setBeamMode(request.multi ? kMultiBeamMode : kSingleBeamMode);
  // Both modes start with the same layout, so a refused one reads the same
  // with or without --multi.
  if (model.retrace() != 0) {
    reportRefusedLayout(model.results().width, model.settings().minWidth);
    return 1;
  }
  if (request.colour.white) {
    printColours(out, request.raw, request.multi, model);
    return 0;
  }
  printBlock(out, request.raw, request.multi, model.results());
  if (request.showColour) printRindex(out, request.raw, model.indexRatio());
  return 0;
}

}  // namespace kelvane::cli
