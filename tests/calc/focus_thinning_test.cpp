#include "calc/focus_thinning.h"

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace kelvane {
namespace {

// Which of the first `count` good lenses of one focus get a row (1-based).
std::vector<int> admitted(FocusThinning& thinning, double focus, int count) {
  std::vector<int> written;
  for (int n = 1; n <= count; ++n)
    if (thinning.admit(focus)) written.push_back(n);
  return written;
}

TEST(FocusThinning, WritesTheFirstTenThenEveryHalfRowCountth) {
  FocusThinning thinning;
  const std::vector<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 20, 26, 32, 39, 46, 54};
  EXPECT_EQ(admitted(thinning, 250.7, 54), expected);
  EXPECT_EQ(thinning.rowsPrinted(50), 17);
}

TEST(FocusThinning, BucketsCountApart) {
  FocusThinning thinning;
  admitted(thinning, 250.7, 12);  // bucket 50 is thinning now
  EXPECT_TRUE(thinning.admit(251.0)) << "bucket 51 still writes its first rows";
  EXPECT_EQ(thinning.rowsPrinted(51), 1);
  // Bucket 50 goes on where it left off: its 15th good lens is written.
  EXPECT_EQ(admitted(thinning, 250.2, 3), (std::vector<int>{3}));
}

TEST(FocusThinning, FociOutside200To400AreAlwaysWrittenAndNeverCounted) {
  FocusThinning thinning;
  for (double focus : {150.0, 199.999, 400.0, 450.0}) {
    EXPECT_EQ(FocusThinning::bucket(focus), -1) << focus;
    EXPECT_EQ(admitted(thinning, focus, 30).size(), 30u) << focus;
  }
  for (int b = 0; b < FocusThinning::kBuckets; ++b) EXPECT_EQ(thinning.rowsPrinted(b), 0);
  EXPECT_EQ(FocusThinning::bucket(200.0), 0);
  EXPECT_EQ(FocusThinning::bucket(250.7), 50);
  EXPECT_EQ(FocusThinning::bucket(399.999), 199);
}

TEST(FocusThinning, FociBeyondTheIntRangeAreSafe) {
  FocusThinning thinning;
  const double huge[] = {1e300, 3e9, -3e9, -1e300, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()};
  for (double focus : huge) {
    EXPECT_EQ(FocusThinning::bucket(focus), -1) << focus;
    EXPECT_TRUE(thinning.admit(focus)) << focus;
  }
}

}  // namespace
}  // namespace kelvane
