#include "cli/table_grid_options.h"

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

#include "calc/calc_state.h"
#include "calc/table_estimate.h"
#include "cli/commands.h"
#include "optics/lens.h"
#ifdef KELVANE_WITH_MPI
#include "calc/mpi_sweep.h"
#endif

namespace kelvane {
#ifndef KELVANE_WITH_MPI
class MpiSweep {};  // no MPI in this build: every run is one process
#endif
}  // namespace kelvane

namespace kelvane::cli {

namespace {

constexpr int kInterruptedExit = 130;  // the shell's code for a run ended by a signal

// Only rank 0 of an MPI run speaks; the others would repeat it N times.
bool speaks() {
#ifdef KELVANE_WITH_MPI
  return announcedMpiRank() == 0;
#else
  return true;
#endif
}

void complain(const std::string& message) {
  if (speaks()) std::fprintf(stderr, "kelvane-cli table: %s\n", message.c_str());
}

std::optional<double> number(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || *end != '\0') return std::nullopt;
  return value;
}

// "A", "A:B" or "A:B:S". False when it is none of these.
bool parseAxis(const std::string& text, GridAxis& axis, bool& hasStep) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t colon; (colon = text.find(':', from)) != std::string::npos; from = colon + 1)
    parts.push_back(text.substr(from, colon - from));
  parts.push_back(text.substr(from));
  if (parts.size() > 3) return false;
  std::vector<double> values;
  for (const std::string& part : parts) {
    const std::optional<double> v = number(part);
    if (!v) return false;
    values.push_back(*v);
  }
  axis.first = values[0];
  axis.last = values.size() > 1 ? values[1] : values[0];
  hasStep = values.size() == 3;
  if (hasStep) axis.step = values[2];
  return true;
}

struct AxisOption {
  const char* name;
  const std::string* range;
  const std::string* step;
  GridAxis* axis;
};

// The grid from the options, or one message and nothing.
std::optional<TableGrid> gridFromArgs(const TableGridArgs& args) {
  TableGrid grid;
  if (!args.shape.empty()) {
    grid.shape = -1;
    for (int s = 0; s < 4; ++s)
      if (args.shape == shapeName(s)) grid.shape = s;
    if (grid.shape < 0) {
      complain("--shape must be CVCV, CVCC, CCCV or CCCC, not \"" + args.shape + "\"");
      return std::nullopt;
    }
  }
  std::optional<double> commonStep;
  if (!args.step.empty() && !(commonStep = number(args.step))) {
    complain("--step must be a number, not \"" + args.step + "\"");
    return std::nullopt;
  }
  const AxisOption axes[] = {{"ivx", &args.ivx, &args.stepIvx, &grid.ivx},
                             {"ivy", &args.ivy, &args.stepIvy, &grid.ivy},
                             {"evx", &args.evx, &args.stepEvx, &grid.evx},
                             {"evy", &args.evy, &args.stepEvy, &grid.evy},
                             {"depth", &args.depth, &args.stepDepth, &grid.depth}};
  for (const AxisOption& o : axes) {
    bool inlineStep = false;
    if (!o.range->empty() && !parseAxis(*o.range, *o.axis, inlineStep)) {
      complain(std::string("--") + o.name + " must be A:B with 0 < A <= B, or A:B:S, not \"" +
               *o.range + "\"");
      return std::nullopt;
    }
    if (!o.step->empty()) {
      const std::optional<double> step = number(*o.step);
      if (!step || inlineStep) {
        complain(std::string("--step-") + o.name + " must be one number, given once, not \"" +
                 *o.step + "\"");
        return std::nullopt;
      }
      o.axis->step = *step;
    } else if (commonStep && !inlineStep) {
      o.axis->step = *commonStep;
    }
  }
  if (!args.devLimit.empty()) {
    const std::optional<double> limit = number(args.devLimit);
    grid.devLimit = limit ? *limit : -1;
  }
  if (const std::optional<std::string> problem = gridProblem(grid)) {
    complain(*problem);
    return std::nullopt;
  }
  return grid;
}

bool anyGridOption(const TableGridArgs& a) {
  for (const std::string* text :
       {&a.shape, &a.rindex, &a.ivx, &a.ivy, &a.evx, &a.evy, &a.depth, &a.step, &a.stepIvx,
        &a.stepIvy, &a.stepEvx, &a.stepEvy, &a.stepDepth, &a.devLimit})
    if (!text->empty()) return true;
  return false;
}

// 263746765 -> "263,746,765".
std::string grouped(double value) {
  char digits[64];
  std::snprintf(digits, sizeof digits, "%.0f", value);
  std::string text(digits);
  for (int at = static_cast<int>(text.size()) - 3; at > 0; at -= 3)
    text.insert(static_cast<std::size_t>(at), ",");
  return text;
}

std::string duration(double seconds) {
  char text[64];
  const double s = seconds + 0.5;
  if (s >= 3 * 86400.0)
    std::snprintf(text, sizeof text, "%.0f days", s / 86400);
  else if (s >= 3600)
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", static_cast<long>(s) / 3600,
                  static_cast<long>(s) / 60 % 60, static_cast<long>(s) % 60);
  else
    std::snprintf(text, sizeof text, "%ld:%02ld", static_cast<long>(s) / 60,
                  static_cast<long>(s) % 60);
  return text;
}

void printEstimate(const TableEstimate& e, int ranks, int threadsPerRank) {
  const int workers = ranks * threadsPerRank;
  std::string where =
      std::to_string(threadsPerRank) + (threadsPerRank == 1 ? " thread" : " threads");
  if (ranks > 1) where = std::to_string(ranks) + " ranks x " + where;
  std::fprintf(
      stderr,
      "kelvane-cli table: %s lenses in the full grid (before the loop rules); about %s to trace, "
      "some %s on %s at %.2g million lenses/s each\n",
      grouped(e.lensBound).c_str(), grouped(e.lenses).c_str(), duration(e.seconds(workers)).c_str(),
      where.c_str(), e.lensesPerSecond / 1e6);
}

int ranksAnnounced() {
  for (const char* name : {"OMPI_COMM_WORLD_SIZE", "PMI_SIZE", "PMIX_SIZE"})
    if (const char* value = std::getenv(name)) return std::max(1, std::atoi(value));
  return 1;
}

volatile std::sig_atomic_t terminated = 0;

// mpirun passes Ctrl-C on to the ranks as SIGTERM (and ends a job whose rank
// died the same way): rank 0 stops at a group boundary and keeps what it wrote.
extern "C" void onTerminate(int) {
  terminated = 1;
  killBackgroundCalc();
}

}  // namespace

void addTableGridOptions(CLI::App& cmd, TableGridArgs& args) {
  cmd.add_option("--shape", args.shape, "lens shape: CVCV (default), CVCC, CCCV or CCCC");
  cmd.add_option("--rindex", args.rindex, "refractive index (default 1.5)");
  cmd.add_option("--ivx", args.ivx, "ingress X semi-axes A:B (default 150:350)");
  cmd.add_option("--ivy", args.ivy, "ingress Y semi-axes A:B, each up to ivx (default 150:350)");
  cmd.add_option("--evx", args.evx, "egress X semi-axes A:B (default 150:350)");
  cmd.add_option("--evy", args.evy,
                 "egress Y semi-axes A:B, each from max(ivy, evx) (default 150:350)");
  cmd.add_option("--depth", args.depth, "centre depths A:B or A (default 30:180)");
  cmd.add_option("--step", args.step, "step of every axis (default 1); A:B:S sets one axis");
  for (auto [name, text] : {std::pair{"--step-ivx", &args.stepIvx},
                            {"--step-ivy", &args.stepIvy},
                            {"--step-evx", &args.stepEvx},
                            {"--step-evy", &args.stepEvy},
                            {"--step-depth", &args.stepDepth}})
    cmd.add_option(name, *text, "step of that axis");
  cmd.add_option("--dev-limit", args.devLimit,
                 "a lens is good below this deviation in percent (default 0.01)");
  cmd.add_flag("--estimate", args.estimate,
               "print the size of the grid and the expected time, then stop");
}

TableLaunch::TableLaunch() = default;
TableLaunch::~TableLaunch() = default;

int TableLaunch::prepare(const TableGridArgs& args, bool quiet, FocusTableOptions& options) {
  double rindex = 1.5;
  if (!args.rindex.empty()) {
    const std::optional<double> r = number(args.rindex);
    if (!r || !(*r > 0) || !std::isfinite(*r)) {
      complain("--rindex must be a positive number");
      return kUsageError;
    }
    rindex = *r;
  }
  const std::optional<TableGrid> grid = gridFromArgs(args);
  if (!grid) return kUsageError;
  options.grid = *grid;
  options.indexRatio = ratioFromRindex(rindex);
  if (anyGridOption(args)) options.comment = gridCommentLine(*grid, rindex);

  const int threads = options.threads > 0
                          ? options.threads
                          : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  int ranks = 1;
#ifdef KELVANE_WITH_MPI
  ranks = startedAsMpiRank() ? ranksAnnounced() : 1;
#endif
  if (args.estimate) {
    if (speaks())
      printEstimate(estimateFocusTable(options.grid, options.indexRatio), ranks, threads);
    return 0;
  }

#ifdef KELVANE_WITH_MPI
  if (ranks > 1) {
    m_mpi = std::make_unique<MpiSweep>();
    std::string problem;
    if (!m_mpi->usable(problem)) {
      complain(problem);
      return 1;
    }
    if (!m_mpi->sameGridEverywhere(options.comment + "|" + gridCommentLine(*grid, rindex))) {
      complain("the ranks were started with different grids");
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
  if (!quiet) printEstimate(estimateFocusTable(options.grid, options.indexRatio), ranks, threads);
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
