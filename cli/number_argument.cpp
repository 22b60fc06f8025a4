#include "cli/number_argument.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

#include "optics/lens.h"

namespace kelvane::cli {

namespace {

constexpr int kLargestPixelCount = 1000000000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the run of digits at `at`.
std::size_t digitsAt(std::string_view text, std::size_t at) {
  std::size_t n = 0;
  while (at + n < text.size() && isDigit(text[at + n])) ++n;
  return n;
}

// True when all of `text` is one decimal number in the grammar above;
// from_chars alone would also take "inf", "nan" and hex digits after "0x".
bool decimalShape(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const std::size_t whole = digitsAt(text, at);
  at += whole;
  std::size_t fraction = 0;
  if (at < text.size() && text[at] == '.') {
    fraction = digitsAt(text, at + 1);
    at += 1 + fraction;
  }
  if (whole + fraction == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t exponent = digitsAt(text, at);
    if (exponent == 0) return false;
    at += exponent;
  }
  return at == text.size();
}

}  // namespace

std::optional<double> parseDecimal(std::string_view text) {
  if (!decimalShape(text)) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);  // from_chars takes no plus sign
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value + 0.0;  // -0 + 0 is +0: a depth of "-0" is a depth of 0
}

std::optional<long long> parseWhole(std::string_view text) {
  const std::size_t sign = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (digitsAt(text, sign) != text.size() - sign || text.size() == sign) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);  // from_chars takes no plus sign
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> parseShape(std::string_view text) {
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '3') return text[0] - '0';
  for (int s = 0; s < 4; ++s) {
    const std::string_view name = shapeName(s);
    bool same = name.size() == text.size();
    for (std::size_t i = 0; same && i < text.size(); ++i)
      same = std::toupper(static_cast<unsigned char>(text[i])) == name[i];
    if (same) return s;
  }
  return std::nullopt;
}

std::optional<RangeText> parseRange(std::string_view text) {
  std::optional<double> values[3];
  int count = 0;
  for (std::size_t from = 0;; ++count) {
    if (count == 3) return std::nullopt;  // a fourth part
    const std::size_t colon = text.find(':', from);
    values[count] = parseDecimal(text.substr(from, colon - from));
    if (!values[count]) return std::nullopt;
    if (colon == std::string_view::npos) break;
    from = colon + 1;
  }
  RangeText range;
  range.first = *values[0];
  range.last = count >= 1 ? *values[1] : *values[0];
  if (count == 2) range.step = values[2];
  return range;
}

std::optional<PixelSize> parsePixelSize(std::string_view text) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) return std::nullopt;
  const std::optional<long long> w = parseWhole(text.substr(0, x));
  const std::optional<long long> h = parseWhole(text.substr(x + 1));
  if (!w || !h || *w < 0 || *h < 0 || *w > kLargestPixelCount || *h > kLargestPixelCount)
    return std::nullopt;
  return PixelSize{static_cast<int>(*w), static_cast<int>(*h)};
}

}  // namespace kelvane::cli
