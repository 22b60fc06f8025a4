// The physics of images: the paraxial thick lens against the thick-lens
// formula, and the traced image against the lens equation where they must
// agree (near the axis) and where the textbook says what happens.
#include <gtest/gtest.h>

#include <cmath>

#include "optics/focus.h"
#include "optics/source_trace.h"

namespace kelvane {
namespace {

constexpr double kGlass = 1.0 / 1.5;  // index ratio of n = 1.5

BeamSettings lockedAt(double width) {
  BeamSettings s = kInitialCurrentSettings;
  s.flags = BEAM_LOCKED;
  s.lockedWidth = width;
  s.pointsMode = 0;
  return s;
}

SourceTrace image(const Lens& lens, double distance, double height, double width) {
  const SourceKind kind = height == 0 ? SourceKind::Point : SourceKind::Object;
  return traceSource(lens, kGlass, lockedAt(width), LightSource{kind, distance, height});
}

TEST(Paraxial, ThickLensFormulaAndSignsOfTheRadii) {
  const Lens biconvex{300, 200, 300, 200, 80, 1};  // CVCC
  const ParaxialLens p = paraxialLens(biconvex, kGlass);
  EXPECT_NEAR(p.r1, 133.3333333, 1e-6);
  EXPECT_NEAR(p.r2, -133.3333333, 1e-6);
  const double n = 1.5, d = 80;
  const double power = (n - 1) * (1 / p.r1 - 1 / p.r2 + (n - 1) * d / (n * p.r1 * p.r2));
  EXPECT_NEAR(p.focalLength, 1 / power, 1e-9);
  // Symmetric: H and H' lie symmetrically inside, f from each.
  EXPECT_NEAR(p.principal1, d - p.principal2, 1e-9);
  EXPECT_NEAR(p.focus - p.principal2, p.focalLength, 1e-9);
  // The egress face seen concave by the light inside bulges toward +x: a
  // double-concave lens has the radii the other way round and diverges.
  const ParaxialLens concave = paraxialLens(Lens{300, 200, 300, 200, 10, 2}, kGlass);
  EXPECT_LT(concave.r1, 0);
  EXPECT_GT(concave.r2, 0);
  EXPECT_LT(concave.focalLength, 0);
}

// Near the axis the traced image is the lens equation's, for every shape.
TEST(TracedImage, ConvergesOnTheParaxialOneForSmallApertures) {
  const Lens lenses[] = {{300, 200, 250, 240, 60, 0},
                         {300, 200, 250, 240, 60, 1},
                         {300, 200, 250, 240, 60, 2},
                         {300, 200, 250, 240, 60, 3},
                         kInitialLens};
  for (const Lens& lens : lenses) {
    for (const double distance : {250.0, 900.0}) {
      const SourceTrace t = image(lens, distance, 0, 1);
      ASSERT_TRUE(t.axis.image.found) << shapeName(lens.shape) << " at " << distance;
      ASSERT_TRUE(t.paraxialImage.finite);
      const double sPrime = t.paraxialImage.sPrime;
      EXPECT_NEAR(t.axis.image.x - t.paraxial.principal2, sPrime, 5e-4 * std::fabs(sPrime))
          << shapeName(lens.shape) << " at " << distance;
      EXPECT_EQ(t.axis.image.virtualImage, sPrime < 0) << shapeName(lens.shape);
    }
    // Parallel light: the traced focus of today's beams, for converging lenses.
    const ParaxialLens p = paraxialLens(lens, kGlass);
    if (p.focalLength > 0 && p.focus > lens.depth) {
      TracerContext ctx;
      ctx.indexRatio = kGlass;
      const double focus = findFocus(ctx, lens, lockedAt(1));
      EXPECT_NEAR(focus - p.principal2, p.focalLength, 5e-4 * p.focalLength) << shapeName(lens.shape);
    }
  }
}

TEST(TracedImage, SymmetricLensImagesAnObjectAtTwiceFocalLengthLifeSize) {
  const Lens lens{300, 200, 300, 200, 80, 1};
  const ParaxialLens p = paraxialLens(lens, kGlass);
  const double distance = 2 * p.focalLength - p.principal1;  // s = 2f from H
  const SourceTrace t = image(lens, distance, 10, 10);
  ASSERT_TRUE(t.axis.image.found && t.tip.image.found);
  EXPECT_NEAR(t.axis.image.x - p.principal2, 2 * p.focalLength, 0.01 * 2 * p.focalLength);
  EXPECT_NEAR(t.magnification(), -1, 0.01);
  EXPECT_NEAR(t.paraxialImage.magnification, -1, 1e-9);
  EXPECT_FALSE(t.axis.image.virtualImage);
  EXPECT_FALSE(t.tip.image.virtualImage);
  EXPECT_GT(t.tip.image.blur, 0);  // a real lens blurs even here
}

TEST(TracedImage, ObjectInsideTheFocalLengthGivesAVirtualUprightEnlargedImage) {
  const Lens lens{300, 200, 300, 200, 80, 1};
  const SourceTrace t = image(lens, 100, 30, 40);
  ASSERT_TRUE(t.axis.image.found && t.tip.image.found);
  EXPECT_TRUE(t.axis.image.virtualImage);
  EXPECT_TRUE(t.tip.image.virtualImage);
  EXPECT_LT(t.axis.image.x, 0);  // on the light's side
  EXPECT_GT(t.magnification(), 1);
  EXPECT_GT(t.paraxialImage.magnification, 1);
}

TEST(TracedImage, NoApertureNoImage) {
  BeamSettings refused = lockedAt(1);
  refused.minWidth = 5;
  const SourceTrace t = traceSource(Lens{300, 200, 300, 200, 80, 1}, kGlass, refused,
                                    LightSource{SourceKind::Object, 600, 50});
  EXPECT_FALSE(t.laidOut);
  EXPECT_FALSE(t.axis.image.found);
  EXPECT_TRUE(std::isnan(t.magnification()));
}

}  // namespace
}  // namespace kelvane
