#include "calc/fp_state.h"

#include <cfenv>
#include <cmath>

#include <gtest/gtest.h>

#include "optics/focus.h"
#include "optics/fpflags.h"

namespace kelvane {
namespace {

TEST(FpState, FlagsSetHereAreTheOnesTheTracerTests) {
  setFpErrorFlags(0);
  EXPECT_EQ(fpErrorFlags(), 0u);
  EXPECT_FALSE(fpErrorTest());

  volatile double zero = 0.0;
  volatile double inf = 1.0 / zero;  // raises division by zero
  (void)inf;
  const unsigned raised = fpErrorFlags();
  EXPECT_NE(raised, 0u);

  setFpErrorFlags(0);
  EXPECT_EQ(fpErrorFlags(), 0u);
  setFpErrorFlags(raised);
  EXPECT_EQ(fpErrorFlags(), raised);
  EXPECT_TRUE(fpErrorTest()) << "the tracer's test sees the restored flags and clears them";
  EXPECT_EQ(fpErrorFlags(), 0u);
}

// Why a sweep split across threads must carry the flags from one stretch of
// lenses to the next: a flag left raised makes the next lens fail a beam.
TEST(FpState, AFlagLeftRaisedChangesTheNextLens) {
  TracerContext ctx;
  const Lens lens{203, 150, 150, 303, 30, 0};
  // A locked width, so that no rim search meets the flag first.
  BeamSettings settings = kBackgroundSettings;
  settings.flags = BEAM_LOCKED;
  settings.lockedWidth = 100;
  setFpErrorFlags(0);
  const double clean = findFocus(ctx, lens, settings);
  const double cleanDev = ctx.results.dev;
  volatile double zero = 0.0;
  volatile double inf = 1.0 / zero;
  (void)inf;
  const unsigned raised = fpErrorFlags();
  setFpErrorFlags(raised);
  const double dirty = findFocus(ctx, lens, settings);
  EXPECT_NE(dirty, clean) << "the first beam fails and leaves the average";
  EXPECT_NE(ctx.results.dev, cleanDev);
  setFpErrorFlags(0);
}

}  // namespace
}  // namespace kelvane
