#include "cli/number_argument.h"

#include <cmath>
#include <cstdlib>

namespace kelvane::cli {

bool parseFiniteNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const double parsed = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

}  // namespace kelvane::cli
