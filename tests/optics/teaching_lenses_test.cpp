// The perfect-focus preset and the aberration curve read from a trace.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "optics/aberration.h"
#include "optics/focus.h"
#include "optics/fpflags.h"
#include "optics/presets.h"

namespace kelvane {
namespace {

struct SingleBeam {
  TracerContext ctx;
  std::vector<TracePoint> buffer = std::vector<TracePoint>(SINGLE_BEAM_POINTS);
  BeamSettings settings = kInitialCurrentSettings;
  explicit SingleBeam(double indexRatio) {
    ctx.indexRatio = indexRatio;
    settings.traceBuffer = buffer.data();
    fpClearFlags();
  }
};

TEST(PerfectFocus, AllBeamsMeetInTheEllipsesFarFocus) {
  const auto lens = perfectFocusLens(219, 260, 1 / 1.5);
  ASSERT_TRUE(lens);
  EXPECT_EQ(lens->shape, 0);
  EXPECT_EQ(lens->ivx, 219);
  EXPECT_EQ(lens->evx, 260);
  SingleBeam t(1 / 1.5);
  EXPECT_NEAR(findFocus(t.ctx, *lens, t.settings), 365, 1e-9);
  EXPECT_EQ(t.ctx.results.beamCount, 5);
  EXPECT_LT(t.ctx.results.dev, 1e-9);
  EXPECT_GE(t.ctx.results.dev, 0);

  // Built for the index in force, it focuses at a(1 + 1/n) for other
  // indices too; without an ellipse of eccentricity 1/n there is none.
  for (double n : {1.2, 1.33, 2.0}) {
    const auto other = perfectFocusLens(219, 260, 1 / n);
    ASSERT_TRUE(other) << n;
    SingleBeam u(1 / n);
    EXPECT_NEAR(findFocus(u.ctx, *other, u.settings), 219 * (1 + 1 / n), 1e-9) << n;
    EXPECT_LT(u.ctx.results.dev, 1e-9) << n;
  }
  EXPECT_FALSE(perfectFocusLens(219, 260, 1.0));
  EXPECT_FALSE(perfectFocusLens(219, 260, 1.25));
  EXPECT_FALSE(perfectFocusLens(100, 400, 1 / 1.5));  // no room for the circle: depth <= 0

  // The menu offers it only where it exists.
  auto named = [](const std::vector<LensPreset>& list) {
    return std::count_if(list.begin(), list.end(),
                         [](const LensPreset& p) { return p.name == kPerfectFocusName; });
  };
  EXPECT_EQ(named(lensPresets(1 / 1.5)), 1);
  EXPECT_EQ(named(lensPresets(1.25)), 0);
}

TEST(LensPresets, EachShowsWhatItIsNamedFor) {
  SingleBeam t(kInitialIndexRatio);
  const std::vector<LensPreset> presets = lensPresets(kInitialIndexRatio);
  ASSERT_EQ(presets.size(), 5u);
  EXPECT_EQ(presets[0].lens.ivx, kInitialLens.ivx);
  EXPECT_EQ(presets[0].indexRatio, kInitialIndexRatio);
  // Biconvex and thin lenses focus inside the first canvas; the diverging
  // lens has no focus at all.
  for (int i : {1, 2}) {
    const double focus = findFocus(t.ctx, presets[i].lens, t.settings);
    EXPECT_GT(focus, presets[i].lens.depth) << presets[i].name;
    EXPECT_LT(focus, 760) << presets[i].name;
    EXPECT_EQ(t.ctx.results.beamCount, 5) << presets[i].name;
  }
  EXPECT_GT(findFocus(t.ctx, presets[2].lens, t.settings) - presets[2].lens.depth,
            5 * presets[2].lens.depth)
      << "a thin lens focuses far beyond its thickness";
  EXPECT_EQ(findFocus(t.ctx, presets[3].lens, t.settings), 0);
  EXPECT_EQ(t.ctx.results.beamCount, 5);
}

TEST(AberrationCurve, ReadsTheCrossingsFindFocusAveraged) {
  // The start-up lens as a biconvex one: a wide spread of crossings.
  Lens lens = kInitialLens;
  lens.shape = 1;
  SingleBeam t(kInitialIndexRatio);
  const double focus = findFocus(t.ctx, lens, t.settings);
  const TraceResults& res = t.ctx.results;
  const AberrationCurve curve = aberrationCurve(t.buffer.data(), SINGLE_BEAM_POINTS, lens, res);
  ASSERT_EQ(curve.exitCrossings.size(), 5u);
  ASSERT_EQ(curve.innerCrossings.size(), 5u);
  double sum = 0, lo = 1e9, hi = -1e9;
  for (const AberrationPoint& p : curve.exitCrossings) {
    sum += p.crossing;
    lo = std::min(lo, p.crossing);
    hi = std::max(hi, p.crossing);
  }
  EXPECT_DOUBLE_EQ(sum / 5, focus);
  EXPECT_EQ(lo, res.focusMin);
  EXPECT_EQ(hi, res.focusMax);
  EXPECT_EQ(curve.focus, focus);
  // Outermost beam first, at the traced width; it crosses at 195.4690.
  EXPECT_EQ(curve.exitCrossings[0].height, res.width);
  EXPECT_NEAR(curve.exitCrossings[0].crossing, 195.4690, 5e-5);
  EXPECT_NEAR(curve.exitCrossings[4].height, res.width * 0.2, 1e-9);
  lo = 1e9, hi = -1e9;
  for (const AberrationPoint& p : curve.innerCrossings) {
    lo = std::min(lo, p.crossing);
    hi = std::max(hi, p.crossing);
  }
  EXPECT_EQ(lo, res.innerFocusMin);
  EXPECT_EQ(hi, res.innerFocusMax);

  // Diverging exit rays (CCCV) give no exit crossings and no focus, and a
  // concave ingress face records no inner crossing.
  lens.shape = 2;
  findFocus(t.ctx, lens, t.settings);
  const AberrationCurve none = aberrationCurve(t.buffer.data(), SINGLE_BEAM_POINTS, lens, res);
  EXPECT_TRUE(none.exitCrossings.empty());
  EXPECT_TRUE(none.innerCrossings.empty());
  EXPECT_EQ(none.focus, 0);
  // Never more records than the buffer holds.
  EXPECT_TRUE(aberrationCurve(t.buffer.data(), 7, kInitialLens, res).exitCrossings.size() <= 1);
}

}  // namespace
}  // namespace kelvane
