#include "calc/table_grid.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "optics/lens.h"

namespace kelvane {

namespace {

// A value within this share of a step above B still counts as B: A + i*S
// rounds, and 0:1:0.1 must end at 1.
constexpr double kLastValueSlack = 1e-9;
// Axes longer than this are refused before any count is taken in integers.
constexpr double kMaxAxisValues = 1e15;
// A + i*S rounds, so the count from (B - A) / S may be off by a value or
// two; never by more while the step still changes the values.
constexpr int kRoundingSlack = 4;
// Rows a seek walks before it bisects instead.
constexpr int kMaxRowWalk = 64;

bool axisUsable(const GridAxis& a) {
  return std::isfinite(a.first) && std::isfinite(a.last) && std::isfinite(a.step) && a.step > 0 &&
         a.first <= a.last && (a.last - a.first) / a.step < kMaxAxisValues;
}

// The number of values up to B, or -1 when the axis is not usable or its
// step is too small to change its values (A + i*S == A + (i+1)*S): such an
// axis would repeat one value, or never reach B.
long long countValues(const GridAxis& a) {
  if (!axisUsable(a)) return -1;
  const double limit = a.last + a.step * kLastValueSlack;
  long long n = static_cast<long long>(std::floor((a.last - a.first) / a.step)) + 1;
  for (int k = 0; k < kRoundingSlack && n > 0 && a.at(n - 1) > limit; ++k) --n;
  for (int k = 0; k < kRoundingSlack && a.at(n) <= limit; ++k) ++n;
  // Values grow apart with their size: the ends are where a step is lost first.
  const bool settled = n > 0 && a.at(n - 1) <= limit && a.at(n) > limit;
  if (!settled || a.at(0) == a.at(1)) return -1;
  return n;
}

// Shortest text that reads back as the same double ("0.1", "150", "1e-09").
std::string number(double v) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, v);
  return std::string(text, result.ptr);
}

std::string axisText(const char* name, const GridAxis& a) {
  return std::string(name) + "=" + number(a.first) + ":" + number(a.last) + ":" + number(a.step);
}

}  // namespace

long long GridAxis::count() const { return std::max(0LL, countValues(*this)); }

long long GridAxis::countAtMost(double v) const {
  const long long n = count();
  if (n == 0 || !(v >= first)) return 0;
  const double share = std::floor((v - first) / step) + 1;
  long long k = share >= static_cast<double>(n) ? n : static_cast<long long>(share);
  while (k > 0 && at(k - 1) > v) --k;
  while (k < n && at(k) <= v) ++k;
  return k;
}

long long GridAxis::firstAtLeast(double v) const {
  const long long n = count();
  if (!(v > first)) return 0;
  const double share = std::ceil((v - first) / step);
  long long k = share >= static_cast<double>(n) ? n : static_cast<long long>(share);
  while (k > 0 && at(k - 1) >= v) --k;
  while (k < n && at(k) < v) ++k;
  return k;
}

double TableGrid::lensBound() const {
  return static_cast<double>(ivx.count()) * static_cast<double>(ivy.count()) *
         static_cast<double>(evx.count()) * static_cast<double>(evy.count()) *
         static_cast<double>(depth.count());
}

std::optional<std::string> gridProblem(const TableGrid& grid) {
  if (grid.shape < 0 || grid.shape > 3) return "the shape must be CVCV, CVCC, CCCV or CCCC";
  if (!std::isfinite(grid.devLimit) || grid.devLimit <= 0)
    return "--dev-limit must be a finite percentage above 0";
  const std::pair<const char*, const GridAxis*> axes[] = {{"ivx", &grid.ivx},
                                                          {"ivy", &grid.ivy},
                                                          {"evx", &grid.evx},
                                                          {"evy", &grid.evy},
                                                          {"depth", &grid.depth}};
  for (const auto& [name, axis] : axes) {
    const std::string option = std::string("--") + name;
    if (!std::isfinite(axis->first) || !std::isfinite(axis->last) || axis->first > axis->last ||
        axis->first <= 0)
      return option + " must be A:B with 0 < A <= B, not " + number(axis->first) + ":" +
             number(axis->last);
    if (!std::isfinite(axis->step) || axis->step <= 0)
      return "the step of " + std::string(name) + " must be a finite number above 0, not " +
             number(axis->step);
    if (!axisUsable(*axis)) return option + " has over 10^15 values";
    if (countValues(*axis) < 0)
      return "the step of " + std::string(name) + ", " + number(axis->step) +
             ", is too small to change its values near " + number(axis->last);
  }
  if (grid.lensBound() > kMaxGridLenses)
    return "the grid has " + number(grid.lensBound()) + " lenses, over the limit of 10^15";
  return std::nullopt;
}

std::string gridCommentLine(const TableGrid& grid, double rindex) {
  std::string line =
      "# kelvane table shape=" + std::string(shapeName(grid.shape)) + " rindex=" + number(rindex);
  line += " " + axisText("ivx", grid.ivx) + " " + axisText("ivy", grid.ivy) + " " +
          axisText("evx", grid.evx) + " " + axisText("evy", grid.evy) + " " +
          axisText("depth", grid.depth);
  line += " dev-limit=" + number(grid.devLimit);
  return line;
}

IngressPairs::IngressPairs(const TableGrid& grid) : m_ivx(grid.ivx), m_ivy(grid.ivy) {
  const long long nx = m_ivx.count();
  const long long ny = m_ivy.count();
  if (nx == 0 || ny == 0) return;
  m_firstIvx = m_ivx.firstAtLeast(m_ivy.at(0));
  // From the first ivx at or above the last ivy on, every row holds all ivy.
  m_fullRows = std::max(m_firstIvx, m_ivx.firstAtLeast(m_ivy.at(ny - 1)));
  // The growing rows, counted along the shorter of the two axes.
  if (m_fullRows - m_firstIvx <= ny) {
    for (long long i = m_firstIvx; i < m_fullRows; ++i) m_partialPairs += ivyCount(i);
  } else {
    m_partialPairs = pairsBefore(m_fullRows);
  }
  m_size = m_partialPairs + (nx - m_fullRows) * ny;
  m_i = m_firstIvx;
}

long long IngressPairs::ivyCount(long long ivxIndex) const {
  return m_ivy.countAtMost(m_ivx.at(ivxIndex));
}

void IngressPairs::seek(long long p, long long& ivxIndex, long long& ivyIndex) {
  if (p >= m_partialPairs) {
    // Rows of equal length: straight arithmetic.
    const long long ny = m_ivy.count();
    ivxIndex = m_fullRows + (p - m_partialPairs) / ny;
    ivyIndex = (p - m_partialPairs) % ny;
    return;
  }
  // Rows that grow with ivx: walk from the last row asked for, which is
  // cheap in sweep order; a pair far away is found by bisection instead.
  int steps = 0;
  while (p < m_rowStart && steps++ < kMaxRowWalk) m_rowStart -= ivyCount(--m_i);
  while (p >= m_rowStart + ivyCount(m_i) && steps++ < kMaxRowWalk) m_rowStart += ivyCount(m_i++);
  if (p < m_rowStart || p >= m_rowStart + ivyCount(m_i)) {
    // The last row starting at or before p; every growing row holds a pair.
    long long low = m_firstIvx;
    long long high = m_fullRows;
    while (high - low > 1) {
      const long long mid = low + (high - low) / 2;
      (pairsBefore(mid) <= p ? low : high) = mid;
    }
    m_i = low;
    m_rowStart = pairsBefore(low);
  }
  ivxIndex = m_i;
  ivyIndex = p - m_rowStart;
}

long long IngressPairs::pairsBefore(long long row) const {
  // Each ivy pairs with the growing rows from the first ivx at or above it.
  long long pairs = 0;
  const long long ny = m_ivy.count();
  for (long long j = 0; j < ny; ++j) {
    const long long from = std::max(m_firstIvx, m_ivx.firstAtLeast(m_ivy.at(j)));
    if (from >= row) break;  // ivy grows: so does its first row
    pairs += row - from;
  }
  return pairs;
}

}  // namespace kelvane
