// `kelvane-cli table` and `kelvane-cli matrix`: the two background sweeps,
// their lines exactly as the program sends them through dbgPrint, to standard
// output or a file, with a progress line on standard error. Ctrl-C stops the
// sweep as "&Kill background calc" does; what was written is kept.
#include <unistd.h>

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
#include "cli/table_grid_options.h"
#include "cli/trace_stdout.h"
#include "trace/dbgprint.h"

namespace kelvane::cli {

namespace {

constexpr int kInterruptedExit = 130;  // the shell's code for a run ended by SIGINT
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
  if (s >= 3600) std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
  else std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
  return text;
}

void printProgress(const SweepProgress& progress, double elapsed, bool tty, bool last) {
  const long long total = progress.stepsTotal.load();
  const long long done = progress.stepsDone.load();
  const double share = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 0.0;
  std::string left = "--";
  if (share > 0 && share < 1) left = clock(elapsed * (1 - share) / share);
  else if (share >= 1) left = "0:00";
  std::fprintf(stderr, "%s%5.1f%% done, %lld lenses evaluated, %lld lines, %s elapsed, %s left%s",
               tty ? "\r" : "", share * 100, progress.lensesEvaluated.load(), progress.linesWritten.load(),
               clock(elapsed).c_str(), left.c_str(), tty && !last ? "   " : "\n");
  std::fflush(stderr);
}

// Runs `sweep` as the program's background calculation, into the file
// `outPath` (as the trace file) or standard output, with progress on
// standard error. Returns the exit code.
int runSweep(const char* command, const std::function<void()>& sweep, const SweepProgress& progress,
             const std::string& outPath, bool quiet) {
  std::optional<TraceToStdout> toStdout;
  if (!outPath.empty()) {
    std::FILE* file = std::fopen(outPath.c_str(), "w");
    if (!file) {
      std::fprintf(stderr, "kelvane-cli %s: cannot write \"%s\"\n", command, outPath.c_str());
      return 1;
    }
    setTraceFile(file);
  } else {
    toStdout.emplace();
  }

  interrupted = 0;
  std::signal(SIGINT, onInterrupt);
  const bool tty = isatty(STDERR_FILENO) != 0;
  const auto start = std::chrono::steady_clock::now();
  auto lastShown = start;
  const auto interval = tty ? kTtyProgressInterval : kLogProgressInterval;
  auto seconds = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };

  if (startBackgroundCalc(sweep) != 0) {
    std::fprintf(stderr, "kelvane-cli %s: a background calculation is already running\n", command);
    return 1;
  }
  bool killed = false;
  while (calcState.load() != CALC_IDLE) {
    std::this_thread::sleep_for(kPollInterval);
    if (interrupted && !killed) {
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
  if (!quiet) printProgress(progress, seconds(), tty, true);
  if (traceFileOpen()) closeTraceFile();  // the matrix leaves it open
  if (killed) {
    std::fprintf(stderr, "kelvane-cli %s: interrupted; the lines written so far are kept\n", command);
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

int runTable(const TableArgs& args) {
  FocusTableOptions options;
  if (args.threads < 0) {
    std::fprintf(stderr, "kelvane-cli table: --threads must be 1 or more (0: one per core)\n");
    return kUsageError;
  }
  options.threads = args.threads;
  TableLaunch launch;
  if (const int code = launch.prepare(args.grid, args.quiet, options); code >= 0) return code;
  auto progress = std::make_shared<SweepProgress>();
  options.progress = progress.get();
  return launch.finish(
      runSweep("table", [options] { runFocusTableWith(options); }, *progress, args.output, args.quiet));
}

int runMatrix(const MatrixArgs& args) {
  if (!(args.rindex > 0)) {
    std::fprintf(stderr, "kelvane-cli matrix: --rindex must be a positive number\n");
    return kUsageError;
  }
  FocusMatrixOptions options;
  options.indexRatio = ratioFromRindex(args.rindex);
  auto progress = std::make_shared<SweepProgress>();
  options.progress = progress.get();
  return runSweep("matrix", [options] { runFocusMatrixWith(options); }, *progress, args.output, args.quiet);
}

}  // namespace

void addTableCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<TableArgs>();
  CLI::App* cmd = app.add_subcommand(
      "table", "Run the focus table: CSV rows of the sharply focusing lenses of a grid (default CVCV).");
  cmd->add_option("-o,--output", args->output, "write the table to this file instead of standard output");
  cmd->add_option("--threads", args->threads, "threads to use (default 0: one per core)");
  cmd->add_flag("-q,--quiet", args->quiet, "no progress line on standard error");
  addTableGridOptions(*cmd, args->grid);
  cmd->callback([args, &exitCode] { exitCode = runTable(*args); });
}

void addMatrixCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<MatrixArgs>();
  CLI::App* cmd = app.add_subcommand(
      "matrix", "Run the focus matrix: the best depth for each egress height.");
  cmd->add_option("-o,--output", args->output, "write the report to this file instead of standard output");
  cmd->add_option("--rindex", args->rindex, "refractive index (default 1.5)");
  cmd->add_flag("-q,--quiet", args->quiet, "no progress line on standard error");
  cmd->callback([args, &exitCode] { exitCode = runMatrix(*args); });
}

}  // namespace kelvane::cli
