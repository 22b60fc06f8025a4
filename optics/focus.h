// The focus drivers: findFocus traces horizontal beams from the outermost
// height down toward the axis and averages where the exit rays cross it;
// findFoci traces five tilted fans for drawing.
#pragma once

#include "optics/tracer.h"

namespace kelvane {

// Fan angles of the multi-beam trace, in degrees, in buffer order.
inline constexpr double kFanAngles[FAN_COUNT] = {40.0, 30.0, 20.0, 10.0, 0.0};

// Fills ctx.results (and, with pointsMode 1 or 3, 15 records of the buffer).
// Returns the focus, or 0 when no exit ray converges or the layout is refused.
double findFocus(TracerContext& ctx, const Lens& lens, const BeamSettings& settings);

// findFocus tracing its beams strictly one after another. findFocus traces
// the beams of a non-recording run side by side where that gives the same
// bits; this is the plain form it falls back on, kept for checking that.
double findFocusBeamByBeam(TracerContext& ctx, const Lens& lens, const BeamSettings& settings);

// Records up to 15 successful beams per fan (3 points each) and the fan
// counts. Returns 0, or -1 when the layout is refused or there is no buffer.
int findFoci(TracerContext& ctx, const Lens& lens, const BeamSettings& settings);

// "test findFocus": findFocus on the small fixed test lens.
void testFindFocus(TracerContext& ctx);

// "test multi-beam lens": prints "Test Find Foci", then findFoci on the fixed
// multi-beam test lens (which has no buffer, so it stops after the layout).
void testMultiBeamLens(TracerContext& ctx);

}  // namespace kelvane
