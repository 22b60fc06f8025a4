// The filter line of the Focus Results window: conditions on the columns of
// a focus table, all of which a row must meet. Qt-free.
//
//   focus 250-300        a range, both ends included (also "250..300")
//   devpcnt < 0.005      <, <=, >, >= or = with one number
//   depth 60             one value
//   focus 250-300, devpcnt < 0.005   several, separated by "," ";" or "and"
//
// Column names are those of the header, in any case. Equal means equal to
// the number as the row holds it (the table's own rounding).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/focus_results.h"

namespace kelvane {

struct FocusResultCondition {
  int column = 0;
  double low = 0;         // -inf for none
  double high = 0;        // +inf for none
  bool lowOpen = false;   // low itself is excluded
  bool highOpen = false;  // high itself is excluded

  bool accepts(const FocusResultRow& row) const {
    const double v = columnValue(row, column);
    return (lowOpen ? v > low : v >= low) && (highOpen ? v < high : v <= high);
  }
};

struct FocusResultsFilter {
  std::vector<FocusResultCondition> conditions;

  bool empty() const { return conditions.empty(); }
  bool accepts(const FocusResultRow& row) const {
    for (const FocusResultCondition& c : conditions)
      if (!c.accepts(row)) return false;
    return true;
  }
};

// Parses a filter line; blank text is the empty filter (every row). On a
// mistake returns nothing and says what is wrong in `error`.
std::optional<FocusResultsFilter> parseFocusResultsFilter(std::string_view text,
                                                          std::string* error = nullptr);

}  // namespace kelvane
