// The estimate line of `kelvane-cli table` on standard error: the lenses of
// the full grid, those the loop rules leave, and the expected time.
#pragma once

#include "calc/table_estimate.h"

namespace kelvane::cli {

// "kelvane-cli table: 246,468,360,951 lenses in the full grid (before the
// loop rules); about ... to trace, some 1:02:03 on 2 ranks x 4 threads at
// 0.52 million lenses/s each".
void printTableEstimate(const TableEstimate& estimate, int ranks, int threadsPerRank);

}  // namespace kelvane::cli
