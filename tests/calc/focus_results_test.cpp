// Reading focus tables back: the sweep's own output, the comment line of
// other sweeps, tables cut short, malformed files, trace files, and the
// filter line.
#include "calc/focus_results.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/focus_results_filter.h"
#include "calc/focus_table.h"
#include "sweep_capture.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// The rows of a small slice of the real table, as the sweep writes them.
const std::vector<std::string>& sweepLines() {
  static const std::vector<std::string> lines = [] {
    test::SweepCapture capture;
    FocusTableOptions options;
    options.grid.depth = {30, 30, 1};
    options.grid.ivx = {203, 206, 1};
    options.writer = capture.writer();
    EXPECT_EQ(test::runAsBackgroundCalc([options] { runFocusTableWith(options); }), 0);
    return capture.lines;
  }();
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

std::string formatRow(const FocusResultRow& r) {
  char line[200];
  std::snprintf(line, sizeof line, kFocusTableRowFormat, r.focus, r.width, r.ivx, r.ivy, r.evx,
                r.evy, r.depth, r.dev, r.devpcnt);
  return line;
}

class TempFile {
 public:
  explicit TempFile(const std::string& text) {
    m_path =
        fs::temp_directory_path() /
        ("kelvane_results_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".csv");
    std::ofstream(m_path, std::ios::binary) << text;
  }
  ~TempFile() { fs::remove(m_path); }
  std::string path() const { return m_path.string(); }

 private:
  fs::path m_path;
};

std::string errorOf(const std::string& text, FocusResultsReadOptions options = {}) {
  FocusResults results;
  const std::optional<FocusResultsError> error = parseFocusResults(text, results, options);
  return error ? error->message() : std::string("no error");
}

TEST(FocusResultsReader, ReadsTheSweepsOwnTableFromAFileAndItsCommentLine) {
  const std::vector<std::string>& lines = sweepLines();
  ASSERT_GT(lines.size(), 10u);
  ASSERT_EQ(lines[0], kFocusTableHeader);

  TempFile file(joined(lines));
  FocusResults results;
  ASSERT_FALSE(readFocusResults(file.path(), results));
  ASSERT_EQ(results.rows.size(), lines.size() - 1);
  for (std::size_t i = 0; i < results.rows.size(); ++i)
    ASSERT_EQ(formatRow(results.rows[i]), lines[i + 1]) << "row " << i;
  EXPECT_EQ(results.tables, 1);
  EXPECT_EQ(results.headerLine, 1);
  EXPECT_EQ(results.truncatedLine, 0);
  EXPECT_FALSE(results.shape);
  EXPECT_FALSE(results.rindex);
  EXPECT_EQ(results.lensShape(), 0);
  const Lens lens = lensOfRow(results.rows[0], 1);
  EXPECT_EQ(lens.ivx, results.rows[0].ivx);
  EXPECT_EQ(lens.depth, 30);
  EXPECT_EQ(lens.shape, 1);

  // Another sweep's comment line, Windows line ends and a spreadsheet's BOM.
  std::string other =
      "\xEF\xBB\xBF# kelvane table shape=CVCC rindex=1.7 ivx=150:350:1 dev-limit=0.01\r\n";
  for (const std::string& l : lines) other += l + "\r\n";
  ASSERT_FALSE(parseFocusResults(other, results));
  EXPECT_EQ(results.rows.size(), lines.size() - 1);
  EXPECT_EQ(results.lensShape(), 1);
  ASSERT_TRUE(results.rindex);
  EXPECT_EQ(*results.rindex, 1.7);
  EXPECT_EQ(results.headerLine, 2);
  EXPECT_NE(results.comment.find("ivx=150:350:1"), std::string::npos);

  // The header alone (a table killed during its first lens) is a table.
  ASSERT_FALSE(parseFocusResults(std::string(kFocusTableHeader) + "\n", results));
  EXPECT_TRUE(results.rows.empty());
}

TEST(FocusResultsReader, ACutShortLastLineIsPassedOverAndNoted) {
  const std::vector<std::string>& lines = sweepLines();
  const std::string full = joined(lines);
  const std::string& last = lines.back();
  const long lastLine = static_cast<long>(lines.size());
  FocusResults results;
  // Cut inside the row, and inside its last number.
  for (std::size_t keep : {last.size() / 2, last.size() - 1}) {
    const std::string text = full.substr(0, full.size() - 1 - (last.size() - keep));
    ASSERT_FALSE(parseFocusResults(text, results)) << keep;
    EXPECT_EQ(results.rows.size(), lines.size() - 2);
    EXPECT_EQ(results.truncatedLine, lastLine);
  }
  // A whole last row without its line end is kept.
  ASSERT_FALSE(parseFocusResults(full.substr(0, full.size() - 1), results));
  EXPECT_EQ(results.rows.size(), lines.size() - 1);
  EXPECT_EQ(results.truncatedLine, 0);
  // A header cut short is no table.
  EXPECT_EQ(errorOf("focus,width,iv"),
            "line 1: the header is cut short: the table was stopped "
            "before its first row");
}

TEST(FocusResultsReader, AMalformedFileNamesTheLineAndWhy) {
  const std::string header = std::string(kFocusTableHeader) + "\n";
  const std::string row = "250,63,203,180,210,251,30,0.012,0.00\n";
  EXPECT_EQ(errorOf("focus,width,ivx\n" + row),
            "line 1: not a focus table: the first line must be the header \"" +
                std::string(kFocusTableHeader) + "\"");
  EXPECT_EQ(errorOf(header + row + "250,63,203,180,210,251,30,0.012\n" + row),
            "line 3: expected 9 numbers separated by commas, found 8 fields");
  EXPECT_EQ(errorOf(header + row + row + "250,63,203,180,210,251,30,0.012,abc\n"),
            "line 4: devpcnt (field 9) is not a number: \"abc\"");
  EXPECT_EQ(errorOf(header + "250,63,203,nan,210,251,30,0.012,0.00\n"),
            "line 2: ivy (field 4) is not a number: \"nan\"");
  EXPECT_EQ(errorOf("# kelvane table shape=CXCV\n" + header),
            "line 1: unknown lens shape \"CXCV\" (CVCV, CVCC, CCCV or CCCC)");
  EXPECT_EQ(errorOf("# kelvane table rindex=-1\n" + header),
            "line 1: the refractive index \"-1\" is not a positive number");
  EXPECT_EQ(errorOf(""), "the file is empty, not a focus table");
  EXPECT_EQ(errorOf(header + std::string(5000, '1') + "\n"),
            "line 2: longer than 4096 characters: not a focus table");

  FocusResults results;
  const std::optional<FocusResultsError> missing =
      readFocusResults("/nonexistent/kelvane/t.csv", results);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->line, 0);
  EXPECT_NE(missing->reason.find("cannot open"), std::string::npos);
  // A binary file without line ends stops at the length limit.
  TempFile blob(std::string(3 << 20, 'x'));
  const std::optional<FocusResultsError> binary = readFocusResults(blob.path(), results);
  ASSERT_TRUE(binary);
  EXPECT_EQ(binary->message(), "line 1: longer than 4096 characters: not a focus table");
}

TEST(FocusResultsReader, OnlyARegularFileIsRead) {
  FocusResults results;
  const std::optional<FocusResultsError> error = readFocusResults("/dev/zero", results);
  ASSERT_TRUE(error) << "a device that never ends";
  EXPECT_EQ(error->reason, "cannot open the file: a character device, not a regular file");
}

// A file of line ends alone claims millions of rows: the rows reserved
// follow what the file can hold, so it is refused in a little memory.
// Not built under the sanitizers, which take address space of their own: the
// plain build runs it.
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
TEST(FocusResultsReader, ALineCountThatTheFileCannotHoldReservesNothing) {
  TempFile newlines(std::string(20'000'000, '\n'));
  // Exits 0 when the file is read and refused in 1 GiB of address space.
  auto readInLittleMemory = [&] {
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = 1ul << 30;
    ::setrlimit(RLIMIT_AS, &limit);
    FocusResults results;
    const auto error = readFocusResults(newlines.path(), results);
    std::exit(error && error->reason == "the file holds no text, not a focus table" ? 0 : 1);
  };
  EXPECT_EXIT(readInLittleMemory(), ::testing::ExitedWithCode(0), "");
}
#endif

TEST(FocusResultsReader, ATraceFileGivesItsLastTableAndPassesOverOtherTrace) {
  const std::string header = std::string(kFocusTableHeader) + "\n";
  const std::string text = "Trace message 0 by dbgPrint\n" + header +
                           "250,63,203,180,210,251,30,0.012,0.00\n" + header +
                           "251,64,204,180,210,251,31,0.013,0.01\n"
                           "Trace message 1 by dbgPrint\n"
                           "252,65,205,180,210,251,32,0.014,0.01\n";
  FocusResults results;
  ASSERT_FALSE(parseFocusResults(text, results, FocusResultsReadOptions{true}));
  ASSERT_EQ(results.rows.size(), 2u);
  EXPECT_EQ(results.rows[0].focus, 251);
  EXPECT_EQ(results.rows[1].depth, 32);
  EXPECT_EQ(results.tables, 2);
  EXPECT_EQ(results.headerLine, 4);
  EXPECT_EQ(results.otherLines, 2);
  // Read as a plain table the same text is refused at once.
  EXPECT_EQ(errorOf(text).substr(0, 28), "line 1: not a focus table: t");
  EXPECT_EQ(errorOf("Trace message 0 by dbgPrint\n", FocusResultsReadOptions{true}).substr(0, 24),
            "no focus table in the fi");
}

TEST(FocusResultsFilter, RangesComparisonsAndValues) {
  const FocusResultRow a{250, 63, 203, 180, 210, 251, 60, 0.012, 0.004};
  const FocusResultRow b{301, 63, 203, 180, 210, 251, 30, 0.012, 0.005};
  auto accepts = [](const char* text, const FocusResultRow& row) {
    std::string error;
    const std::optional<FocusResultsFilter> f = parseFocusResultsFilter(text, &error);
    EXPECT_TRUE(f) << text << ": " << error;
    return f && f->accepts(row);
  };
  EXPECT_TRUE(accepts("focus 250-300", a));
  EXPECT_FALSE(accepts("focus 250-300", b));
  EXPECT_TRUE(accepts("FOCUS 300 .. 301", b));
  EXPECT_TRUE(accepts("devpcnt < 0.005", a));
  EXPECT_FALSE(accepts("devpcnt < 0.005", b));
  EXPECT_TRUE(accepts("devpcnt <= 0.005", b));
  EXPECT_TRUE(accepts("depth 60", a));
  EXPECT_FALSE(accepts("depth 60", b));
  EXPECT_TRUE(accepts("focus >= 250, depth = 60 and dev>0.01", a));
  EXPECT_FALSE(accepts("focus >= 250; depth 30", a));
  EXPECT_TRUE(accepts("   ", b));

  std::string error;
  EXPECT_FALSE(parseFocusResultsFilter("fokus 250", &error));
  EXPECT_EQ(error,
            "unknown column \"fokus\" (columns: focus, width, ivx, ivy, evx, evy, depth, "
            "dev, devpcnt)");
  EXPECT_FALSE(parseFocusResultsFilter("devpcnt <", &error));
  EXPECT_EQ(error, "expected a number after \"devpcnt <\"");
  EXPECT_FALSE(parseFocusResultsFilter("focus 250 300", &error));
  EXPECT_EQ(error, "expected \",\" or \"and\" before \"300\"");
}

TEST(FocusResultsReader, CsvArgumentsAreTablesOthersScripts) {
  EXPECT_TRUE(isFocusResultsPath("t30.csv"));
  EXPECT_TRUE(isFocusResultsPath("/home/a b/T30.CSV\n"));
  EXPECT_FALSE(isFocusResultsPath("script.ops"));
  EXPECT_FALSE(isFocusResultsPath(".csv"));
  EXPECT_FALSE(isFocusResultsPath("table.csv.lens"));
}

}  // namespace
}  // namespace kelvane
