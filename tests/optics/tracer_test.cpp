#include "optics/tracer.h"

#include <cmath>
#include <thread>

#include <gtest/gtest.h>

#include "optics/focus.h"
#include "optics/fpflags.h"
#include "optics/lens.h"

namespace kelvane {
namespace {

Lens lensWithShape(int shape) {
  Lens lens = kInitialLens;
  lens.shape = shape;
  return lens;
}

TEST(LayoutBeams, RimOfTheCurrentLensSetsCenterWidthAndSpacing) {
  TracerContext ctx;
  ASSERT_EQ(layoutBeams(ctx, lensWithShape(1), kInitialCurrentSettings), 0);
  EXPECT_NEAR(ctx.results.center, 91.9505, 5e-5);
  EXPECT_NEAR(ctx.results.width, 132.7668 * 0.9, 5e-4);
  EXPECT_NEAR(ctx.results.width, 119.4902, 5e-5);
  EXPECT_NEAR(ctx.results.spacing, 23.8980, 5e-5);
  EXPECT_EQ(ctx.state.egress.cx, 112 - 143);
}

TEST(LayoutBeams, ConcaveIngressFallsBackToTheSmallerHeight) {
  TracerContext ctx;
  ASSERT_EQ(layoutBeams(ctx, lensWithShape(2), kInitialCurrentSettings), 0);
  EXPECT_EQ(ctx.results.center, 255);
  EXPECT_NEAR(ctx.results.width, 146.7, 1e-12);
}

TEST(LayoutBeams, LockedWidthKeepsCenterAndIsClamped) {
  TracerContext ctx;
  ctx.results.center = 12345;
  BeamSettings s = kInitialCurrentSettings;
  s.flags = BEAM_LOCKED;
  s.lockedWidth = 80;
  ASSERT_EQ(layoutBeams(ctx, lensWithShape(1), s), 0);
  EXPECT_EQ(ctx.results.width, 80);
  EXPECT_EQ(ctx.results.center, 12345);
  s.lockedWidth = 900;  // above maxWidth 500
  ASSERT_EQ(layoutBeams(ctx, lensWithShape(1), s), 0);
  EXPECT_EQ(ctx.results.width, 500);
  EXPECT_EQ(ctx.results.spacing, 100);
}

TEST(LayoutBeams, MinimumWidthIsInclusiveAndARefusalKeepsTheWidth) {
  TracerContext ctx;
  BeamSettings s = kInitialCurrentSettings;
  s.flags = BEAM_LOCKED;
  s.lockedWidth = 10;
  s.minWidth = 10;
  EXPECT_EQ(layoutBeams(ctx, kInitialLens, s), 0);
  s.lockedWidth = 9.5;
  EXPECT_EQ(layoutBeams(ctx, kInitialLens, s), -1);
  EXPECT_EQ(ctx.results.width, 9.5);
}

TEST(LayoutBeams, AbsoluteSpacingBelowTheRatioThreshold) {
  TracerContext ctx;
  BeamSettings s = kInitialCurrentSettings;
  s.spacingRatio = 0.0009;
  s.spacing = 7;
  ASSERT_EQ(layoutBeams(ctx, kInitialLens, s), 0);
  EXPECT_EQ(ctx.results.spacing, 7);
}

TEST(TraceBeam, WorkedFirstBeamOfTheMeniscus) {
  TracerContext ctx;
  const Lens lens = lensWithShape(1);
  BeamSettings s = kInitialCurrentSettings;
  TracePoint record[4] = {};
  s.traceBuffer = record;
  ASSERT_EQ(layoutBeams(ctx, lens, s), 0);
  ctx.state.beamHeight = ctx.results.width;
  ctx.state.cursor = record;
  ctx.state.rayEnd = 1000;
  ctx.results.innerFocusMin = NO_MINIMUM;
  ctx.results.innerFocusMax = NO_POINT;
  fpClearFlags();
  ASSERT_EQ(traceBeam(ctx, lens, s, 0.0), 0);
  EXPECT_NEAR(ctx.state.ingressX, 70.0461, 5e-5);
  EXPECT_NEAR(ctx.state.internalSlope, -0.406119, 5e-7);
  EXPECT_NEAR(record[3].x, 364.2705, 5e-5);  // CV ingress: the axis crossing inside
  EXPECT_EQ(record[3].y, 0);
  EXPECT_NEAR(ctx.state.egressX, 99.1633, 5e-5);
  EXPECT_NEAR(ctx.state.egressY, 107.6651, 5e-5);
  EXPECT_NEAR(ctx.state.exitAngle, -0.841032, 5e-7);
  EXPECT_NEAR(ctx.results.innerFocusMin, 364.2705, 5e-5);
  EXPECT_EQ(ctx.results.innerFocusMin, ctx.results.innerFocusMax);
  EXPECT_NEAR(record[0].x, 70.0461, 5e-5);
  EXPECT_EQ(record[1].x, ctx.state.egressX);
  EXPECT_EQ(record[2].x, NO_POINT);
  // The CV egress face takes the left-hand intersection instead.
  const Lens cvcv = lensWithShape(0);
  ASSERT_EQ(layoutBeams(ctx, cvcv, s), 0);
  ctx.state.beamHeight = 100;
  ASSERT_EQ(traceBeam(ctx, cvcv, s, 0.0), 0);
  EXPECT_LT(ctx.state.egressX, ctx.state.points[0].x);
  EXPECT_EQ(ctx.state.egressX, ctx.state.points[1].x);
}

TEST(TraceBeam, BeamOnTheAxisFailsAndClearsTheFlags) {
  TracerContext ctx;
  ASSERT_EQ(layoutBeams(ctx, kInitialLens, kInitialCurrentSettings), 0);
  fpClearFlags();
  ctx.state.beamHeight = 0;
  EXPECT_EQ(traceBeam(ctx, kInitialLens, kInitialCurrentSettings, 0.0), -1);
  EXPECT_FALSE(fpErrorTest());
}

TEST(TraceBeam, BeamAboveTheIngressFaceIsRecordedAsMissing) {
  TracerContext ctx;
  BeamSettings s = kInitialCurrentSettings;
  TracePoint record[4] = {{1, 1}, {1, 1}, {1, 1}, {1, 1}};
  s.traceBuffer = record;
  ASSERT_EQ(layoutBeams(ctx, kInitialLens, s), 0);
  ctx.results.innerFocusMin = NO_MINIMUM;
  ctx.results.innerFocusMax = NO_POINT;
  ctx.state.cursor = record;
  ctx.state.beamHeight = 200;  // ivy is 163
  fpClearFlags();
  EXPECT_EQ(traceBeam(ctx, kInitialLens, s, 0.0), -1);
  EXPECT_EQ(record[0].x, NO_POINT);
  EXPECT_EQ(record[0].y, 200);
  EXPECT_EQ(record[1].x, NO_POINT);
  EXPECT_EQ(ctx.results.innerFocusMin, NO_MINIMUM);
  EXPECT_EQ(ctx.results.innerFocusMax, NO_POINT);
  // The invalid flag of that beam is still raised: the next beam to reach
  // the flag test fails on it and clears it.
  ctx.state.beamHeight = 100;
  EXPECT_EQ(traceBeam(ctx, kInitialLens, s, 0.0), -1);
  EXPECT_EQ(traceBeam(ctx, kInitialLens, s, 0.0), 0);
}

TEST(LineEllipseIntersect, TwoPointsLargerXFirstOneForATangentNoneForAMiss) {
  const Ellipse circle{2, 2, 5, 0};
  TracePoint pts[2];
  ASSERT_EQ(lineEllipseIntersect(circle, 0.0, 1.0, pts), 2);
  EXPECT_NEAR(pts[0].x, 5 + std::sqrt(3.0), 1e-12);
  EXPECT_NEAR(pts[1].x, 5 - std::sqrt(3.0), 1e-12);
  EXPECT_EQ(pts[0].y, 1.0);
  EXPECT_EQ(lineEllipseIntersect(circle, 0.0, 2.0, pts), 1);
  EXPECT_NEAR(pts[0].x, 5, 1e-9);
  EXPECT_EQ(lineEllipseIntersect(circle, 0.0, 2.5, pts), 0);
}

TEST(TracerContext, TwoThreadsTracingAtOnceKeepTheirOwnResults) {
  auto run = [](int shape, double* focus) {
    TracerContext ctx;
    Lens lens = kInitialLens;
    lens.shape = shape;
    double f = 0;
    for (int i = 0; i < 2000; ++i) f = findFocus(ctx, lens, kBackgroundSettings);
    *focus = f;
  };
  double f0 = 0, f1 = 0;
  std::thread a(run, 0, &f0), b(run, 1, &f1);
  a.join();
  b.join();
  EXPECT_NEAR(f0, 316.10, 0.005);
  EXPECT_NEAR(f1, 234.38, 0.005);
}

}  // namespace
}  // namespace kelvane
