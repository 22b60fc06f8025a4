// Where the lines of a background sweep go, and how far it has got.
#pragma once

#include <atomic>
#include <functional>

namespace kelvane {

// Receives one finished line (without line end). Empty: the line goes
// through dbgPrint to the open trace sinks, as the program does.
using SweepLineWriter = std::function<void(const char* line)>;

// Formats one line as dbgPrint does (at most 199 characters) and hands it to
// `writer`, or to dbgPrint when the writer is empty.
void sweepPrint(const SweepLineWriter& writer, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Counters a sweep keeps up to date while it runs, for a progress display on
// another thread. stepsTotal is set before the sweep starts its loop; the
// share done is stepsDone / stepsTotal. A step is an outer step of the
// sweep, weighted by how much work it usually is.
struct SweepProgress {
  std::atomic<long long> stepsDone{0};   // weight of the outer steps finished, in order
  std::atomic<long long> stepsTotal{0};
  std::atomic<long long> lensesEvaluated{0};
  std::atomic<long long> linesWritten{0};
};

}  // namespace kelvane
