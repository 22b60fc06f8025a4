#include "calc/design_line.h"

#include <charconv>

namespace kelvane {

namespace {

std::string exact(double v) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, v + 0.0).ptr;  // + 0.0: no "-0"
  return std::string(text, end);
}

}  // namespace

std::string designedLensLine(const Lens& l) {
  return "lens " + exact(l.ivx) + " " + exact(l.ivy) + " " + exact(l.evx) + " " + exact(l.evy) +
         " " + exact(l.depth) + " " + std::string(shapeName(l.shape));
}

}  // namespace kelvane
