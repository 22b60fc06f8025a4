// Reading a focus table back: the CSV that "focus &Table" writes through the
// trace file, or that `kelvane-cli table` writes. Qt-free, so the Focus
// Results window and the command line read a table the same way.
//
// A table is the header "focus,width,ivx,ivy,evx,evy,depth,dev,devpcnt"
// followed by rows of nine numbers. A comment line "# kelvane table
// shape=CVCC rindex=1.7 ..." before the header names a sweep other than the
// default one; keys the reader does not know are kept in the text only.
//
// What a trace file adds: it is appended to across runs, so it may hold one
// table per run (the last one is the one read), and in trace-file mode lines
// that are no rows (other trace output) are passed over and counted.
//
// A last line without its line end that is no complete row is a table cut
// short mid-write: it is passed over and reported in `truncatedLine`.
#pragma once

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "optics/lens.h"

namespace kelvane {

// One row as written: focus and width, the lens's five values, dev and
// devpcnt, all rounded as the table prints them.
struct FocusResultRow {
  double focus;
  double width;
  double ivx;
  double ivy;
  double evx;
  double evy;
  double depth;
  double dev;
  double devpcnt;
};

inline constexpr int kFocusResultColumns = 9;
enum FocusResultColumn {
  COL_FOCUS,
  COL_WIDTH,
  COL_IVX,
  COL_IVY,
  COL_EVX,
  COL_EVY,
  COL_DEPTH,
  COL_DEV,
  COL_DEVPCNT
};
// Column names, in the header's order.
inline constexpr std::array<std::string_view, kFocusResultColumns> kFocusResultColumnNames = {
    "focus", "width", "ivx", "ivy", "evx", "evy", "depth", "dev", "devpcnt"};
// Decimals each column is written with ("%.f" ... "%.3f", "%.2f").
inline constexpr std::array<int, kFocusResultColumns> kFocusResultDecimals = {0, 0, 0, 0, 0,
                                                                              0, 0, 3, 2};

// The value of `column` (0..8) of a row.
double columnValue(const FocusResultRow& row, int column);
// The column of a name ("devpcnt" -> 8), or -1.
int focusResultColumn(std::string_view name);
// The lens a row describes, with the shape its sweep used.
Lens lensOfRow(const FocusResultRow& row, int shape);

struct FocusResults {
  std::vector<FocusResultRow> rows;
  std::optional<int> shape;      // from the comment line; none: the default sweep (CVCV)
  std::optional<double> rindex;  // from the comment line; none: the index in force
  std::string comment;           // that comment line as written, "" without one
  long headerLine = 0;           // line of the header the rows follow
  int tables = 0;                // headers seen; the rows are those of the last
  long truncatedLine = 0;        // a cut-short last line that was passed over; 0: none
  long otherLines = 0;           // trace-file mode: lines that were no rows, passed over

  // The shape the lenses of the rows are traced with.
  int lensShape() const { return shape.value_or(0); }
};

struct FocusResultsError {
  long line = 0;       // 1-based; 0 when the file could not be read at all
  std::string reason;  // what is wrong with it, for the user
  // "line 7: ..." or the reason alone.
  std::string message() const;
};

struct FocusResultsReadOptions {
  // The file is the program's trace file: text before the header and lines
  // between the rows that are no rows are other trace output, passed over.
  bool traceFile = false;
};

// Longest line the reader takes; longer ones are no table's.
inline constexpr std::size_t kFocusResultsLineMax = 4096;

// Reads a focus table line by line. Feed every line without its line end;
// `terminated` is false only for a last line that had none.
class FocusResultsParser {
 public:
  explicit FocusResultsParser(FocusResults& out, FocusResultsReadOptions options = {});
  // False once a line is wrong; error() says which and why.
  bool addLine(std::string_view line, bool terminated);
  // The end of the input: false when no header was found.
  bool finish();
  const FocusResultsError& error() const { return m_error; }
  long lineNumber() const { return m_line; }

 private:
  bool fail(std::string reason);
  bool takeComment(std::string_view line);

  FocusResults& m_out;
  FocusResultsReadOptions m_options;
  FocusResultsError m_error;
  long m_line = 0;
  long m_lastNonEmpty = 0;
  bool m_inTable = false;
  // A "# kelvane table" line waiting for its header.
  std::optional<int> m_pendingShape;
  std::optional<double> m_pendingRindex;
  std::string m_pendingComment;
};

// Parses one row of nine numbers; false when it is none.
bool parseFocusResultRow(std::string_view line, FocusResultRow& row, std::string* why = nullptr);

// Reads a whole table from text or a file. Returns the error, or nothing
// when `out` holds the table.
std::optional<FocusResultsError> parseFocusResults(std::string_view text, FocusResults& out,
                                                   FocusResultsReadOptions options = {});
std::optional<FocusResultsError> readFocusResults(const std::string& path, FocusResults& out,
                                                  FocusResultsReadOptions options = {});

// Whether a command-line argument names a focus table (a ".csv" path)
// rather than a script.
bool isFocusResultsPath(std::string_view argument);

}  // namespace kelvane
