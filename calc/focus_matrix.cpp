#include "calc/focus_matrix.h"

#include "calc/calc_state.h"
#include "calc/fp_state.h"
#include "optics/focus.h"

namespace kelvane {

namespace {

constexpr double kNoDeviation = 1000.0;   // minDev before the depth search
constexpr double kReportDeviation = 1.0;  // a best lens must deviate less
constexpr double kReportPercent = 0.1;    // ... and by at most this percentage
constexpr double kFocusLimitPerEvy = 20.0;  // foci from 20 * evy on are passed over

bool killed() { return calcState.load(std::memory_order_relaxed) != CALC_RUNNING; }

// The depth search of one egress height. False when a kill stopped it.
bool searchHeight(TracerContext& ctx, const BeamSettings& settings, Lens& lens,
                  const FocusMatrixOptions& options, double inE) {
  const TraceResults& res = ctx.results;
  double minDev = kNoDeviation;
  double bestDepth = 0;
  for (double depth = kFocusMatrixFirstDepth; depth <= lens.ivx; depth += 1.0) {
    if (killed()) return false;
    lens.depth = depth;
    if (options.progress) options.progress->lensesEvaluated.fetch_add(1, std::memory_order_relaxed);
    const double focus = findFocus(ctx, lens, settings);
    if (focus <= 0) continue;
    if (res.center > lens.ivx) break;  // the rim lies beyond the ingress face
    if (!(focus < kFocusLimitPerEvy * lens.evy)) continue;
    if (res.dev < minDev) {
      minDev = res.dev;
      bestDepth = depth;
    }
  }
  if (minDev < kReportDeviation) {
    // Once more at the best depth, so that the results describe that lens.
    lens.depth = bestDepth;
    if (options.progress) options.progress->lensesEvaluated.fetch_add(1, std::memory_order_relaxed);
    findFocus(ctx, lens, settings);
    const double egE = eccentricity(lens.evx, lens.evy);
    if (res.devpcnt <= kReportPercent) {
      sweepPrint(options.writer, kFocusMatrixLineFormat, lens.ivx, lens.ivy, lens.evx, lens.evy, lens.depth,
                 res.dev, res.devpcnt, res.width, res.focus, inE, egE, res.center);
      if (options.progress) options.progress->linesWritten.fetch_add(1, std::memory_order_relaxed);
    }
  }
  return true;
}

}  // namespace

void runFocusMatrix() { runFocusMatrixWith(FocusMatrixOptions{}); }

void runFocusMatrixWith(const FocusMatrixOptions& options) {
  beginBackgroundCalc();  // a kill that came first stays: the sweep stops at its first lens
  sweepPrint(options.writer, "%s", kFocusMatrixTitle);
  Lens lens = kFocusMatrixLens;
  const double inE = eccentricity(lens.ivx, lens.ivy);
  TracerContext ctx;
  ctx.indexRatio = options.indexRatio;
  const BeamSettings settings = kBackgroundSettings;
  if (options.progress) options.progress->stepsTotal.store(kFocusMatrixLastEvy - kFocusMatrixFirstEvy + 1);

  setFpErrorFlags(0);  // start from clear flags, whatever this thread raised before
  for (double evy = kFocusMatrixFirstEvy; evy <= kFocusMatrixLastEvy; evy += 1.0) {
    lens.evy = evy;
    if (!searchHeight(ctx, settings, lens, options, inE)) {
      finishBackgroundCalc();
      return;
    }
    if (options.progress) options.progress->stepsDone.fetch_add(1, std::memory_order_relaxed);
  }
  sweepPrint(options.writer, "%s", kFocusMatrixDone);
  finishBackgroundCalc();
}

}  // namespace kelvane
