#include "calc/focus_table.h"

#include <algorithm>
#include <thread>

#include "calc/calc_state.h"
#include "calc/focus_thinning.h"
#include "calc/fp_state.h"
#include "calc/ordered_groups.h"
#include "calc/table_groups.h"
#include "trace/dbgprint.h"

namespace kelvane {

namespace {

// Progress weight of one (depth, ivx, ivy) group: on the default grid the
// lenses a group takes fall about linearly with the depth, from some 150 at
// depth 30 to some 20 at depth 180.
long long progressWeight(double depth) {
  return depth < 206 ? static_cast<long long>(207 - depth) : 1;
}

long long totalProgressWeight(const TableGrid& grid, long long pairsPerDepth) {
  if (pairsPerDepth == 0) return 0;
  long long perPair = 0;
  const long long depths = grid.depth.count();
  for (long long d = 0; d < depths; ++d) perPair += progressWeight(grid.depth.at(d));
  return perPair * pairsPerDepth;
}

}  // namespace

long focusTableGroupCount(const FocusTableOptions& options) {
  return TableGroupEvaluator(options.grid, options.indexRatio, nullptr, options.pieceLenses)
      .groupCount();
}

void runFocusTable() { runFocusTableWith(FocusTableOptions{}); }

void runFocusTableWith(const FocusTableOptions& options) {
  beginBackgroundCalc();  // a kill that came first stays: the sweep stops at its first lens
  if (!options.comment.empty()) sweepPrint(options.writer, "%s", options.comment.c_str());
  sweepPrint(options.writer, "%s", kFocusTableHeader);

  const TableGroupEvaluator evaluator(options.grid, options.indexRatio, options.progress,
                                      options.pieceLenses);
  const long long pieces = evaluator.piecesPerGroup();
  const long groups = evaluator.groupCount();
  int threads = options.threads;
  if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  if (options.progress)
    options.progress->stepsTotal.store(
        totalProgressWeight(options.grid, IngressPairs(options.grid).size()));

  // The sweep starts from clear flags, whatever the thread that runs it has
  // raised before.
  setFpErrorFlags(0);
  FocusThinning thinning;
  const TableGroupConsumer consume = [&](long g, const TableGroup& group, bool) {
    for (const GoodLens& lens : group.good) {
      if (!thinning.admit(lens.focus)) continue;
      sweepPrint(options.writer, kFocusTableRowFormat, lens.focus, lens.width, group.ivx, group.ivy,
                 lens.evx, lens.evy, group.depth, lens.dev, lens.devpcnt);
      if (options.progress) options.progress->linesWritten.fetch_add(1, std::memory_order_relaxed);
    }
    evaluator.noteWritten(g, group);
    if (options.progress && (g + 1) % pieces == 0)  // the group's last piece
      options.progress->stepsDone.fetch_add(progressWeight(group.depth), std::memory_order_relaxed);
  };
  if (options.runGroups)
    options.runGroups(groups, threads, evaluator, consume);
  else
    runOrderedGroups<TableGroup>(groups, threads, 0u, evaluator, consume);

  if (traceFileOpen()) closeTraceFile();
  finishBackgroundCalc();
}

}  // namespace kelvane
