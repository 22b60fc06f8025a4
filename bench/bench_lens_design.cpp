// The lens designer: one request on one core (the search runs on the
// calling thread), for several targets of the default CVCV lens at index
// 1.5 within the focus table's bounds. Target: at most 2 s a request.
#include <benchmark/benchmark.h>

#include "calc/lens_design.h"

namespace {

void BM_DesignLens(benchmark::State& state) {
  kelvane::DesignRequest request;
  request.targetFocus = static_cast<double>(state.range(0));
  kelvane::DesignResult result;
  for (auto _ : state) {
    result = kelvane::designLens(request);
    benchmark::DoNotOptimize(result);
  }
  state.counters["traced"] = static_cast<double>(result.traced);
  state.counters["devpcnt"] = result.devpcnt;
  state.counters["reached"] = result.reached ? 1 : 0;
}
BENCHMARK(BM_DesignLens)
    ->Arg(200)
    ->Arg(300)
    ->Arg(400)
    ->Arg(600)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
