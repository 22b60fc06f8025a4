// The grid a focus table sweeps: five axes (ivx, ivy, evx, evy, depth), each
// A:B:S with both ends inclusive, the lens shape and the deviation limit.
// The default grid is the program's own table: CVCV, every semi-axis from
// 150 to 350 and the depth from 30 to 180, all in steps of 1, limit 0.01 %.
//
// Axis values are computed by index, A + i*S, never by adding S again and
// again: a step like 0.1 would otherwise drift, and two machines that split
// the sweep could disagree about a value. For whole-number grids this gives
// exactly the doubles the plain loops give. The last value is B when A + i*S
// lands within a billionth of a step of it.
//
// The loop rules keep their form on any grid: ivy takes the values of its
// axis up to ivx, evy those of its axis from the greater of ivy and evx on.
#pragma once

#include <optional>
#include <string>

namespace kelvane {

struct GridAxis {
  double first = 0;
  double last = 0;
  double step = 1;

  // Number of values A + i*S up to B: 0 for an invalid axis, or one whose
  // step is too small to change its values.
  long long count() const;
  double at(long long i) const { return first + static_cast<double>(i) * step; }
  // Number of the axis values that are <= v.
  long long countAtMost(double v) const;
  // Index of the first axis value >= v; count() when there is none.
  long long firstAtLeast(double v) const;
};

inline constexpr double kDefaultDevLimit = 0.01;  // percent
inline constexpr double kMaxGridLenses = 1e15;    // a bigger grid is refused
// Lenses of one piece of a sweep's group (table_groups.h): the evx and evy
// loops of the program's own table (201 x 201) are one.
inline constexpr long long kTablePieceLenses = 1 << 16;

struct TableGrid {
  int shape = 0;  // 0 "CVCV" .. 3 "CCCC"
  GridAxis ivx{150, 350, 1};
  GridAxis ivy{150, 350, 1};
  GridAxis evx{150, 350, 1};
  GridAxis evy{150, 350, 1};
  GridAxis depth{30, 180, 1};
  double devLimit = kDefaultDevLimit;  // a good lens deviates less than this percentage

  // Lenses of the full grid before the loop rules cut it: the product of
  // the five axis counts (a double: it may exceed every integer type).
  double lensBound() const;
};

// Why a grid cannot be swept (an axis with A > B, a step of 0 or below or
// too small to change the axis's values, a value that is not finite, a bad
// shape or limit, over 10^15 lenses), or nothing when it can.
std::optional<std::string> gridProblem(const TableGrid& grid);

// The comment line that heads a table of a non-default sweep:
// "# kelvane table shape=CVCC rindex=1.7 ivx=150:350:1 ... depth=30:180:1 dev-limit=0.01".
std::string gridCommentLine(const TableGrid& grid, double rindex);

// The (ivx, ivy) pairs of one depth in sweep order (ivx outer, ivy up to
// ivx), numbered from 0. Holds no list, so any grid fits: a cursor walks
// from the last pair asked for, which is cheap because the sweep asks in
// nearly increasing order; a pair far from it (an estimate's sample) is
// found by bisection over the rows.
class IngressPairs {
 public:
  explicit IngressPairs(const TableGrid& grid);

  long long size() const { return m_size; }
  // The pair numbered p (0 <= p < size()): axis indices into ivx and ivy.
  void seek(long long p, long long& ivxIndex, long long& ivyIndex);

 private:
  long long ivyCount(long long ivxIndex) const;
  // Pairs in the growing rows before row `row` (m_firstIvx..m_fullRows).
  long long pairsBefore(long long row) const;

  GridAxis m_ivx;
  GridAxis m_ivy;
  long long m_firstIvx = 0;      // the first ivx with an ivy at or below it
  long long m_fullRows = 0;      // the first ivx whose row holds every ivy
  long long m_partialPairs = 0;  // pairs in the rows before m_fullRows
  long long m_size = 0;
  // Cursor over the growing rows: row m_i starts at pair m_rowStart.
  long long m_i = 0;
  long long m_rowStart = 0;
};

}  // namespace kelvane
