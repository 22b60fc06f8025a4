// Lenses per second of the focus table on a fixed slice (depth 30, ivx
// 200..215), on one thread and on every core. The whole table is about 151
// depth values; multiply the slice rate out with the lens counts the CLI
// reports (`kelvane-cli table` shows the lenses evaluated).
#include <benchmark/benchmark.h>

#include <thread>

#include "calc/calc_state.h"
#include "calc/focus_table.h"

namespace kelvane {
namespace {

void BM_FocusTableSlice(benchmark::State& state) {
  FocusTableOptions options;
  options.grid.depth = {30, 30, 1};
  options.grid.ivx = {200, 215, 1};
  options.threads = static_cast<int>(state.range(0));
  long long rows = 0;
  options.writer = [&rows](const char*) { ++rows; };
  long long lenses = 0;
  for (auto _ : state) {
    SweepProgress progress;
    options.progress = &progress;
    // The sweep is a calculation thread's body; here this thread plays it.
    calcState.store(CALC_STARTED);
    runFocusTableWith(options);
    lenses += progress.lensesEvaluated.load();
  }
  state.SetItemsProcessed(lenses);
  state.counters["rows"] =
      benchmark::Counter(static_cast<double>(rows) / static_cast<double>(state.iterations()));
  state.SetLabel("items = lenses");
}

BENCHMARK(BM_FocusTableSlice)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kelvane
