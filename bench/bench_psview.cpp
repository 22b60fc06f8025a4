// The trace paths under load: short lines into the PsView ring (target: over
// 5 million a second on one core), the ring shared by writer threads, and
// dbgPrint into the trace file.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "trace/dbgprint.h"
#include "trace/psview.h"

namespace {

using kelvane::PsView;

// Short trace lines into the default ring, dropping old lines as it goes.
void BM_PsViewAppendShort(benchmark::State& state) {
  PsView view;
  view.setImmediate(false);
  const char* line = "focus 12.34 dev 0.56";
  for (auto _ : state) view.append(line, 0);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PsViewAppendShort);

// Full 80-character lines into the largest ring.
void BM_PsViewAppendLong(benchmark::State& state) {
  PsView view(kelvane::kPsViewMaxBufferSize, kelvane::kPsViewDefaultMaxLine);
  view.setImmediate(false);
  char line[81];
  for (int i = 0; i < 80; ++i) line[i] = static_cast<char>('a' + i % 26);
  line[80] = 0;
  for (auto _ : state) view.append(line, 0);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PsViewAppendLong);

// appendf: formatting plus the append.
void BM_PsViewAppendf(benchmark::State& state) {
  PsView view;
  view.setImmediate(false);
  int i = 0;
  for (auto _ : state) view.appendf("Trace message %d %s", ++i, "by dbgPrint");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PsViewAppendf);

// Several writers on the one lock.
PsView g_shared;
void BM_PsViewAppendContended(benchmark::State& state) {
  if (state.thread_index() == 0) g_shared.setImmediate(false);
  for (auto _ : state) g_shared.append("worker line 1234", 0);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PsViewAppendContended)->Threads(1)->Threads(2)->Threads(4)->UseRealTime();

// A paint of 40 rows at the end of a full ring, resuming from the cache.
void BM_PsViewPaintEnd(benchmark::State& state) {
  PsView view(kelvane::kPsViewMaxBufferSize, kelvane::kPsViewDefaultMaxLine);
  view.setMetrics(8, 16);
  struct NoWindow : kelvane::PsViewWindow {
    void setVerticalScroll(int, int) override {}
    void invalidate() override {}
  } window;
  view.attachWindow(&window);
  view.sizeChanged(800, 40 * 16);
  for (int i = 0; i < 5000; ++i) view.append("a line of trace text", 0);
  long chars = 0;
  for (auto _ : state) {
    view.append("one more line", 0);
    view.paint(0, 40 * 16, [&chars](int, int, const char*, int length) { chars += length; });
  }
  benchmark::DoNotOptimize(chars);
  view.attachWindow(nullptr);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PsViewPaintEnd);

// dbgPrint with only the trace file open (a temporary file).
void BM_DbgPrintToFile(benchmark::State& state) {
  std::FILE* file = std::tmpfile();
  if (!file) {
    state.SkipWithError("no temporary file");
    return;
  }
  kelvane::setTraceFile(file);
  int i = 0;
  for (auto _ : state) kelvane::dbgPrint("Trace message %d %s", ++i, "by dbgPrint");
  kelvane::closeTraceFile();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DbgPrintToFile);

// dbgPrint with the PsView sink installed.
void BM_DbgPrintToPsView(benchmark::State& state) {
  PsView view;
  view.setImmediate(false);
  kelvane::setPsViewSink(&view);
  int i = 0;
  for (auto _ : state) kelvane::dbgPrint("Trace message %d %s", ++i, "by dbgPrint");
  kelvane::setPsViewSink(nullptr);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DbgPrintToPsView);

}  // namespace
