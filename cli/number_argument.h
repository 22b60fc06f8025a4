// The values typed on the command line, read whole: decimal numbers (never
// hex, "inf" or "nan", nor a value that overflows), whole numbers, lens
// shapes, ranges A:B:S and pixel sizes WxH. Each reader takes the whole
// text or nothing; the option layer (typed_options.h) turns a refusal into
// a message that names the option.
#pragma once

#include <optional>
#include <string_view>

namespace kelvane::cli {

// A finite decimal number: [+-]digits[.digits][e[+-]digits] (".5" and "5."
// too). "-0" reads as 0.
std::optional<double> parseDecimal(std::string_view text);

// A whole decimal number that fits a long long: [+-]digits.
std::optional<long long> parseWhole(std::string_view text);

// A lens shape: "CVCV".."CCCC" in any case, or 0..3.
std::optional<int> parseShape(std::string_view text);

// "A", "A:B" or "A:B:S", each a decimal number. "A" stands for A:A.
struct RangeText {
  double first = 0;
  double last = 0;
  std::optional<double> step;
};
std::optional<RangeText> parseRange(std::string_view text);

// "WxH" (or "WXH"): two whole numbers from 0 to 10^9 (the picture's own
// limits are checked where it is drawn).
struct PixelSize {
  int width = 0;
  int height = 0;
};
std::optional<PixelSize> parsePixelSize(std::string_view text);

}  // namespace kelvane::cli
