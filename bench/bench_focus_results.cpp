// The Focus Results window on a table of one million rows, as a long focus
// table run leaves it: opening the file (read, table and plot shown),
// sorting by a column and filtering with the filter line.
// Targets: each under 2 s on this machine; the process's peak memory (the
// peak_rss_MB counter) under 200 MB.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/results/focus_results_model.h"
#include "app/results/focus_results_window.h"
#include "calc/focus_results.h"
#include "calc/focus_table.h"

namespace kelvane {
namespace {

constexpr long kRows = 1000000;

double peakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

// A table file of kRows rows in the focus table's own format, with values
// spread as a whole run spreads them; written once per process.
std::string gTablePath;  // removed at the end

const std::string& millionRowFile() {
  static const std::string path = [] {
    const std::string p = (std::filesystem::temp_directory_path() /
                           ("kelvane_bench_results_" + std::to_string(::getpid()) + ".csv"))
                              .string();
    std::FILE* f = std::fopen(p.c_str(), "w");
    std::fprintf(f, "%s\n", kFocusTableHeader);
    std::uint64_t seed = 88172645463325252ull;
    auto next = [&](int range) {
      seed ^= seed << 13;
      seed ^= seed >> 7;
      seed ^= seed << 17;
      return static_cast<int>(seed % static_cast<std::uint64_t>(range));
    };
    for (long i = 0; i < kRows; ++i) {
      const int ivx = 150 + next(201), evx = 150 + next(201);
      const int ivy = 150 + next(ivx - 149),
                evy = std::max(ivy, evx) + next(351 - std::max(ivy, evx));
      const double focus = 150 + next(300) + next(1000) / 1000.0;
      const double dev = next(400) / 10000.0;
      std::fprintf(f, kFocusTableRowFormat, focus, 0.9 * ivy, double(ivx), double(ivy), double(evx),
                   double(evy), 30.0 + next(151), dev, dev * 100 / focus);
      std::fputc('\n', f);
    }
    std::fclose(f);
    gTablePath = p;
    return p;
  }();
  return path;
}

void BM_ReadMillionRows(benchmark::State& state) {
  const std::string& path = millionRowFile();
  for (auto _ : state) {
    FocusResults results;
    if (readFocusResults(path, results) || results.rows.size() != kRows) {
      state.SkipWithError("the table was not read");
      return;
    }
    benchmark::DoNotOptimize(results.rows.data());
  }
  state.counters["peak_rss_MB"] = peakRssMb();
}

void BM_OpenMillionRows(benchmark::State& state) {
  const std::string& path = millionRowFile();
  for (auto _ : state) {
    FocusResultsWindow* w = openFocusResultsWindow(nullptr, path, {});
    if (!w || w->proxy()->rowCount() != kRows) {
      state.SkipWithError("the window did not open with every row");
      return;
    }
    QApplication::processEvents();  // laid out and painted
    state.PauseTiming();
    delete w;
    state.ResumeTiming();
  }
  state.counters["peak_rss_MB"] = peakRssMb();
}

// Sorting and filtering work on one open window.
FocusResultsWindow* openWindow() {
  static FocusResultsWindow* w = openFocusResultsWindow(nullptr, millionRowFile(), {});
  return w;
}

void BM_SortMillionRows(benchmark::State& state) {
  FocusResultsWindow* w = openWindow();
  int turn = 0;
  for (auto _ : state) {
    // A header click: by devpcnt, then by focus the other way, and so on.
    const bool devpcnt = turn++ % 2 == 0;
    w->table()->sortByColumn(devpcnt ? COL_DEVPCNT : COL_FOCUS,
                             devpcnt ? Qt::AscendingOrder : Qt::DescendingOrder);
    QApplication::processEvents();
  }
  state.counters["peak_rss_MB"] = peakRssMb();
}

void BM_FilterMillionRows(benchmark::State& state) {
  FocusResultsWindow* w = openWindow();
  const char* filters[] = {"focus 250-300", "devpcnt < 0.005", "depth 60", ""};
  int turn = 0;
  for (auto _ : state) {
    w->applyFilterText(QString::fromLatin1(filters[turn++ % 4]));
    QApplication::processEvents();
  }
  state.counters["shown_rows"] = w->proxy()->rowCount();
  state.counters["peak_rss_MB"] = peakRssMb();
}

BENCHMARK(BM_ReadMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortMillionRows)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_FilterMillionRows)->Unit(benchmark::kMillisecond)->Iterations(8);

}  // namespace
}  // namespace kelvane

int main(int argc, char** argv) {
  // The window needs a window system; the offscreen one serves without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (!kelvane::gTablePath.empty()) std::filesystem::remove(kelvane::gTablePath);
  return 0;
}
