#include "cli/focus_trace.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "calc/lens_control_beams.h"
#include "optics/focus.h"
#include "optics/fpflags.h"

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

BeamSettings focusBeamSettings(const FocusRequest& request) {
  return lensControlBeamSettings(request.lockedWidth, request.fillPercent);
}

int printFocus(const FocusRequest& request, Output& out) {
  BeamSettings settings = focusBeamSettings(request);
  TracerContext ctx;
  ctx.indexRatio = ratioFromRindex(request.rindex);
  {
    // Both modes start with the same layout; ask it first so that a refused
    // one reads the same with or without --multi.
    TracerContext probe = ctx;
    if (layoutBeams(probe, request.lens, settings) != 0) {
      reportRefusedLayout(probe.results.width, settings.minWidth);
      return 1;
    }
  }
  const TraceResults& r = ctx.results;
  fpClearFlags();  // each trace starts from clear flags, as in the dialog
  if (request.multi) {
    std::vector<TracePoint> buffer(MULTI_BEAM_POINTS);
    settings.pointsMode = 1;
    settings.traceBuffer = buffer.data();
    if (findFoci(ctx, request.lens, settings) != 0) {
      reportRefusedLayout(r.width, settings.minWidth);
      return 1;
    }
    printFans(out, request.raw, r);
    return 0;
  }
  std::vector<TracePoint> buffer(SINGLE_BEAM_POINTS);
  settings.traceBuffer = buffer.data();
  findFocus(ctx, request.lens, settings);
  printSingleBeam(out, request.raw, r);
  return 0;
}

}  // namespace kelvane::cli
