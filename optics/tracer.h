// The beam tracer: lays out the parallel beams of a lens and follows one ray
// through both faces by the face-relative law of refraction.
//
// All working state lives in a TracerContext owned by the calling thread, so
// two threads can trace different lenses at once without sharing anything.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "optics/lens.h"

namespace kelvane {

// The tracer's working state for one lens and one beam at a time.
struct TracerState {
  Ellipse egress{};          // egress face ellipse, built by layoutBeams
  double beamHeight = 0;     // y where the current beam meets the ingress face
  double rayEnd = 0;         // x where recorded rays not ending on the axis stop
  TracePoint* cursor = nullptr;  // first point of the current beam's record
  double ingressX = 0;       // x of the current beam's ingress point
  double internalSlope = 0;  // slope of the ray inside the glass
  double egressX = 0;        // where the current beam leaves the glass
  double egressY = 0;
  double exitAngle = 0;      // direction after the egress face
  std::array<TracePoint, 4> points{};  // intersection output
};

// Everything one tracing thread needs: the index ratio it traces with, the
// working state and the results it fills.
struct TracerContext {
  double indexRatio = kInitialIndexRatio;  // ni/nr entering the glass
  TracerState state{};
  TraceResults results{};
};

// Option bit 0x01: print every line-ellipse intersection point.
inline std::atomic<std::uint8_t> lineTraceOptions{0};

// Builds the egress ellipse and sets width, spacing and (mostly) center.
// Returns 0, or -1 when the width is below minWidth.
int layoutBeams(TracerContext& ctx, const Lens& lens, const BeamSettings& settings);

// Traces the beam at state.beamHeight arriving at direction `incident`.
// Returns 0 with the egress point and exit angle in the state, or -1.
int traceBeam(TracerContext& ctx, const Lens& lens, const BeamSettings& settings,
              double incident);

// Points where the line y = m x + c meets the ellipse: 0, 1 (a tangent) or 2,
// the larger x first.
int lineEllipseIntersect(const Ellipse& e, double m, double c, TracePoint out[2]);

}  // namespace kelvane
