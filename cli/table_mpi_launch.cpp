#include "cli/table_mpi_launch.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "calc/calc_state.h"
#include "cli/commands.h"
#ifdef KELVANE_WITH_MPI
#include "calc/mpi_sweep.h"
#endif

namespace kelvane {
#ifndef KELVANE_WITH_MPI
class MpiSweep {};  // no MPI in this build: every run is one process
#endif
}  // namespace kelvane

namespace kelvane::cli {

#ifdef KELVANE_WITH_MPI
namespace {

constexpr int kInterruptedExit = 130;  // the shell's code for a run ended by a signal

void complain(const char* message) { std::fprintf(stderr, "kelvane-cli table: %s\n", message); }

volatile std::sig_atomic_t terminated = 0;

// mpirun passes Ctrl-C on to the ranks as SIGTERM (and ends a job whose rank
// died the same way): rank 0 stops at a group boundary and keeps what it wrote.
extern "C" void onTerminate(int) {
  terminated = 1;
  killBackgroundCalc();
}

}  // namespace
#endif

bool leadRank() {
#ifdef KELVANE_WITH_MPI
  return announcedMpiRank() == 0;
#else
  return true;
#endif
}

int announcedRanks() {
#ifdef KELVANE_WITH_MPI
  if (!startedAsMpiRank()) return 1;
  for (const char* name : {"OMPI_COMM_WORLD_SIZE", "PMI_SIZE", "PMIX_SIZE"})
    if (const char* value = std::getenv(name)) return std::max(1, std::atoi(value));
#endif
  return 1;
}

TableLaunch::TableLaunch() = default;
TableLaunch::~TableLaunch() = default;

int TableLaunch::start([[maybe_unused]] FocusTableOptions& options,
                       [[maybe_unused]] const std::string& gridKey) {
#ifdef KELVANE_WITH_MPI
  if (announcedRanks() > 1) {
    m_mpi = std::make_unique<MpiSweep>();
    std::string problem;
    if (!m_mpi->usable(problem)) {
      if (leadRank()) complain(problem.c_str());
      return 1;
    }
    if (!m_mpi->sameGridEverywhere(gridKey)) {
      if (leadRank()) complain("the ranks were started with different grids");
      return kUsageError;
    }
    if (m_mpi->rank() != 0) {
      m_mpi->serve(options);
      return 0;
    }
    terminated = 0;
    std::signal(SIGTERM, onTerminate);
    // A SIGTERM before the sweep began must still stop it.
    options.runGroups = [runner = m_mpi->runner()](long groups, int threads,
                                                   const TableGroupEvaluator& evaluator,
                                                   const TableGroupConsumer& consume) {
      if (terminated) killBackgroundCalc();
      runner(groups, threads, evaluator, consume);
    };
  }
#endif
  return -1;
}

int TableLaunch::finish(int sweepExit) {
#ifdef KELVANE_WITH_MPI
  if (m_mpi) {
    std::signal(SIGTERM, SIG_DFL);
    if (sweepExit == 0 && m_mpi->stoppedEarly()) {
      complain(terminated ? "stopped by a signal (Ctrl-C, or mpirun ending the job); the lines "
                            "written so far are kept"
                          : "the run stopped before the end; the lines written so far are kept");
      sweepExit = terminated ? kInterruptedExit : 1;
    }
    m_mpi.reset();  // releases the other ranks and ends MPI
  }
#endif
  return sweepExit;
}

}  // namespace kelvane::cli
