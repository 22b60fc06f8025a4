#include "optics/focus.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "trace/dbgprint.h"

namespace kelvane {

namespace {

// Default end of drawn rays that do not meet the axis: twice the rightmost x
// of the two face ellipses.
double defaultRayEnd(const Lens& lens) {
  return 2 * std::max(faceEllipseRightX(lens, Face::Ingress), faceEllipseRightX(lens, Face::Egress));
}

// A fan whose height stops dropping (spacing 0, or too small to change the
// height) ends after this many attempts at one height; any fan ends after
// kMaxFanAttempts beams, whatever the spacing.
constexpr int kMaxAttemptsAtOneHeight = MAX_BEAMS;
constexpr long kMaxFanAttempts = 100000;

}  // namespace

double findFocus(TracerContext& ctx, const Lens& lens, const BeamSettings& settings) {
  TracerState& st = ctx.state;
  TraceResults& res = ctx.results;
  double minimum = NO_MINIMUM;
  double maximum = NO_POINT;
  int stride = 0;
  if (settings.pointsMode != 0) {
    st.rayEnd = settings.rayEndX > 0 ? settings.rayEndX : defaultRayEnd(lens);
    stride = settings.pointsMode == 1 ? 3 : 4;
    res.innerFocusMin = NO_MINIMUM;
    res.focusMin = NO_MINIMUM;
    res.innerFocusMax = NO_POINT;
    res.focusMax = NO_POINT;
  }
  res.focus = 0;
  res.center = lens.depth * 0.5;
  if (layoutBeams(ctx, lens, settings) == -1) return 0;

  // Without a buffer nothing is recorded, whatever pointsMode says.
  const bool recording = settings.pointsMode != 0 && settings.traceBuffer != nullptr;
  st.beamHeight = res.width;
  st.cursor = settings.traceBuffer;
  double sum = 0;
  int count = 0;
  int i = 0;
  while (st.beamHeight >= res.spacing * 0.5 && i < MAX_BEAMS) {
    if (traceBeam(ctx, lens, settings, 0.0) == 0) {
      const double exitAngle = st.exitAngle;
      if (exitAngle < 0) {
        const double s = std::tan(exitAngle);
        const double xf = st.egressX - st.egressY / s;
        if (recording) st.cursor[2] = {xf, 0.0};
        sum += xf;
        // The first crossing replaces the start values, so crossings beyond
        // the sentinels still give a true minimum and maximum.
        if (count == 0 || xf > maximum) maximum = xf;
        if (count == 0 || xf < minimum) minimum = xf;
        ++count;
      } else if (recording) {
        const double s = std::tan(exitAngle);
        st.cursor[2] = {st.rayEnd, st.egressY + (st.rayEnd - st.egressX) * s};
      } else if (exitAngle > 0 && exitAngle < DBL_MIN) {
        // A diverging ray needs its slope only to be drawn. Leaving tan out
        // leaves the flags as they were for 0, a normal angle or NaN; only a
        // subnormal angle would raise underflow, so it keeps its tan.
        volatile double s = std::tan(exitAngle);
        (void)s;
      }
    }
    st.beamHeight -= res.spacing;
    if (recording) st.cursor += stride;
    ++i;
  }
  res.beamCount = i;
  if (count == 0) return 0;
  res.focusMin = minimum;
  res.focusMax = maximum;
  res.focus = sum / count;
  res.dev = maximum - minimum;
  res.devpcnt = res.dev * 100 / res.focus;
  return res.focus;
}

int findFoci(TracerContext& ctx, const Lens& lens, const BeamSettings& settings) {
  TracerState& st = ctx.state;
  TraceResults& res = ctx.results;
  if (layoutBeams(ctx, lens, settings) == -1) return -1;
  if (settings.traceBuffer == nullptr) return -1;
  st.cursor = settings.traceBuffer;
  int fan = 0;
  for (double angle = 40.0; angle >= 0.0; angle -= 10.0, ++fan) {
    st.beamHeight = res.width;
    int fanCount = 0;
    int attemptsAtHeight = 0;
    long attempts = 0;
    while (st.beamHeight >= -res.width - 0.5 && fanCount < MAX_BEAMS && attempts < kMaxFanAttempts) {
      ++attempts;
      if (traceBeam(ctx, lens, settings, angle * DEG_TO_RAD) == 0) {
        const double s = std::tan(st.exitAngle);
        // The record's point 1 is the egress point the state still holds.
        st.cursor[2] = {settings.rayEndX, st.egressY + (settings.rayEndX - st.egressX) * s};
        st.cursor += 3;
        ++fanCount;
      }
      const double next = st.beamHeight - res.spacing;
      if (next == st.beamHeight) {
        if (++attemptsAtHeight >= kMaxAttemptsAtOneHeight) break;
      } else {
        attemptsAtHeight = 0;
      }
      st.beamHeight = next;
    }
    res.fanCounts[fan] = fanCount;
  }
  return 0;
}

void testFindFocus(TracerContext& ctx) {
  findFocus(ctx, kTestFindFocusLens, kTestFindFocusSettings);
}

void testMultiBeamLens(TracerContext& ctx) {
  dbgPrint("Test Find Foci");
  findFoci(ctx, kTestMultiBeamLens, kTestMultiBeamSettings);
}

}  // namespace kelvane
