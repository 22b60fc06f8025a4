// The tracer's cost: one background findFocus on the current lens (the unit
// of every sweep), the recorded single-beam trace the dialog runs on each
// change, and the five multi-beam fans.
#include <vector>

#include <benchmark/benchmark.h>

#include "optics/focus.h"

namespace kelvane {
namespace {

void BM_FindFocusBackground(benchmark::State& state) {
  TracerContext ctx;
  for (auto _ : state) benchmark::DoNotOptimize(findFocus(ctx, kInitialLens, kBackgroundSettings));
}
BENCHMARK(BM_FindFocusBackground);

void BM_FindFocusRecording(benchmark::State& state) {
  TracerContext ctx;
  std::vector<TracePoint> buffer(SINGLE_BEAM_POINTS);
  BeamSettings settings = kInitialCurrentSettings;
  settings.traceBuffer = buffer.data();
  for (auto _ : state) {
    benchmark::DoNotOptimize(findFocus(ctx, kInitialLens, settings));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FindFocusRecording);

void BM_FindFoci(benchmark::State& state) {
  TracerContext ctx;
  std::vector<TracePoint> buffer(MULTI_BEAM_POINTS);
  BeamSettings settings = kInitialCurrentSettings;
  settings.pointsMode = 1;
  settings.traceBuffer = buffer.data();
  settings.rayEndX = 800;
  for (auto _ : state) {
    benchmark::DoNotOptimize(findFoci(ctx, kInitialLens, settings));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FindFoci);

}  // namespace
}  // namespace kelvane
