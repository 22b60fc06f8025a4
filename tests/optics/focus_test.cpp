#include "optics/focus.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "optics/fpflags.h"
#include "trace/dbgprint.h"

namespace kelvane {
namespace {

Lens lensWithShape(int shape) {
  Lens lens = kInitialLens;
  lens.shape = shape;
  return lens;
}

struct SingleBeam {
  TracerContext ctx;
  std::vector<TracePoint> buffer = std::vector<TracePoint>(SINGLE_BEAM_POINTS);
  BeamSettings settings = kInitialCurrentSettings;
  SingleBeam() { settings.traceBuffer = buffer.data(); }
};

TEST(FindFocus, TheCurrentLensInAllFourShapes) {
  SingleBeam t;
  EXPECT_NEAR(findFocus(t.ctx, lensWithShape(0), t.settings), 316.10, 0.005);
  EXPECT_NEAR(t.ctx.results.dev, 0.386, 0.0005);
  EXPECT_NEAR(t.ctx.results.devpcnt, 0.122, 0.0005);
  EXPECT_EQ(t.ctx.results.beamCount, 5);
  EXPECT_NEAR(t.ctx.results.innerFocusMin, 364, 1.0);

  EXPECT_NEAR(findFocus(t.ctx, lensWithShape(1), t.settings), 234.38, 0.005);
  EXPECT_NEAR(t.ctx.results.dev, 58.10, 0.005);
  EXPECT_NEAR(t.ctx.results.devpcnt, 24.79, 0.005);
  // The first beam of the worked example crosses the axis at 195.4690.
  EXPECT_NEAR(t.buffer[2].x, 195.4690, 5e-5);
  EXPECT_EQ(t.buffer[2].y, 0);
  EXPECT_NEAR(t.ctx.results.focusMin, 195.4690, 5e-5);

  EXPECT_EQ(findFocus(t.ctx, lensWithShape(2), t.settings), 0);
  EXPECT_EQ(t.ctx.results.focus, 0);
  EXPECT_EQ(t.ctx.results.focusMin, NO_MINIMUM);  // the reset sentinels stay
  EXPECT_EQ(t.ctx.results.focusMax, NO_POINT);
  EXPECT_EQ(findFocus(t.ctx, lensWithShape(3), t.settings), 0);
}

TEST(FindFocus, RecordsFourPointsPerBeamWithDivergingRaysEndingAtTheRayEnd) {
  SingleBeam t;
  findFocus(t.ctx, lensWithShape(2), t.settings);
  // CCCV diverges: point 2 ends at twice the rightmost x of the two ellipses,
  // max(0, 112 + 286) * 2.
  EXPECT_EQ(t.ctx.state.rayEnd, 796);
  int traced = 0;
  for (int beam = 0; beam < t.ctx.results.beamCount; ++beam) {
    const TracePoint* rec = &t.buffer[beam * 4];
    if (rec[2].x != NO_POINT) {  // beams that fail keep point 2 unreached
      EXPECT_EQ(rec[2].x, 796) << "beam " << beam;
      ++traced;
    }
    EXPECT_EQ(rec[3].x, 796) << "CC ingress: the inner ray runs to the ray end";
    EXPECT_NEAR(rec[0].y, t.ctx.results.width - beam * t.ctx.results.spacing, 1e-9);
  }
  EXPECT_GT(traced, 0);
  t.settings.rayEndX = 600;
  findFocus(t.ctx, lensWithShape(2), t.settings);
  for (int beam = 0; beam < t.ctx.results.beamCount; ++beam)
    if (t.buffer[beam * 4 + 2].x != NO_POINT) EXPECT_EQ(t.buffer[beam * 4 + 2].x, 600);
}

TEST(FindFocus, BackgroundSettingsGiveTheSameFocusAsRecording) {
  SingleBeam t;
  TracerContext bg;
  for (int shape = 0; shape < 4; ++shape) {
    const double recorded = findFocus(t.ctx, lensWithShape(shape), t.settings);
    EXPECT_EQ(findFocus(bg, lensWithShape(shape), kBackgroundSettings), recorded) << shape;
  }
}

TEST(FindFocus, ZeroSpacingTracesFifteenBeamsAtOneHeight) {
  TracerContext ctx;
  BeamSettings s = kBackgroundSettings;
  s.spacingRatio = 0;
  s.spacing = 0;
  findFocus(ctx, kInitialLens, s);
  EXPECT_EQ(ctx.results.beamCount, 15);
  EXPECT_EQ(ctx.results.dev, 0);
  EXPECT_EQ(ctx.results.focusMin, ctx.results.focusMax);
}

TEST(FindFocus, RecordingWithoutABufferWritesNothing) {
  TracerContext ctx;
  BeamSettings s = kInitialCurrentSettings;  // pointsMode 3, no buffer
  EXPECT_NEAR(findFocus(ctx, kInitialLens, s), 316.10, 0.005);
  EXPECT_EQ(ctx.results.beamCount, 5);
}

TEST(FindFocus, CrossingsBeyondTheSentinelGiveATrueMinimum) {
  // A very weak lens: nearly flat faces put every crossing far beyond 100000.
  TracerContext ctx;
  const Lens weak{20000, 100, 20000, 100, 10, 0};
  ctx.indexRatio = 1 / 1.0001;
  const double focus = findFocus(ctx, weak, kBackgroundSettings);
  ASSERT_GT(ctx.results.focusMin, NO_MINIMUM);
  EXPECT_LE(ctx.results.focusMin, focus);
  EXPECT_GE(ctx.results.focusMax, focus);
  EXPECT_EQ(ctx.results.dev, ctx.results.focusMax - ctx.results.focusMin);
  EXPECT_GE(ctx.results.dev, 0);
}

TEST(FindFocus, RefusedLayoutReturnsZeroAndKeepsTheBeamCount) {
  TracerContext ctx;
  findFocus(ctx, kInitialLens, kBackgroundSettings);
  const int beams = ctx.results.beamCount;
  Lens tiny = kInitialLens;
  tiny.ivy = 5;  // width 4.5 < minWidth 10
  tiny.shape = 2;
  EXPECT_EQ(findFocus(ctx, tiny, kBackgroundSettings), 0);
  EXPECT_EQ(ctx.results.focus, 0);
  EXPECT_EQ(ctx.results.beamCount, beams);
  EXPECT_EQ(ctx.results.center, 255) << "a CC ingress face puts the center at the egress centre";
}

TEST(FindFoci, TheMeniscusFansAndTheCriticalAngle) {
  TracerContext ctx;
  std::vector<TracePoint> buffer(MULTI_BEAM_POINTS, TracePoint{-1, -1});
  BeamSettings s = kInitialCurrentSettings;
  s.pointsMode = 1;
  s.traceBuffer = buffer.data();
  s.rayEndX = 700;
  ASSERT_EQ(findFoci(ctx, lensWithShape(1), s), 0);
  EXPECT_EQ(ctx.results.fanCounts[0], 9) << "the two lowest 40 degree beams are reflected";
  int total = 0;
  for (int c : ctx.results.fanCounts) total += c;
  // Every counted beam owns three recorded points ending at rayEndX.
  for (int beam = 0; beam < total; ++beam) EXPECT_EQ(buffer[beam * 3 + 2].x, 700) << beam;
  EXPECT_EQ(buffer[total * 3 + 2].x, -1);
  EXPECT_EQ(buffer[0].y, ctx.results.width);
}

TEST(FindFoci, NoBufferOrRefusedLayoutReturnsMinusOne) {
  TracerContext ctx;
  testMultiBeamLens(ctx);
  EXPECT_EQ(ctx.results.width, 50);
  EXPECT_EQ(ctx.results.spacing, 5);
  EXPECT_EQ(findFoci(ctx, kTestMultiBeamLens, kTestMultiBeamSettings), -1);
}

TEST(FindFoci, AFanWhoseHeightStopsDroppingStillEnds) {
  TracerContext ctx;
  std::vector<TracePoint> buffer(MULTI_BEAM_POINTS);
  BeamSettings s = kInitialCurrentSettings;
  s.pointsMode = 1;
  s.traceBuffer = buffer.data();
  s.flags = BEAM_LOCKED;
  s.lockedWidth = 0;  // width 0: spacing 0, every beam on the axis fails
  EXPECT_EQ(findFoci(ctx, kInitialLens, s), 0);
  for (int c : ctx.results.fanCounts) EXPECT_EQ(c, 0);
  s.lockedWidth = 1e12;  // far above ivy, so every beam fails...
  s.maxWidth = 1e12;
  s.spacingRatio = 0;
  s.spacing = 1e-9;       // ...and the spacing is too small to change the height
  EXPECT_EQ(findFoci(ctx, kInitialLens, s), 0);
  for (int c : ctx.results.fanCounts) EXPECT_EQ(c, 0);
}

std::vector<std::string>* captured = nullptr;
void captureLine(const char* text) {
  if (std::string(text) != "\n") captured->push_back(text);
}

TEST(TestCommands, MultiBeamLensPrintsOneLineAndFindFocusPrintsNone) {
  std::vector<std::string> lines;
  captured = &lines;
  setDebuggerWriter(captureLine);
  TracerContext ctx;
  testMultiBeamLens(ctx);
  testFindFocus(ctx);
  setDebuggerWriter(nullptr);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "Test Find Foci");
  EXPECT_GT(ctx.results.width, 0);
  EXPECT_LE(ctx.results.width, 5);
  EXPECT_EQ(ctx.results.beamCount, 10);  // spacingRatio 0.1
}

}  // namespace
}  // namespace kelvane
