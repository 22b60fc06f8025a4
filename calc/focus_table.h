// The focus table: a background sweep over "CVCV" lenses that writes one CSV
// row for every lens whose beams meet in an almost sharp focus (deviation
// below 0.01 percent), thinned per focus bucket. Rows go through dbgPrint;
// the table closes the trace file when it ends, leaving a complete CSV file.
//
// Sweep, outermost first, all bounds inclusive: depth 30..180, ivx 150..350,
// ivy 150..ivx, evx 150..350 (only while the previous evx found a good lens),
// evy max(ivy, evx)..350. A rim beyond ivx ends the evy loop. Other grids,
// shapes and limits (table_grid.h) keep these rules; such a table starts
// with a comment line that names its grid.
//
// The (depth, ivx, ivy) groups are independent, so the sweep runs them on
// several threads and writes their rows in the sweep's order: the output is
// byte for byte that of one thread, whatever the thread count.
#pragma once

#include <functional>
#include <string>

#include "calc/sweep_output.h"
#include "calc/table_grid.h"
#include "optics/lens.h"

namespace kelvane {

class TableGroupEvaluator;
struct TableGroup;

inline constexpr const char* kFocusTableHeader = "focus,width,ivx,ivy,evx,evy,depth,dev,devpcnt";
inline constexpr const char* kFocusTableRowFormat = "%.f,%.f,%.f,%.f,%.f,%.f,%.f,%.3f,%.2f";

inline constexpr int kFocusTableFirstDepth = 30;
inline constexpr int kFocusTableLastDepth = 180;
inline constexpr int kFocusTableFirstIvx = 150;
inline constexpr int kFocusTableLastIvx = 350;

// Hands each evaluated group, in group order, to the table's writer.
using TableGroupConsumer = std::function<void(long group, const TableGroup&, bool complete)>;
// Evaluates `groups` groups somewhere and feeds them through the consumer in
// order, as runOrderedGroups does (the ranks of an MPI run, for one).
using TableGroupRunner = std::function<void(long groups, int threads, const TableGroupEvaluator&,
                                            const TableGroupConsumer&)>;

struct FocusTableOptions {
  double indexRatio = kInitialIndexRatio;  // ni/nr entering the glass, fixed for the run
  TableGrid grid;                          // default: the program's own table
  std::string comment;                     // a first line before the header; empty: none
  int threads = 0;                         // 0: one per core
  SweepLineWriter writer;                  // empty: dbgPrint
  SweepProgress* progress = nullptr;       // optional; steps are (depth, ivx, ivy) groups
  TableGroupRunner runGroups;              // empty: on this process's threads
  // A group of more lenses reaches the writer in pieces of this many.
  long long pieceLenses = kTablePieceLenses;
};

// The thread function of "focus &Table": the whole table with the initial
// index ratio on every core, through dbgPrint. Start it with
// startBackgroundCalc; it ends with finishBackgroundCalc.
void runFocusTable();

// The same with a choice of index ratio, depth slice, threads and output.
// Also a calculation thread's body: it sets calcState to running (keeping a
// kill that came first), stops at any lens once calcState is not running,
// closes the trace file and calls finishBackgroundCalc as its last step.
void runFocusTableWith(const FocusTableOptions& options);

// Number of (depth, ivx, ivy) groups of the grid, counting each piece of a
// group bigger than options.pieceLenses.
long focusTableGroupCount(const FocusTableOptions& options);

}  // namespace kelvane
