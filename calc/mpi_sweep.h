// The focus table over the ranks of an MPI run (`mpirun -n N kelvane-cli
// table ...`). Rank 0 hands out chunks of consecutive (depth, ivx, ivy)
// groups as ranks ask for work, traces chunks of its own on its threads, and
// writes: the groups go through the same ordered merge as the threaded
// sweep (ordered_groups.h), which carries the floating-point flags from
// group to group and re-evaluates a group that started from the wrong ones.
// So the table is byte for byte that of one process, for any rank count.
//
// Protocol (rank 0 <-> worker): rank 0 sends WORK {first group, count};
// the worker traces the chunk on its threads, starting from clear flags,
// and sends RESULT {first, count, lenses, seconds} followed by the groups
// as bytes (table_groups.h). WORK with count 0 tells the worker to stop.
// Each worker holds at most two chunks, so it never waits for the next one.
// A rank that dies ends the whole run through mpirun; rank 0 never writes a
// group out of order, so the output is always a prefix of the full table.
#pragma once

#include <string>
#include <vector>

#include "calc/focus_table.h"

namespace kelvane {

// True when this process is one of several ranks started by mpirun (or a
// launcher with the same environment). Safe before MPI starts.
bool startedAsMpiRank();
// This process's rank as the launcher announced it, 0 when there is none.
int announcedMpiRank();

// One process's part in an MPI run: MPI starts with it and ends with it.
class MpiSweep {
 public:
  MpiSweep();
  ~MpiSweep();
  MpiSweep(const MpiSweep&) = delete;
  MpiSweep& operator=(const MpiSweep&) = delete;

  // False when MPI could not give what the sweep needs (calls from more
  // than one thread, one at a time); `problem` says why.
  bool usable(std::string& problem) const;
  int rank() const { return m_rank; }
  int size() const { return m_size; }

  // Every rank calls it with the grid it was given; true when all agree.
  bool sameGridEverywhere(const std::string& gridText);

  // Rank 0: the runner that spreads the groups over the ranks (for
  // FocusTableOptions::runGroups). It stops early, leaving the output a
  // prefix, when the calculation is killed.
  TableGroupRunner runner();
  // Rank 0: whether the runner stopped before the last group.
  bool stoppedEarly() const { return m_stoppedEarly; }

  // The other ranks: trace the chunks rank 0 hands out, on `threads`
  // threads each (0: one per core), until it says stop.
  void serve(const FocusTableOptions& options);

 private:
  void runRoot(long groups, int threads, const TableGroupEvaluator& evaluator,
               const TableGroupConsumer& consume);
  void releaseWorkers();

  int m_rank = 0;
  int m_size = 1;
  int m_threadLevel = 0;
  std::vector<int> m_outstanding;  // chunks each worker rank holds
  bool m_workersReleased = false;
  bool m_stoppedEarly = false;
};

}  // namespace kelvane
