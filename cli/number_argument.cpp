#include "cli/number_argument.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "optics/lens.h"

namespace kelvane::cli {

bool parseFiniteNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const double parsed = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

int parseShape(const std::string& text) {
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '3') return text[0] - '0';
  std::string upper;
  for (char c : text) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (int s = 0; s < 4; ++s)
    if (upper == shapeName(s)) return s;
  return -1;
}

}  // namespace kelvane::cli
