// findFocus traces the beams of a non-recording run side by side; it must
// give exactly the bits of the beams traced one after another.
#include "optics/beam_batch.h"

#include <bit>
#include <cfenv>
#include <cstdint>
#include <random>

#include <gtest/gtest.h>

#include "optics/focus.h"
#include "optics/fpflags.h"

namespace kelvane {
namespace {

::testing::AssertionResult sameBits(const char* what, double a, double b) {
  if (std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << what << ": " << a << " vs " << b;
}

::testing::AssertionResult sameContext(const TracerContext& a, const TracerContext& b) {
  const TraceResults& r = a.results;
  const TraceResults& q = b.results;
  const TracerState& s = a.state;
  const TracerState& t = b.state;
  const std::pair<const char*, std::pair<double, double>> fields[] = {
      {"width", {r.width, q.width}},
      {"spacing", {r.spacing, q.spacing}},
      {"center", {r.center, q.center}},
      {"focus", {r.focus, q.focus}},
      {"focusMin", {r.focusMin, q.focusMin}},
      {"focusMax", {r.focusMax, q.focusMax}},
      {"dev", {r.dev, q.dev}},
      {"devpcnt", {r.devpcnt, q.devpcnt}},
      {"innerFocusMin", {r.innerFocusMin, q.innerFocusMin}},
      {"innerFocusMax", {r.innerFocusMax, q.innerFocusMax}},
      {"egress.cx", {s.egress.cx, t.egress.cx}},
      {"beamHeight", {s.beamHeight, t.beamHeight}},
      {"ingressX", {s.ingressX, t.ingressX}},
      {"internalSlope", {s.internalSlope, t.internalSlope}},
      {"egressX", {s.egressX, t.egressX}},
      {"egressY", {s.egressY, t.egressY}},
      {"exitAngle", {s.exitAngle, t.exitAngle}},
  };
  for (const auto& [name, values] : fields) {
    auto same = sameBits(name, values.first, values.second);
    if (!same) return same;
  }
  for (int p = 0; p < 4; ++p) {
    if (!sameBits("points.x", s.points[p].x, t.points[p].x)) return sameBits("points.x", s.points[p].x, t.points[p].x);
    if (!sameBits("points.y", s.points[p].y, t.points[p].y)) return sameBits("points.y", s.points[p].y, t.points[p].y);
  }
  if (r.beamCount != q.beamCount) return ::testing::AssertionFailure() << "beamCount";
  if (s.cursor != t.cursor) return ::testing::AssertionFailure() << "cursor";
  return ::testing::AssertionSuccess();
}

int raisedFlags() { return std::fetestexcept(FE_ALL_EXCEPT & ~FE_INEXACT) | (fpErrorRaised() ? 0x100 : 0); }

// Runs both forms from the same context and the same flags; they must agree
// in every bit, flags included.
void compare(TracerContext& running, const Lens& lens, const BeamSettings& settings, bool dirtyFlags) {
  TracerContext plain = running;
  auto raise = [dirtyFlags] {
    fpClearFlags();
    if (dirtyFlags) std::feraiseexcept(FE_DIVBYZERO);
  };
  raise();
  const double focus = findFocus(running, lens, settings);
  const int flagsAfter = raisedFlags();
  raise();
  const double plainFocus = findFocusBeamByBeam(plain, lens, settings);
  const int plainFlagsAfter = raisedFlags();
  fpClearFlags();
  ASSERT_TRUE(sameBits("returned focus", focus, plainFocus))
      << lens.ivx << "," << lens.ivy << "," << lens.evx << "," << lens.evy << "," << lens.depth << " shape " << lens.shape;
  ASSERT_TRUE(sameContext(running, plain)) << lens.ivx << "," << lens.ivy << "," << lens.evx << "," << lens.evy << ","
                                           << lens.depth << " shape " << lens.shape;
  ASSERT_EQ(flagsAfter, plainFlagsAfter);
}

TEST(BeamBatch, SideBySideGivesTheBitsOfOneByOneOverManyLenses) {
  std::mt19937 random(20261207);
  std::uniform_real_distribution<double> axis(1.0, 400.0);
  std::uniform_real_distribution<double> depth(0.0, 300.0);
  std::uniform_int_distribution<int> whole(150, 350);
  TracerContext ctx;
  for (int n = 0; n < 20000; ++n) {
    Lens lens;
    if (n % 2 == 0) {  // the focus table's kind of lens, whole numbers
      lens = {double(whole(random)), double(whole(random)), double(whole(random)), double(whole(random)),
              double(whole(random) - 120), 0};
    } else {
      lens = {axis(random), axis(random), axis(random), axis(random), depth(random), int(random() % 4)};
    }
    BeamSettings settings = kBackgroundSettings;
    switch (n % 5) {
      case 1: settings.minWidth = 0; break;
      case 2: settings.spacingRatio = 0; settings.spacing = 0; break;  // 15 beams at one height
      case 3: settings.flags = BEAM_LOCKED; settings.lockedWidth = lens.ivy * 1.2; break;  // beams above the face
      case 4: settings.spacingRatio = 0.1; break;
      default: break;
    }
    compare(ctx, lens, settings, n % 7 == 0);
    if (HasFatalFailure()) return;
  }
}

TEST(BeamBatch, StandsInOnlyFromClearFlags) {
  TracerContext ctx;
  const Lens lens{203, 150, 150, 303, 30, 0};
  fpClearFlags();
  ASSERT_EQ(layoutBeams(ctx, lens, kBackgroundSettings), 0);
  BeamBatch batch;
  for (double h = ctx.results.width; h >= ctx.results.spacing * 0.5; h -= ctx.results.spacing)
    batch.height[batch.count++] = h;
  ASSERT_EQ(batch.count, 5);
  EXPECT_TRUE(traceBeamsSideBySide(ctx, lens, batch));
  for (int k = 0; k < 5; ++k) EXPECT_TRUE(batch.traced[k]) << k;

  std::feraiseexcept(FE_DIVBYZERO);
  EXPECT_FALSE(traceBeamsSideBySide(ctx, lens, batch));
  EXPECT_TRUE(std::fetestexcept(FE_DIVBYZERO)) << "the flags stay as they were";
  fpClearFlags();

  // A beam above the ingress face takes the square root of a negative number.
  batch.height[0] = 151;
  EXPECT_FALSE(traceBeamsSideBySide(ctx, lens, batch));
  EXPECT_FALSE(fpErrorRaised()) << "what the batch raised is cleared again";
}

}  // namespace
}  // namespace kelvane
