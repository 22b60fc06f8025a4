#include "optics/lens.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(Constants, DerivedFromTwentyTwoSevenths) {
  EXPECT_DOUBLE_EQ(PI, 3.142857142857143);
  EXPECT_EQ(HALF_PI, 1.5714285714285714);
  EXPECT_EQ(TWO_PI, 6.285714285714286);
  EXPECT_EQ(DEG_TO_RAD, 0.01746031746031746);
  EXPECT_EQ(RAD_TO_DEG, 57.27272727272727);
  EXPECT_EQ(DEG_TO_RAD * 180, 3.142857142857143);
  EXPECT_EQ(40.0 * DEG_TO_RAD, 0.6984126984126984);
}

TEST(LensModel, ShapeNamesAndEgressCentres) {
  Lens lens = kInitialLens;
  lens.shape = 1;
  EXPECT_EQ(shapeName(lens.shape), "CVCC");
  EXPECT_EQ(faceEllipse(lens, Face::Egress).cx, 112 - 143);
  lens.shape = 0;
  EXPECT_EQ(shapeName(lens.shape), "CVCV");
  EXPECT_EQ(faceEllipse(lens, Face::Egress).cx, 112 + 143);
  EXPECT_EQ(shapeName(2), "CCCV");
  EXPECT_EQ(shapeName(3), "CCCC");
  lens.shape = 2;
  EXPECT_EQ(faceEllipse(lens, Face::Ingress).cx, -219);
  EXPECT_TRUE(lensFace(lens, Face::Ingress).concave);
  EXPECT_FALSE(lensFace(lens, Face::Egress).concave);
}

TEST(LensModel, FacePointsAndRightmostX) {
  const Lens cvcv = kInitialLens;
  EXPECT_DOUBLE_EQ(facePointX(cvcv, Face::Ingress, 0), 0);
  EXPECT_DOUBLE_EQ(facePointX(cvcv, Face::Egress, 0), 112);
  EXPECT_DOUBLE_EQ(facePointX(cvcv, Face::Ingress, 163), 219);  // CV bulges toward -x
  Lens cccc = kInitialLens;
  cccc.shape = 3;
  EXPECT_DOUBLE_EQ(facePointX(cccc, Face::Ingress, 163), -219);
  EXPECT_DOUBLE_EQ(facePointX(cccc, Face::Egress, 260), 112 - 143);
  EXPECT_EQ(faceEllipseRightX(cvcv, Face::Ingress), 438);
  EXPECT_EQ(faceEllipseRightX(cvcv, Face::Egress), 112 + 286);
  EXPECT_EQ(faceEllipseRightX(cccc, Face::Ingress), 0);
  EXPECT_EQ(faceEllipseRightX(cccc, Face::Egress), 112);
}

TEST(LensModel, Eccentricity) {
  EXPECT_EQ(eccentricity(7, 7), 0);
  EXPECT_DOUBLE_EQ(eccentricity(3, 5), 0.8);
  EXPECT_DOUBLE_EQ(eccentricity(5, 3), 0.8);
  EXPECT_DOUBLE_EQ(eccentricity(219, 163), 0.6678540748413596);
  EXPECT_DOUBLE_EQ(eccentricity(143, 260), 0.8351646544245033);
}

TEST(LensModel, RefractiveIndexRoundTrip) {
  EXPECT_EQ(kInitialIndexRatio, 0.6666666666666666);
  char shown[16];
  std::snprintf(shown, sizeof shown, "%2.2f", rindexFromRatio(kInitialIndexRatio));
  EXPECT_EQ(std::string(shown), "1.50");
  EXPECT_DOUBLE_EQ(ratioFromRindex(1.25), 0.8);
}

}  // namespace
}  // namespace kelvane
