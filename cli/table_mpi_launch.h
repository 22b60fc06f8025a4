// The ranks of a `kelvane-cli table` run under mpirun: rank 0 runs the table
// as usual and writes; the other ranks trace what it hands them and write
// nothing. Without MPI in the build every run is one process.
#pragma once

#include <memory>
#include <string>

#include "calc/focus_table.h"

namespace kelvane {
class MpiSweep;
}

namespace kelvane::cli {

// The ranks the launcher announced (1 outside mpirun or without MPI).
int announcedRanks();

class TableLaunch {
 public:
  TableLaunch();
  ~TableLaunch();

  // Joins the ranks of an MPI run. `gridKey` names the grid: every rank
  // must have been started with the same one. Returns the exit code when
  // the command ends here (MPI unusable, grids that differ, or the whole
  // run of a rank other than 0), else -1: then run the sweep with
  // `options` (its groups now spread over the ranks) and pass its exit
  // code to finish().
  int start(FocusTableOptions& options, const std::string& gridKey);
  int finish(int sweepExit);

 private:
  std::unique_ptr<MpiSweep> m_mpi;
};

}  // namespace kelvane::cli
