#include "calc/focus_table.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calc/calc_state.h"
#include "sweep_capture.h"
#include "trace/dbgprint.h"

namespace kelvane {
namespace {

using test::runAsBackgroundCalc;
using test::SweepCapture;

// A slice with good lenses in it, quick enough for a test.
FocusTableOptions slice(int threads) {
  FocusTableOptions options;
  options.grid.depth = {30, 30, 1};
  options.grid.ivx = {203, 206, 1};
  options.threads = threads;
  return options;
}

std::vector<std::string> runTable(FocusTableOptions options, SweepCapture& capture) {
  options.writer = capture.writer();
  EXPECT_EQ(runAsBackgroundCalc([options] { runFocusTableWith(options); }), 0);
  EXPECT_EQ(calcState.load(), CALC_IDLE);
  return capture.lines;
}

std::vector<std::string> runTable(const FocusTableOptions& options) {
  SweepCapture capture;
  return runTable(options, capture);
}

TEST(FocusTable, ASliceWritesTheRowsItAlwaysHas) {
  const std::vector<std::string> lines = runTable(slice(1));
  ASSERT_GT(lines.size(), 100u) << "the slice has good lenses, enough to thin some buckets";
  EXPECT_EQ(lines, test::expectedTable("default_grid_slice.csv"));
}

TEST(FocusTable, ParallelRunsAreByteIdenticalToOneThread) {
  const std::vector<std::string> one = runTable(slice(1));
  for (int threads : {2, 3, 4}) EXPECT_EQ(runTable(slice(threads)), one) << threads << " threads";
}

TEST(FocusTable, ProgressCountsGroupsLensesAndRows) {
  SweepProgress progress;
  FocusTableOptions options = slice(2);
  options.progress = &progress;
  const std::vector<std::string> lines = runTable(options);
  EXPECT_GT(progress.stepsTotal.load(), 0);
  EXPECT_EQ(progress.stepsDone.load(), progress.stepsTotal.load()) << "all done";
  EXPECT_EQ(progress.linesWritten.load(), static_cast<long long>(lines.size()) - 1);
  EXPECT_GE(progress.lensesEvaluated.load(), focusTableGroupCount(options)) << "at least one lens a group";
  EXPECT_EQ(focusTableGroupCount(FocusTableOptions{}), 151L * 20301L);
}

TEST(FocusTable, KillDuringTheFirstLensLeavesTheHeaderAlone) {
  for (int threads : {1, 2}) {
    SweepCapture capture;
    // The header is written just before the first lens.
    capture.onLine = [](const std::string&) { killBackgroundCalc(); };
    std::atomic<int> menuIdle{0};
    setCalcMenuListener([&](bool active) {
      if (!active) menuIdle.fetch_add(1);
    });
    FocusTableOptions options = slice(threads);
    options.grid.ivx.first = 150;
    const std::vector<std::string> lines = runTable(options, capture);
    setCalcMenuListener(nullptr);
    EXPECT_EQ(lines, std::vector<std::string>{kFocusTableHeader});
    EXPECT_EQ(menuIdle.load(), 1) << "the Calc menu is idle again";
  }
}

TEST(FocusTable, KillBeforeTheThreadBeginsWritesTheHeaderAndClosesTheTraceFile) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "kelvane_focus_table_kill.csv";
  std::FILE* file = std::fopen(path.c_str(), "w");
  ASSERT_NE(file, nullptr);
  setTraceFile(file);
  FocusTableOptions options = slice(2);  // no writer: through dbgPrint into the trace file
  EXPECT_EQ(runAsBackgroundCalc([options] {
              killBackgroundCalc();  // calcState 1 -> 3 before the sweep begins
              runFocusTableWith(options);
            }),
            0);
  EXPECT_FALSE(traceFileOpen()) << "the table closes the trace file";
  EXPECT_EQ(calcState.load(), CALC_IDLE);
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), std::string(kFocusTableHeader) + "\n");
  std::filesystem::remove(path);
}

TEST(FocusTable, AKillMidwayKeepsAPrefixOfTheFullTable) {
  const std::vector<std::string> full = runTable(slice(1));
  ASSERT_GT(full.size(), 12u);
  for (int threads : {1, 2}) {
    SweepCapture capture;
    int rows = 0;
    capture.onLine = [&rows](const std::string&) {
      if (++rows == 6) killBackgroundCalc();  // the header and five rows
    };
    const std::vector<std::string> lines = runTable(slice(threads), capture);
    ASSERT_GE(lines.size(), 6u);
    ASSERT_LT(lines.size(), full.size());
    EXPECT_TRUE(std::equal(lines.begin(), lines.end(), full.begin())) << threads << " threads";
  }
}

TEST(FocusTable, TheSweepIgnoresFlagsItsThreadRaisedBefore) {
  const std::vector<std::string> clean = runTable(slice(1));
  FocusTableOptions options = slice(1);
  SweepCapture capture;
  options.writer = capture.writer();
  runAsBackgroundCalc([options] {
    volatile double zero = 0.0;
    volatile double inf = 1.0 / zero;  // leaves division by zero raised on this thread
    (void)inf;
    runFocusTableWith(options);
  });
  EXPECT_EQ(capture.lines, clean);
}

}  // namespace
}  // namespace kelvane
