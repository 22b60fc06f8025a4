#include "cli/table_estimate_line.h"

#include <cstdio>
#include <string>

namespace kelvane::cli {

namespace {

// 263746765 -> "263,746,765".
std::string grouped(double value) {
  char digits[64];
  std::snprintf(digits, sizeof digits, "%.0f", value);
  std::string text(digits);
  for (int at = static_cast<int>(text.size()) - 3; at > 0; at -= 3)
    text.insert(static_cast<std::size_t>(at), ",");
  return text;
}

std::string duration(double seconds) {
  char text[64];
  const double s = seconds + 0.5;
  if (s >= 3 * 86400.0)
    std::snprintf(text, sizeof text, "%.0f days", s / 86400);
  else if (s >= 3600)
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", static_cast<long>(s) / 3600,
                  static_cast<long>(s) / 60 % 60, static_cast<long>(s) % 60);
  else
    std::snprintf(text, sizeof text, "%ld:%02ld", static_cast<long>(s) / 60,
                  static_cast<long>(s) % 60);
  return text;
}

}  // namespace

void printTableEstimate(const TableEstimate& e, int ranks, int threadsPerRank) {
  const int workers = ranks * threadsPerRank;
  std::string where =
      std::to_string(threadsPerRank) + (threadsPerRank == 1 ? " thread" : " threads");
  if (ranks > 1) where = std::to_string(ranks) + " ranks x " + where;
  std::fprintf(
      stderr,
      "kelvane-cli table: %s lenses in the full grid (before the loop rules); about %s to trace, "
      "some %s on %s at %.2g million lenses/s each\n",
      grouped(e.lensBound).c_str(), grouped(e.lenses).c_str(), duration(e.seconds(workers)).c_str(),
      where.c_str(), e.lensesPerSecond / 1e6);
}

}  // namespace kelvane::cli
