#include "calc/focus_results_filter.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kelvane {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

class FilterScanner {
 public:
  explicit FilterScanner(std::string_view text) : m_text(text) {}

  void skipSpace() {
    while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])))
      ++m_pos;
  }
  bool atEnd() {
    skipSpace();
    return m_pos >= m_text.size();
  }
  std::string word() {
    skipSpace();
    std::string w;
    while (m_pos < m_text.size() && std::isalpha(static_cast<unsigned char>(m_text[m_pos])))
      w += static_cast<char>(std::tolower(static_cast<unsigned char>(m_text[m_pos++])));
    return w;
  }
  bool take(std::string_view token) {
    skipSpace();
    if (m_text.substr(m_pos, token.size()) != token) return false;
    m_pos += token.size();
    return true;
  }
  bool takeWord(std::string_view w) {
    skipSpace();
    const std::size_t save = m_pos;
    if (word() == w) return true;
    m_pos = save;
    return false;
  }
  std::optional<double> number() {
    skipSpace();
    double v = 0;
    const char* begin = m_text.data() + m_pos;
    auto [ptr, ec] = std::from_chars(begin, m_text.data() + m_text.size(), v);
    if (ec != std::errc() || !std::isfinite(v)) return std::nullopt;
    m_pos += static_cast<std::size_t>(ptr - begin);
    return v;
  }
  std::string rest() {
    skipSpace();
    return std::string(m_text.substr(m_pos, 20));
  }

 private:
  std::string_view m_text;
  std::size_t m_pos = 0;
};

std::string columnList() {
  std::string text;
  for (std::string_view name : kFocusResultColumnNames) {
    if (!text.empty()) text += ", ";
    text += name;
  }
  return text;
}

std::optional<FocusResultCondition> parseCondition(FilterScanner& in, std::string& error) {
  const std::string name = in.word();
  if (name.empty()) {
    error = "expected a column name at \"" + in.rest() + "\"";
    return std::nullopt;
  }
  FocusResultCondition c;
  c.column = focusResultColumn(name);
  if (c.column < 0) {
    error = "unknown column \"" + name + "\" (columns: " + columnList() + ")";
    return std::nullopt;
  }
  auto needNumber = [&](const std::string& after) -> std::optional<double> {
    std::optional<double> v = in.number();
    if (!v) error = "expected a number after \"" + name + after + "\"";
    return v;
  };
  // Two-character operators first, so "<=" is not read as "<".
  struct Op {
    const char* text;
    bool low, high, open;
  };
  static constexpr Op kOps[] = {{"<=", false, true, false}, {">=", true, false, false},
                                {"==", true, true, false},  {"<", false, true, true},
                                {">", true, false, true},   {"=", true, true, false}};
  for (const Op& op : kOps) {
    if (!in.take(op.text)) continue;
    const std::optional<double> v = needNumber(std::string(" ") + op.text);
    if (!v) return std::nullopt;
    c.low = op.low ? *v : -kInf;
    c.high = op.high ? *v : kInf;
    c.lowOpen = op.low && op.open;
    c.highOpen = op.high && op.open;
    return c;
  }
  const std::optional<double> first = needNumber("");
  if (!first) return std::nullopt;
  c.low = c.high = *first;
  if (in.take("..") || in.take("-") || in.takeWord("to")) {
    char low[32];
    std::snprintf(low, sizeof low, " %g to", *first);
    const std::optional<double> second = needNumber(low);
    if (!second) return std::nullopt;
    c.high = *second;
    if (c.high < c.low) std::swap(c.low, c.high);
  }
  return c;
}

}  // namespace

std::optional<FocusResultsFilter> parseFocusResultsFilter(std::string_view text,
                                                          std::string* error) {
  FocusResultsFilter filter;
  FilterScanner in(text);
  std::string why;
  while (!in.atEnd()) {
    std::optional<FocusResultCondition> c = parseCondition(in, why);
    if (!c) {
      if (error) *error = why;
      return std::nullopt;
    }
    filter.conditions.push_back(*c);
    if (in.atEnd()) break;
    if (!in.take(",") && !in.take(";") && !in.takeWord("and")) {
      if (error) *error = "expected \",\" or \"and\" before \"" + in.rest() + "\"";
      return std::nullopt;
    }
  }
  return filter;
}

}  // namespace kelvane
