#include "calc/design_line.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <version>

namespace kelvane {

namespace {

// The shortest text that reads back as the same double (+ 0.0: no "-0").
std::string exact(double v) {
  v += 0.0;
  char text[32];
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
  const auto end = std::to_chars(text, text + sizeof text, v).ptr;
  return std::string(text, end);
#else
  // The page's C++ library has no floating-point to_chars: the fewest
  // significant digits that read back, which for a lens's values (no
  // exponent) is the same text.
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, v);
    if (std::strtod(text, nullptr) == v) break;
  }
  return text;
#endif
}

}  // namespace

std::string designedLensLine(const Lens& l) {
  return "lens " + exact(l.ivx) + " " + exact(l.ivy) + " " + exact(l.evx) + " " + exact(l.evy) +
         " " + exact(l.depth) + " " + std::string(shapeName(l.shape));
}

}  // namespace kelvane
