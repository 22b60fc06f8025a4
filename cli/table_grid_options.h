// The grid options of `kelvane-cli table` (shape, index, the five axes,
// steps, deviation limit, --estimate), the estimate line, and the ranks of
// an MPI run: rank 0 runs the table as usual and writes; the other ranks
// trace what it hands them and write nothing.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "calc/focus_table.h"

namespace kelvane {
class MpiSweep;
}

namespace kelvane::cli {

// The options as typed; empty when not given.
struct TableGridArgs {
  std::string shape;
  std::string rindex;
  std::string ivx, ivy, evx, evy, depth;  // A:B, A:B:S or A
  std::string step;                       // for every axis without a step of its own
  std::string stepIvx, stepIvy, stepEvx, stepEvy, stepDepth;
  std::string devLimit;
  bool estimate = false;  // print the estimate line only
};

void addTableGridOptions(CLI::App& cmd, TableGridArgs& args);

// One `table` run from its options to its exit code.
class TableLaunch {
 public:
  TableLaunch();
  ~TableLaunch();

  // Fills the grid, index and comment line of `options` (whose threads are
  // set). Returns the exit code when the command ends here (a bad grid,
  // --estimate, or the whole run of a rank other than 0), else -1: then
  // run the sweep with `options` and pass its exit code to finish().
  int prepare(const TableGridArgs& args, bool quiet, FocusTableOptions& options);
  int finish(int sweepExit);

 private:
  std::unique_ptr<MpiSweep> m_mpi;
};

}  // namespace kelvane::cli
