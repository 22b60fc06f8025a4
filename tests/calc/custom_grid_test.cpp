// The focus table on grids other than the program's: the loop rules keep
// their form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/calc_state.h"
#include "calc/focus_table.h"
#include "calc/table_estimate.h"
#include "sweep_capture.h"

namespace kelvane {
namespace {

using test::runAsBackgroundCalc;
using test::SweepCapture;

// A tiny grid at index 1.7 with half and uneven steps; the limit is loose
// enough that buckets fill and thin.
FocusTableOptions tinyGrid(int threads) {
  FocusTableOptions options;
  options.indexRatio = 1 / 1.7;
  options.grid.depth = {30, 34, 2};
  options.grid.ivx = {192, 194, 0.5};
  options.grid.ivy = {150, 210, 7.5};
  options.grid.evx = {150, 350, 1.5};
  options.grid.evy = {151, 350, 2.5};
  options.grid.devLimit = 0.05;
  options.comment = gridCommentLine(options.grid, 1.7);
  options.threads = threads;
  return options;
}

std::vector<std::string> runTable(FocusTableOptions options) {
  SweepCapture capture;
  options.writer = capture.writer();
  EXPECT_EQ(runAsBackgroundCalc([options] { runFocusTableWith(options); }), 0);
  return capture.lines;
}

// Half and uneven steps, an index of its own, buckets that thin: the rows
// and the comment line this grid has always had.
TEST(CustomGrid, TheTableFollowsTheLoopRulesOnAnyGrid) {
  const std::vector<std::string> lines = runTable(tinyGrid(1));
  ASSERT_GT(lines.size(), 40u) << "the grid has good lenses, enough to thin some buckets";
  EXPECT_EQ(lines, test::expectedTable("tiny_grid.csv"));

  // Groups cut into pieces (10720 lenses a group here) write the same rows.
  for (int threads : {1, 3}) {
    FocusTableOptions pieces = tinyGrid(threads);
    pieces.pieceLenses = 97;
    EXPECT_EQ(runTable(pieces), lines) << threads << " threads";
  }
}

// 900 million evy values in every group: the estimate samples pieces of it
// within its budget instead of tracing a whole group.
TEST(CustomGrid, HugeAxesAreEstimatedWithoutWalkingThem) {
  TableGrid grid;
  grid.depth = {30, 30, 1};
  grid.ivx = {200, 200, 1};
  grid.ivy = {150, 150, 1};
  grid.evx = {150, 151, 1};
  grid.evy = {260, 350, 1e-7};
  ASSERT_FALSE(gridProblem(grid));
  const TableEstimate e = estimateFocusTable(grid, 1 / 1.5, std::chrono::milliseconds(50));
  EXPECT_GT(e.groups, 1000) << "the one group is sampled in pieces";
  EXPECT_GT(e.lensesPerSecond, 0);

  // 200 billion ivx rows: the samples find their pairs without walking them.
  grid.ivx = {150, 350, 1e-9};
  grid.ivy = {150, 350, 1};
  grid.evx = {150, 150, 1};
  grid.evy = {350, 350, 1};
  ASSERT_FALSE(gridProblem(grid));
  EXPECT_GT(estimateFocusTable(grid, 1 / 1.5, std::chrono::milliseconds(50)).groups, 1e13);
}

TEST(CustomGrid, TheEstimateCountsTheGridAndMeasuresTheSpeed) {
  const FocusTableOptions options = tinyGrid(1);
  const TableEstimate e = estimateFocusTable(options.grid, options.indexRatio);
  EXPECT_DOUBLE_EQ(e.lensBound, 3.0 * 5 * 9 * 134 * 80);
  // ivy 150..187.5 (6 values) for each of the five ivx, at three depths.
  EXPECT_EQ(e.groups, 3 * 5 * 6);
  EXPECT_EQ(focusTableGroupCount(options), e.groups);
  EXPECT_GT(e.lenses, 0);
  EXPECT_LT(e.lenses, e.lensBound);
  EXPECT_GT(e.lensesPerSecond, 0);
  EXPECT_GT(e.seconds(1), e.seconds(4));
  EXPECT_EQ(calcState.load(), CALC_IDLE) << "the sample is no background calculation";
}

}  // namespace
}  // namespace kelvane
