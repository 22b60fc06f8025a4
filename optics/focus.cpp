#include "optics/focus.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "optics/beam_batch.h"
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

// The statistics of the converging exit rays, in beam order.
struct Crossings {
  double sum = 0;
  int count = 0;
  double minimum = NO_MINIMUM;
  double maximum = NO_POINT;

  void add(double xf) {
    sum += xf;
    // The first crossing replaces the start values, so crossings beyond the
    // sentinels still give a true minimum and maximum.
    if (count == 0 || xf > maximum) maximum = xf;
    if (count == 0 || xf < minimum) minimum = xf;
    ++count;
  }
};

// Takes over a side-by-side batch as if its beams had been traced one by one:
// the tracer state and the inner focus range end as traceBeam leaves them.
void commitBatch(TracerContext& ctx, const BeamBatch& batch, Crossings& crossings) {
  TracerState& st = ctx.state;
  TraceResults& res = ctx.results;
  for (int k = 0; k < batch.count; ++k) {
    st.ingressX = batch.ingressX[k];
    st.internalSlope = batch.internalSlope[k];
    if (!std::isnan(batch.ingressX[k])) {
      if (batch.xAxis[k] < res.innerFocusMin) res.innerFocusMin = batch.xAxis[k];
      if (batch.xAxis[k] > res.innerFocusMax) res.innerFocusMax = batch.xAxis[k];
    }
    if (batch.intersections[k] >= 1) st.points[0] = batch.points[k][0];
    if (batch.intersections[k] == 2) {
      st.points[1] = batch.points[k][1];
      st.egressX = batch.egressX[k];
      st.egressY = batch.egressY[k];
    }
    if (batch.traced[k]) {
      st.exitAngle = batch.exitAngle[k];
      if (batch.exitAngle[k] < 0) crossings.add(batch.crossing[k]);
    }
  }
}

double findFocusWith(TracerContext& ctx, const Lens& lens, const BeamSettings& settings, bool sideBySide) {
  TracerState& st = ctx.state;
  TraceResults& res = ctx.results;
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
  Crossings crossings;
  int i = 0;
  bool batched = false;
  if (sideBySide && settings.pointsMode == 0) {
    // The beam heights do not depend on the beams: lay them all out, trace
    // them side by side, and take the batch over when it stands for them.
    BeamBatch batch;
    double height = st.beamHeight;
    while (height >= res.spacing * 0.5 && batch.count < MAX_BEAMS) {
      batch.height[batch.count++] = height;
      height -= res.spacing;
    }
    if (traceBeamsSideBySide(ctx, lens, batch)) {
      commitBatch(ctx, batch, crossings);
      st.beamHeight = height;
      i = batch.count;
      batched = true;
    }
  }
  while (!batched && st.beamHeight >= res.spacing * 0.5 && i < MAX_BEAMS) {
    if (traceBeam(ctx, lens, settings, 0.0) == 0) {
      const double exitAngle = st.exitAngle;
      if (exitAngle < 0) {
        const double s = std::tan(exitAngle);
        const double xf = st.egressX - st.egressY / s;
        if (recording) st.cursor[2] = {xf, 0.0};
        crossings.add(xf);
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
  if (crossings.count == 0) return 0;
  res.focusMin = crossings.minimum;
  res.focusMax = crossings.maximum;
  res.focus = crossings.sum / crossings.count;
  res.dev = crossings.maximum - crossings.minimum;
  res.devpcnt = res.dev * 100 / res.focus;
  return res.focus;
}

}  // namespace

double findFocus(TracerContext& ctx, const Lens& lens, const BeamSettings& settings) {
  return findFocusWith(ctx, lens, settings, true);
}

double findFocusBeamByBeam(TracerContext& ctx, const Lens& lens, const BeamSettings& settings) {
  return findFocusWith(ctx, lens, settings, false);
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
