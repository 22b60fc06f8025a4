// Fuzz target: the command line's number, whole-number and shape readers.
// What they take must be what strtod and strtoll take, written only in
// decimal digits, and read back the same when printed; plain digits must
// always be taken.
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/number_argument.h"

namespace {

using namespace kelvane::cli;

[[noreturn]] void broken(const char* what, const std::string& text) {
  std::fprintf(stderr, "cli number target: %s: \"%s\"\n", what, text.c_str());
  std::abort();
}

void checkDecimal(const std::string& text) {
  const std::optional<double> value = parseDecimal(text);
  const bool plain = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  if (plain && !value && text.size() < 300) broken("plain digits refused", text);
  if (!value) return;
  if (text.find_first_not_of("0123456789+-.eE") != std::string::npos)
    broken("a number with a letter or space", text);
  if (!std::isfinite(*value) || std::signbit(*value) != (*value < 0))
    broken("a value that is not finite, or -0", text);
  char* end = nullptr;
  const double expected = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || expected != *value)
    broken("not what strtod reads", text);
  char printed[40];
  std::snprintf(printed, sizeof printed, "%.17g", *value);
  if (parseDecimal(printed) != *value) broken("does not read back", text);
}

void checkWhole(const std::string& text) {
  const std::optional<long long> value = parseWhole(text);
  if (!value) return;
  if (text.find_first_not_of("0123456789+-") != std::string::npos)
    broken("a whole number with another character", text);
  char* end = nullptr;
  errno = 0;
  const long long expected = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || end != text.c_str() + text.size() || expected != *value)
    broken("not what strtoll reads", text);
}

void checkShape(const std::string& text) {
  const std::optional<int> shape = parseShape(text);
  std::string upper;
  for (char c : text) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const bool known = upper == "CVCV" || upper == "CVCC" || upper == "CCCV" || upper == "CCCC" ||
                     (text.size() == 1 && text[0] >= '0' && text[0] <= '3');
  if (shape.has_value() != known || (shape && (*shape < 0 || *shape > 3)))
    broken("a shape read wrongly", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  checkDecimal(text);
  checkWhole(text);
  checkShape(text);
  return 0;
}
