#include "calc/table_estimate.h"

#include <atomic>

#include "calc/calc_state.h"
#include "calc/table_groups.h"

namespace kelvane {

namespace {

constexpr int kSampleGroups = 64;

// 0, 32, 16, 48, 8 ...: a sample cut short by the budget stays spread.
int bitReversed(int k) {
  int r = 0;
  for (int bit = 1, mirror = kSampleGroups / 2; bit < kSampleGroups; bit <<= 1, mirror >>= 1)
    if (k & bit) r |= mirror;
  return r;
}

}  // namespace

double TableEstimate::seconds(int workers) const {
  if (lensesPerSecond <= 0 || workers <= 0) return 0;
  return lenses / (lensesPerSecond * workers);
}

TableEstimate estimateFocusTable(const TableGrid& grid, double indexRatio,
                                 std::chrono::milliseconds budget) {
  TableEstimate estimate;
  estimate.lensBound = grid.lensBound();
  const std::atomic<int> running{CALC_RUNNING};  // the sample is not the program's calculation
  TableGroupEvaluator evaluator(grid, indexRatio, nullptr);
  evaluator.pollState(running);
  estimate.groups = evaluator.groupCount();
  if (estimate.groups == 0) return estimate;

  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  TableGroup group;
  long long lenses = 0;
  int sampled = 0;
  for (int k = 0; k < kSampleGroups; ++k) {
    const long g = static_cast<long>((2.0 * bitReversed(k) + 1) / (2.0 * kSampleGroups) *
                                     static_cast<double>(estimate.groups));
    // Each sample is one piece: its time is bounded however big a group is.
    evaluator(g < estimate.groups ? g : estimate.groups - 1, TableGroupEvaluator::kEvxFound, group);
    lenses += group.lenses;
    ++sampled;
    if (Clock::now() - start > budget) break;
  }
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  estimate.lenses = static_cast<double>(lenses) / sampled * static_cast<double>(estimate.groups);
  if (elapsed > 0 && lenses > 0) estimate.lensesPerSecond = static_cast<double>(lenses) / elapsed;
  return estimate;
}

}  // namespace kelvane
