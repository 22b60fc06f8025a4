// `kelvane-cli table` and `kelvane-cli matrix`: the two background sweeps,
// their lines exactly as the program sends them through dbgPrint, to standard
// output or a file, with a progress line on standard error. Ctrl-C stops the
// sweep as "&Kill background calc" does; what was written is kept.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "calc/calc_state.h"
#include "calc/focus_matrix.h"
#include "calc/focus_table.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/table_estimate_line.h"
#include "cli/table_mpi_launch.h"
#include "cli/table_options.h"
#include "cli/typed_options.h"

namespace kelvane::cli {

namespace {

constexpr int kInterruptedExit = 130;  // the shell's code for a run ended by SIGINT
constexpr int kMostThreads = 256;      // more only adds threads that wait for work
constexpr auto kPollInterval = std::chrono::milliseconds(100);
constexpr std::chrono::milliseconds kTtyProgressInterval{500};
constexpr std::chrono::milliseconds kLogProgressInterval{10000};  // a log gets a line now and then

volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int) {
  interrupted = 1;
  std::signal(SIGINT, SIG_DFL);  // a second Ctrl-C ends the program at once
}

std::string clock(double seconds) {
  const long s = static_cast<long>(seconds + 0.5);
  char text[32];
  if (s >= 3600)
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
  else
    std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
  return text;
}

void printProgress(const SweepProgress& progress, double elapsed, bool tty, bool last) {
  const long long total = progress.stepsTotal.load();
  const long long done = progress.stepsDone.load();
  const double share = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 0.0;
  std::string left = "--";
  if (share > 0 && share < 1)
    left = clock(elapsed * (1 - share) / share);
  else if (share >= 1)
    left = "0:00";
  std::fprintf(stderr, "%s%5.1f%% done, %lld lenses evaluated, %lld lines, %s elapsed, %s left%s",
               tty ? "\r" : "", share * 100, progress.lensesEvaluated.load(),
               progress.linesWritten.load(), clock(elapsed).c_str(), left.c_str(),
               tty && !last ? "   " : "\n");
  std::fflush(stderr);
}

// Runs `sweep` as the program's background calculation, its lines into the
// file `outPath` or standard output, with progress on standard error. A
// failed write ends the sweep at once: its results would be lost anyway.
// Returns the exit code.
int runSweep(const char* command, const std::function<void(const SweepLineWriter&)>& sweep,
             const SweepProgress& progress, const std::string& outPath, bool quiet) {
  std::unique_ptr<Output> file;
  if (!outPath.empty()) {
    file = Output::createFile(outPath);
    if (!file) return 1;
  }
  Output& out = file ? *file : Output::standardOutput();
  Output* const target = &out;
  const SweepLineWriter writer = [target](const char* line) { target->writeLine(line); };

  interrupted = 0;
  std::signal(SIGINT, onInterrupt);
  const bool tty = isatty(STDERR_FILENO) != 0;
  const auto start = std::chrono::steady_clock::now();
  auto lastShown = start;
  const auto interval = tty ? kTtyProgressInterval : kLogProgressInterval;
  auto seconds = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };

  if (startBackgroundCalc([&sweep, writer] { sweep(writer); }) != 0) {
    std::fprintf(stderr, "kelvane-cli %s: a background calculation is already running\n", command);
    return 1;
  }
  bool killed = false;
  bool writeFailed = false;
  while (calcState.load() != CALC_IDLE) {
    std::this_thread::sleep_for(kPollInterval);
    if (!killed && (interrupted || out.failed())) {
      writeFailed = !interrupted;
      killBackgroundCalc();
      killed = true;
    }
    const auto now = std::chrono::steady_clock::now();
    if (!quiet && now - lastShown >= interval) {
      printProgress(progress, seconds(), tty, false);
      lastShown = now;
    }
  }
  joinBackgroundCalc();
  std::signal(SIGINT, SIG_DFL);
  if (!quiet && !writeFailed) printProgress(progress, seconds(), tty, true);
  const int written = out.finish();
  if (written != 0) return written;
  if (killed) {
    std::fprintf(stderr, "kelvane-cli %s: interrupted; the lines written so far are kept\n",
                 command);
    return kInterruptedExit;
  }
  return 0;
}

struct TableArgs {
  TableGridArgs grid;
  std::string output;
  int threads = 0;
  bool quiet = false;
};

struct MatrixArgs {
  std::string output;
  double rindex = 1.5;
  bool quiet = false;
};

int runTable(const TableArgs& tableArgs, const CLI::App& cmd) {
  TableArgs args = tableArgs;
  args.grid = withColourIndex(cmd, tableArgs.grid);
  FocusTableOptions options;
  options.threads = args.threads;
  if (const std::optional<std::string> problem = readTableGrid(args.grid, options)) {
    if (leadRank()) std::fprintf(stderr, "kelvane-cli table: %s\n", problem->c_str());
    return kUsageError;
  }
  const int threads = options.threads > 0
                          ? options.threads
                          : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const int ranks = announcedRanks();
  if (args.grid.estimate) {
    if (leadRank())
      printTableEstimate(estimateFocusTable(options.grid, options.indexRatio), ranks, threads);
    return 0;
  }
  TableLaunch launch;
  const std::string gridKey =
      options.comment + "|" + gridCommentLine(options.grid, args.grid.rindex);
  if (const int code = launch.start(options, gridKey); code >= 0) return code;
  if (!args.quiet)
    printTableEstimate(estimateFocusTable(options.grid, options.indexRatio), ranks, threads);
  auto progress = std::make_shared<SweepProgress>();
  options.progress = progress.get();
  auto sweep = [options](const SweepLineWriter& writer) {
    FocusTableOptions withWriter = options;
    withWriter.writer = writer;
    runFocusTableWith(withWriter);
  };
  return launch.finish(runSweep("table", sweep, *progress, args.output, args.quiet));
}

int runMatrix(const MatrixArgs& args) {
  FocusMatrixOptions options;
  options.indexRatio = ratioFromRindex(args.rindex);
  auto progress = std::make_shared<SweepProgress>();
  options.progress = progress.get();
  auto sweep = [options](const SweepLineWriter& writer) {
    FocusMatrixOptions withWriter = options;
    withWriter.writer = writer;
    runFocusMatrixWith(withWriter);
  };
  return runSweep("matrix", sweep, *progress, args.output, args.quiet);
}

}  // namespace

void addTableCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<TableArgs>();
  CLI::App* cmd = app.add_subcommand(
      "table",
      "Run the focus table: CSV rows of the sharply focusing lenses of a grid (default CVCV).");
  cmd->add_option("-o,--output", args->output,
                  "write the table to this file instead of standard output");
  addWhole(*cmd, "--threads", args->threads, {0, kMostThreads, "from 0 (one per core) to 256"},
           "threads to use, up to 256 (default 0: one per core)");
  cmd->add_flag("-q,--quiet", args->quiet, "no progress line on standard error");
  addTableGridOptions(*cmd, args->grid);
  cmd->callback([args, cmd, &exitCode] { exitCode = runTable(*args, *cmd); });
}

void addMatrixCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<MatrixArgs>();
  CLI::App* cmd =
      app.add_subcommand("matrix", "Run the focus matrix: the best depth for each egress height.");
  cmd->add_option("-o,--output", args->output,
                  "write the report to this file instead of standard output");
  addNumber(*cmd, "--rindex", args->rindex, kPositiveNumber, "refractive index (default 1.5)");
  cmd->add_flag("-q,--quiet", args->quiet, "no progress line on standard error");
  cmd->callback([args, &exitCode] { exitCode = runMatrix(*args); });
}

}  // namespace kelvane::cli
