// Fuzz target: the Focus Results window's two readers. The input's first
// line is the filter line the user types; the rest is a focus table (as a
// table file, then as a trace file). The first row the filter lets through
// is stepped into a headless lens view and traced, as "Step into lens" does.
//
// A table that reads must hold only real numbers, a header before its rows,
// a positive index and a known shape; one that does not must say why.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/focus_results.h"
#include "calc/focus_results_filter.h"
#include "script/headless_host.h"

namespace {

using namespace kelvane;

[[noreturn]] void broken(const char* what) {
  std::fprintf(stderr, "focus results target: %s\n", what);
  std::abort();
}

void checkTable(const FocusResults& results) {
  if (results.tables < 1 || results.headerLine < 1) broken("rows without a header");
  if (results.rindex && !(*results.rindex > 0 && std::isfinite(*results.rindex)))
    broken("an index that is no index");
  if (results.lensShape() < 0 || results.lensShape() > 3) broken("an unknown shape");
  for (const FocusResultRow& row : results.rows)
    for (int column = 0; column < kFocusResultColumns; ++column)
      if (!std::isfinite(columnValue(row, column))) broken("a row with a number that is none");
}

void stepInto(const FocusResults& results, const FocusResultRow& row) {
  HeadlessHost host;
  const Lens lens = lensOfRow(row, results.lensShape());
  host.setLensValues({lens.ivx, lens.ivy, lens.evx, lens.evy, lens.depth});
  host.setLensShape(lens.shape);
  if (results.rindex) host.setIndexRatio(1.0 / *results.rindex);
  host.refreshLensControl();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto lineEnd = input.find('\n');
  const std::string_view filterText = input.substr(0, lineEnd);
  const std::string_view table =
      lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);

  std::string why;
  const auto filter = parseFocusResultsFilter(filterText, &why);
  if (!filter && why.empty()) broken("a refused filter without a reason");

  for (const bool traceFile : {false, true}) {
    FocusResults results;
    if (const auto error = parseFocusResults(table, results, {traceFile})) {
      if (error->reason.empty() || error->message().empty()) broken("an error without a reason");
      continue;
    }
    checkTable(results);
    if (!filter) continue;
    for (const FocusResultRow& row : results.rows) {
      if (!filter->accepts(row)) continue;
      stepInto(results, row);
      break;
    }
  }
  return 0;
}
