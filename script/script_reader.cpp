#include "script/script_reader.h"

#include <cmath>
#include <cstdlib>

namespace kelvane {

namespace {

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::string_view> ScriptLine::nextToken() {
  const auto start = m_rest.find_first_not_of(kScriptDelimiters);
  if (start == std::string_view::npos) {
    m_rest = {};
    return std::nullopt;
  }
  m_rest.remove_prefix(start);
  const auto end = m_rest.find_first_of(kScriptDelimiters);
  const std::string_view token = m_rest.substr(0, end);
  m_rest.remove_prefix(token.size());
  return token;
}

int scriptAtoi(std::string_view token) {
  std::size_t i = 0;
  // atoi skips leading white space; the delimiters are gone already, the
  // other blanks (vertical tab, form feed) may still lead a token.
  while (i < token.size() && (token[i] == '\v' || token[i] == '\f')) ++i;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < token.size() && isDigit(token[i]); ++i) {
    value = value * 10 + (token[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;  // saturates below
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int scriptCount(std::optional<std::string_view> token) {
  if (!token || !isDigit(token->front())) return MISSING_INT;
  return scriptAtoi(*token);
}

int nextInt(ScriptLine& line) { return scriptCount(line.nextToken()); }

double scriptAtof(std::string_view token) {
  const std::string text(token);  // strtod needs a terminated string
  return std::strtod(text.c_str(), nullptr);
}

double nextReal(ScriptLine& line) {
  const auto token = line.nextToken();
  return token ? scriptAtof(*token) : 0.0;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

int lookupWord(std::optional<std::string_view> token, WordList list) {
  if (!token) return -1;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (equalsIgnoreCase(*token, list[i])) return static_cast<int>(i);
  return -1;
}

bool isCommentToken(std::string_view token) {
  if (token.empty()) return false;
  const unsigned char c = static_cast<unsigned char>(token.front());
  const bool printable = c > ' ' && c < 0x7f;
  const bool alnum =
      isDigit(static_cast<char>(c)) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  return printable && !alnum;
}

bool LensSpec::hasMissingCount() const {
  for (double v : values)
    if (v == static_cast<double>(MISSING_INT)) return true;
  return false;
}

LensSpec lensSpecOf(const LensTokens& tokens) {
  LensSpec lensSpec;
  for (std::size_t i = 0; i < lensSpec.values.size(); ++i)
    lensSpec.values[i] = static_cast<double>(scriptCount(tokens[i]));
  const int shape = lookupWord(tokens[5], kShapeWords);
  lensSpec.shape = shape < 0 ? 0 : shape;
  return lensSpec;
}

LensSpec readLensSpec(ScriptLine& line) {
  LensTokens tokens;
  for (auto& t : tokens) t = line.nextToken();
  return lensSpecOf(tokens);
}

namespace {

bool startsWithComment(std::string_view text) {
  ScriptLine line(text);
  const auto first = line.nextToken();
  return first && isCommentToken(*first);
}

// Drops what is left of the file's current line, its line feed included.
void skipRestOfLine(std::FILE* file) {
  for (int c = std::getc(file); c != EOF && c != '\n'; c = std::getc(file)) {
  }
}

}  // namespace

bool readScriptLine(std::FILE* file, std::string& line, ScriptLineRead* how) {
  ScriptLineRead read;
  line.clear();
  while (line.size() < static_cast<std::size_t>(kScriptLineMax)) {
    const int c = std::getc(file);
    if (c == EOF) break;
    line.push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  if (line.empty()) return false;
  if (line.size() == static_cast<std::size_t>(kScriptLineMax) && line.back() != '\n') {
    if (startsWithComment(line))
      skipRestOfLine(file);
    else
      read.split = true;
  }
  // The line is a C string to the runner: a NUL byte ends it.
  if (const auto nul = line.find('\0'); nul != std::string::npos) {
    line.resize(nul);
    read.heldNul = true;
  }
  if (how) *how = read;
  return true;
}

int scriptKeyword(ScriptLine& line) {
  const auto first = line.nextToken();
  if (!first || isCommentToken(*first)) return -1;
  return lookupWord(first, kScriptKeywords);
}

}  // namespace kelvane
