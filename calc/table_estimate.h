// How big and how long a focus table is, before it runs: the lenses of the
// full grid (the product of the axes, before the loop rules cut it) and,
// from a sample of groups traced here, the lenses the rules leave and the
// speed of this machine.
#pragma once

#include <chrono>

#include "calc/table_grid.h"

namespace kelvane {

struct TableEstimate {
  double lensBound = 0;        // lenses of the full grid
  long groups = 0;             // (depth, ivx, ivy) groups after "ivy up to ivx", or their pieces
  double lenses = 0;           // lenses the loop rules are expected to leave
  double lensesPerSecond = 0;  // on one thread, measured on the sample

  // Expected run time with `workers` threads in all (every rank's threads).
  double seconds(int workers) const;
};

// Traces up to 64 groups (or pieces of groups) spread evenly over the
// sweep, stopping early after `budget`; the grid must be one gridProblem
// accepts.
TableEstimate estimateFocusTable(const TableGrid& grid, double indexRatio,
                                 std::chrono::milliseconds budget = std::chrono::milliseconds(500));

}  // namespace kelvane
