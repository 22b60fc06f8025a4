// Fuzz target: the table's axis ranges A, A:B and A:B:S. A range that reads
// has at most three decimal parts, each read as the number reader reads it;
// its axis is then counted as the table counts it, which must end and agree
// with the axis's own values.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/table_grid.h"
#include "cli/number_argument.h"

namespace {

using namespace kelvane;
using namespace kelvane::cli;

[[noreturn]] void broken(const char* what, const std::string& text) {
  std::fprintf(stderr, "cli range target: %s: \"%s\"\n", what, text.c_str());
  std::abort();
}

void checkCount(const RangeText& range, const std::string& text) {
  TableGrid grid;
  grid.depth = {range.first, range.last, range.step.value_or(1)};
  const long long n = grid.depth.count();
  if (gridProblem(grid)) return;
  if (n < 1) broken("a grid that sweeps an empty axis", text);
  const double slack = grid.depth.step * 1e-9;
  if (grid.depth.at(n - 1) > range.last + slack || grid.depth.at(n) <= range.last + slack)
    broken("a count that misses the end of the axis", text);
  if (n > 1 && grid.depth.at(n - 1) == grid.depth.at(n - 2))
    broken("an axis that repeats a value", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<RangeText> range = parseRange(text);
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t colon; (colon = text.find(':', from)) != std::string::npos; from = colon + 1)
    parts.push_back(text.substr(from, colon - from));
  parts.push_back(text.substr(from));
  bool partsRead = parts.size() <= 3;
  for (const std::string& part : parts) partsRead = partsRead && parseDecimal(part).has_value();
  if (range.has_value() != partsRead) broken("a range read unlike its parts", text);
  if (!range) return 0;
  if (range->first != *parseDecimal(parts[0]) ||
      range->last != *parseDecimal(parts[parts.size() > 1 ? 1 : 0]) ||
      range->step.has_value() != (parts.size() == 3))
    broken("a range with other values than its parts", text);
  checkCount(*range, text);
  return 0;
}
