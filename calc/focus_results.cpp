#include "calc/focus_results.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "fileio/regular_file.h"

namespace kelvane {

namespace {

constexpr std::string_view kCommentStart = "# kelvane table";
constexpr std::size_t kReadChunk = 1 << 20;

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

std::string quoted(std::string_view s) {
  constexpr std::size_t kShown = 40;
  std::string text = "\"" + std::string(s.substr(0, kShown));
  if (s.size() > kShown) text += "...";
  return text + "\"";
}

// The fields of a comma-separated line, trimmed; at most `max` + 1 of them
// (one more than wanted is enough to say there are too many).
int splitFields(std::string_view line, std::string_view* fields, int max) {
  int count = 0;
  while (true) {
    const std::size_t comma = line.find(',');
    if (count <= max) fields[count] = trim(line.substr(0, comma));
    ++count;
    if (comma == std::string_view::npos) return count;
    line.remove_prefix(comma + 1);
  }
}

bool isHeader(std::string_view line) {
  std::string_view fields[kFocusResultColumns + 1];
  if (splitFields(line, fields, kFocusResultColumns) != kFocusResultColumns) return false;
  for (int c = 0; c < kFocusResultColumns; ++c)
    if (fields[c] != kFocusResultColumnNames[c]) return false;
  return true;
}

// Whether the last field was written with the two decimals of "%.2f": a
// last line without its line end may have lost its final digits.
bool lastFieldComplete(std::string_view line) {
  const std::string_view last = trim(line.substr(line.rfind(',') + 1));
  const std::size_t dot = last.find('.');
  return dot != std::string_view::npos &&
         last.size() - dot - 1 >= static_cast<std::size_t>(kFocusResultDecimals[COL_DEVPCNT]);
}

// The numbers a table writes ("250", "0.012"): digits, one point, digits,
// at most 15 digits in all. m / 10^k of two exact doubles is rounded once,
// so the value is the very double a full parse gives; anything else goes to
// from_chars.
bool parsePlainDecimal(std::string_view f, double& value) {
  static constexpr double kPow10[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  std::int64_t mantissa = 0;
  int digits = 0, decimals = -1;
  for (char c : f) {
    if (c >= '0' && c <= '9') {
      mantissa = mantissa * 10 + (c - '0');
      if (++digits > 15) return false;
      if (decimals >= 0) ++decimals;
    } else if (c == '.' && decimals < 0) {
      decimals = 0;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  value = static_cast<double>(mantissa) / kPow10[decimals < 0 ? 0 : decimals];
  return true;
}

bool parseNumber(std::string_view f, double& value) {
  if (parsePlainDecimal(f, value)) return true;
  const char* end = f.data() + f.size();
  auto [ptr, ec] = std::from_chars(f.data(), end, value);
  return ec == std::errc() && ptr == end && std::isfinite(value);
}

std::string headerText() {
  std::string text;
  for (std::string_view name : kFocusResultColumnNames) {
    if (!text.empty()) text += ',';
    text += name;
  }
  return text;
}

}  // namespace

double columnValue(const FocusResultRow& row, int column) {
  static constexpr double FocusResultRow::*kMembers[kFocusResultColumns] = {
      &FocusResultRow::focus, &FocusResultRow::width, &FocusResultRow::ivx,
      &FocusResultRow::ivy,   &FocusResultRow::evx,   &FocusResultRow::evy,
      &FocusResultRow::depth, &FocusResultRow::dev,   &FocusResultRow::devpcnt};
  return row.*kMembers[column];
}

int focusResultColumn(std::string_view name) {
  for (int c = 0; c < kFocusResultColumns; ++c)
    if (kFocusResultColumnNames[c] == name) return c;
  return -1;
}

Lens lensOfRow(const FocusResultRow& row, int shape) {
  return Lens{row.ivx, row.ivy, row.evx, row.evy, row.depth, shape};
}

std::string FocusResultsError::message() const {
  if (line <= 0) return reason;
  return "line " + std::to_string(line) + ": " + reason;
}

bool parseFocusResultRow(std::string_view line, FocusResultRow& row, std::string* why) {
  std::string_view fields[kFocusResultColumns + 1];
  const int count = splitFields(line, fields, kFocusResultColumns);
  if (count != kFocusResultColumns) {
    if (why)
      *why = "expected " + std::to_string(kFocusResultColumns) +
             " numbers separated by commas, found " + std::to_string(count) + " field" +
             (count == 1 ? "" : "s");
    return false;
  }
  double values[kFocusResultColumns];
  for (int c = 0; c < kFocusResultColumns; ++c) {
    const std::string_view f = fields[c];
    if (!parseNumber(f, values[c])) {
      if (why)
        *why = std::string(kFocusResultColumnNames[c]) + " (field " + std::to_string(c + 1) +
               ") is not a number: " + quoted(f);
      return false;
    }
  }
  row = FocusResultRow{values[0], values[1], values[2], values[3], values[4],
                       values[5], values[6], values[7], values[8]};
  return true;
}

FocusResultsParser::FocusResultsParser(FocusResults& out, FocusResultsReadOptions options)
    : m_out(out), m_options(options) {}

bool FocusResultsParser::fail(std::string reason) {
  m_error = FocusResultsError{m_line, std::move(reason)};
  return false;
}

bool FocusResultsParser::takeComment(std::string_view line) {
  if (line.substr(0, kCommentStart.size()) != kCommentStart) return true;  // a comment of its own
  m_pendingShape.reset();
  m_pendingRindex.reset();
  m_pendingComment = std::string(line);
  std::string_view rest = line.substr(kCommentStart.size());
  while (!rest.empty()) {
    rest = trim(rest);
    const std::size_t space = rest.find_first_of(" \t");
    const std::string_view token = rest.substr(0, space);
    rest = space == std::string_view::npos ? std::string_view() : rest.substr(space);
    const std::size_t eq = token.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = token.substr(0, eq);
    const std::string_view value = token.substr(eq + 1);
    if (key == "shape") {
      for (int s = 0; s < 4; ++s)
        if (shapeName(s) == value) m_pendingShape = s;
      if (!m_pendingShape)
        return fail("unknown lens shape " + quoted(value) + " (CVCV, CVCC, CCCV or CCCC)");
    } else if (key == "rindex") {
      double r = 0;
      auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), r);
      if (ec != std::errc() || ptr != value.data() + value.size() || !(r > 0) || !std::isfinite(r))
        return fail("the refractive index " + quoted(value) + " is not a positive number");
      m_pendingRindex = r;
    }
  }
  return true;
}

bool FocusResultsParser::addLine(std::string_view raw, bool terminated) {
  ++m_line;
  if (!m_error.reason.empty()) return false;
  if (m_line == 1 && raw.substr(0, 3) == "\xEF\xBB\xBF")
    raw.remove_prefix(3);  // a spreadsheet's BOM
  if (raw.size() > kFocusResultsLineMax)
    return fail("longer than " + std::to_string(kFocusResultsLineMax) +
                " characters: not a focus table");
  const std::string_view line = trim(raw);
  if (line.empty()) return true;
  m_lastNonEmpty = m_line;

  if (line.front() == '#') return takeComment(line);

  if (isHeader(line)) {
    // A trace file appended across runs holds one table per run: the last
    // one counts, with the comment line that came right before it.
    m_out.rows.clear();
    m_out.truncatedLine = 0;
    m_out.shape = m_pendingShape;
    m_out.rindex = m_pendingRindex;
    m_out.comment = m_pendingComment;
    m_pendingShape.reset();
    m_pendingRindex.reset();
    m_pendingComment.clear();
    m_out.headerLine = m_line;
    ++m_out.tables;
    m_inTable = true;
    return true;
  }

  if (!m_inTable) {
    if (m_options.traceFile) {
      ++m_out.otherLines;
      return true;
    }
    if (!terminated && headerText().starts_with(line))
      return fail("the header is cut short: the table was stopped before its first row");
    return fail("not a focus table: the first line must be the header \"" + headerText() + "\"");
  }

  FocusResultRow row;
  std::string why;
  const bool complete = parseFocusResultRow(line, row, &why);
  if (!terminated && (!complete || !lastFieldComplete(line))) {
    m_out.truncatedLine = m_line;  // the table was stopped mid-write
    return true;
  }
  if (!complete) {
    if (m_options.traceFile) {
      ++m_out.otherLines;
      return true;
    }
    return fail(why);
  }
  m_out.rows.push_back(row);
  return true;
}

bool FocusResultsParser::finish() {
  if (!m_error.reason.empty()) return false;
  if (m_inTable) return true;
  if (m_lastNonEmpty == 0) {
    m_line = m_line > 0 ? 1 : 0;
    return fail(m_line ? "the file holds no text, not a focus table"
                       : "the file is empty, not a focus table");
  }
  m_line = 0;
  return fail("no focus table in the file: no line is the header \"" + headerText() + "\"");
}

std::optional<FocusResultsError> parseFocusResults(std::string_view text, FocusResults& out,
                                                   FocusResultsReadOptions options) {
  out = FocusResults{};
  FocusResultsParser parser(out, options);
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const bool terminated = end != std::string_view::npos;
    if (!parser.addLine(text.substr(0, end), terminated)) return parser.error();
    text.remove_prefix(terminated ? end + 1 : text.size());
  }
  if (!parser.finish()) return parser.error();
  return std::nullopt;
}

namespace {

// The shortest row a table can hold: nine one-digit numbers and their commas.
constexpr std::size_t kShortestRow = 2 * kFocusResultColumns - 1;

// Lines long enough to be a row, so the rows can be reserved at once (a
// vector that doubles would need half again the rows' memory while it moves
// them). Counting only such lines bounds the reservation by the file's size,
// whatever number of line ends it holds.
std::size_t countRowLines(std::FILE* file, char* buffer) {
  std::size_t lines = 0;
  std::size_t length = 0;  // of the current line so far
  std::size_t got;
  while ((got = std::fread(buffer, 1, kReadChunk, file)) > 0) {
    const char* p = buffer;
    const char* end = buffer + got;
    const char* newline;
    while ((newline = static_cast<const char*>(std::memchr(p, '\n', end - p))) != nullptr) {
      if (length + static_cast<std::size_t>(newline - p) >= kShortestRow) ++lines;
      length = 0;
      p = newline + 1;
    }
    length += static_cast<std::size_t>(end - p);
  }
  return lines + (length >= kShortestRow ? 1 : 0);
}

std::optional<FocusResultsError> readOpenFile(std::FILE* file, FocusResults& out,
                                              FocusResultsReadOptions options) {
  std::unique_ptr<char[]> buffer(new char[kReadChunk]);
  out.rows.reserve(countRowLines(file, buffer.get()));
  std::rewind(file);

  FocusResultsParser parser(out, options);
  std::string carry;  // the start of a line that continues in the next chunk
  std::size_t got;
  while ((got = std::fread(buffer.get(), 1, kReadChunk, file)) > 0) {
    std::string_view chunk(buffer.get(), got);
    while (true) {
      const std::size_t end = chunk.find('\n');
      if (end == std::string_view::npos) {
        carry.append(chunk);
        if (carry.size() > kFocusResultsLineMax + 1) {  // no line end in sight
          parser.addLine(carry, true);
          return parser.error();
        }
        break;
      }
      bool ok;
      if (carry.empty()) {
        ok = parser.addLine(chunk.substr(0, end), true);
      } else {
        carry.append(chunk.substr(0, end));
        ok = parser.addLine(carry, true);
        carry.clear();
      }
      if (!ok) return parser.error();
      chunk.remove_prefix(end + 1);
    }
  }
  if (std::ferror(file)) return FocusResultsError{0, "the file could not be read to its end"};
  if (!carry.empty() && !parser.addLine(carry, false)) return parser.error();
  if (!parser.finish()) return parser.error();
  // Lines that were no rows leave unused room behind.
  if (out.rows.capacity() > out.rows.size() + out.rows.size() / 4) out.rows.shrink_to_fit();
  return std::nullopt;
}

}  // namespace

std::optional<FocusResultsError> readFocusResults(const std::string& path, FocusResults& out,
                                                  FocusResultsReadOptions options) {
  out = FocusResults{};
  std::string problem;
  const InputFilePtr file = openRegularInput(path, problem);
  if (!file) return FocusResultsError{0, "cannot open the file: " + problem};
  try {
    return readOpenFile(file.get(), out, options);
  } catch (const std::bad_alloc&) {
    // A table larger than the memory left: say so rather than end the
    // program that was handed it.
    out = FocusResults{};
    return FocusResultsError{0, "the table is too large to be read into memory"};
  }
}

bool isFocusResultsPath(std::string_view argument) {
  argument = trim(argument);
  while (!argument.empty() && argument.back() == '\n')
    argument = trim(argument.substr(0, argument.size() - 1));
  if (argument.size() < 5) return false;
  std::string_view ext = argument.substr(argument.size() - 4);
  char lower[4];
  for (int i = 0; i < 4; ++i)
    lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(ext[i])));
  return std::string_view(lower, 4) == ".csv";
}

}  // namespace kelvane
