#include "optics/refraction.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "optics/fpflags.h"

namespace kelvane {
namespace {

constexpr double kTruePi = std::numbers::pi;

TEST(FaceRefract, WorkedValueBendsTowardTheAxis) {
  const double out = faceRefract(kTruePi / 3, 0.0, 2.0 / 3.0);
  EXPECT_NEAR(out, -0.1837618661441771, 1e-15);
  EXPECT_NEAR(out * 180 / kTruePi, -10.528779365509319, 1e-12);
  EXPECT_NEAR(faceRefract(-kTruePi / 3, 0.0, 2.0 / 3.0), 0.1837618661441771, 1e-15);
  // The normal-relative law gives the same ray: 30 degrees in, 19.47 out.
  EXPECT_NEAR(normalRefract(kTruePi / 6, 2.0 / 3.0) * 180 / kTruePi, 19.471220634490688, 1e-12);
}

TEST(FaceRefract, UnitRatioAndTheZeroFaceBranch) {
  EXPECT_NEAR(faceRefract(0.5, 0.0, 1.0), 0.0, 1e-15);  // theta <= phi passes unchanged
  EXPECT_NEAR(faceRefract(0.5, 0.2, 1.0), 0.2, 1e-15);
  EXPECT_DOUBLE_EQ(faceRefract(0.5, 0.7, 1.0), 2 * 0.5 - 0.7);  // theta > phi leaves as 2phi - theta
  // phi = 0 takes the phi - r branch: the result is -r, never +r.
  EXPECT_LT(faceRefract(0.0, 0.3, 1.0), 0.0);
  EXPECT_DOUBLE_EQ(faceRefract(0.0, 0.3, 1.0), -0.3);
}

TEST(FaceRefract, TotalInternalReflectionRaisesInvalid) {
  fpClearFlags();
  double out = faceRefract(0.2, -0.5, 1.5);
  fpFence(out);
  EXPECT_TRUE(std::isnan(out));
  EXPECT_TRUE(fpErrorTest());
  EXPECT_FALSE(fpErrorTest()) << "the test clears the flags it reports";
}

TEST(SlopeRefract, SameRayAsTheFaceLaw) {
  EXPECT_NEAR(slopeRefract(std::tan(kTruePi / 3), 0.0, 2.0 / 3.0), -0.1858586421363104, 1e-15);
  EXPECT_NEAR(std::atan(slopeRefract(std::tan(kTruePi / 3), 0.0, 2.0 / 3.0)), -0.1837618661441771, 1e-15);
}

TEST(FaceSlope, OnTheAxisDividesByZero) {
  const Ellipse e{2, 1, 0, 0};
  EXPECT_DOUBLE_EQ(faceSlope(e, std::sqrt(2.0), std::sqrt(0.5)), -0.25 * std::sqrt(2.0) / std::sqrt(0.5));
  fpClearFlags();
  double s = faceSlope(e, 2.0, 0.0);
  fpFence(s);
  EXPECT_TRUE(std::isinf(s));
  EXPECT_TRUE(fpErrorTest());
}

TEST(FpErrorTest, InexactAloneIsNoError) {
  fpClearFlags();
  volatile double third = 1.0;
  double x = third / 3.0;
  fpFence(x);
  EXPECT_FALSE(fpErrorTest());
}

}  // namespace
}  // namespace kelvane
