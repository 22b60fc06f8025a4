// The focus table's thinning: every focus from 200 up to (not including) 400
// falls into a bucket of width 1. A bucket writes its first ten good lenses,
// then only every n-th, n being half the rows it has written so far, so dense
// regions of the parameter space are sampled ever more sparsely.
#pragma once

#include <array>

namespace kelvane {

class FocusThinning {
 public:
  static constexpr int kBuckets = 200;
  static constexpr double kFirstFocus = 200.0;  // bucket 0 holds foci in [200, 201)

  // The bucket of a focus, or -1 for a focus outside [200, 400) (never
  // thinned). Safe for any double, NaN and foci beyond the int range
  // included.
  static int bucket(double focus);

  // Decides for the next good lens with this focus whether its row is
  // written, and counts the row when it is.
  bool admit(double focus);

  int rowsPrinted(int bucket) const { return m_rowsPrinted[bucket]; }

 private:
  std::array<int, kBuckets> m_rowsPrinted{};  // rows written per bucket
  std::array<int, kBuckets> m_skipCounter{};  // lenses still to pass over
};

}  // namespace kelvane
