// The longitudinal spherical aberration curve of a single-beam trace: for
// each traced beam, where its exit ray crosses the axis against the height
// at which it met the lens, and the same for the ray inside the glass.
//
// The points are read back from the trace buffer that findFocus filled
// (records of 4 points: ingress point, egress point, exit ray end, inner ray
// end), so the curve shows exactly the crossings the focus, focusMin and
// focusMax were made of; nothing is traced or computed again.
#pragma once

#include <vector>

#include "optics/lens.h"

namespace kelvane {

// One beam of the curve.
struct AberrationPoint {
  double crossing;  // x where the ray crosses the axis
  double height;    // the beam's height at the ingress face
};

struct AberrationCurve {
  // Exit rays that come down to the axis, in beam order (outermost first):
  // the crossings findFocus averaged into the focus.
  std::vector<AberrationPoint> exitCrossings;
  // Rays inside the glass, continued to the axis; recorded only when the
  // ingress face is convex (a concave one records the ray's end instead).
  std::vector<AberrationPoint> innerCrossings;
  double focus = 0;  // mean exit crossing; 0 when no exit ray converges
  double focusMin = 0;
  double focusMax = 0;
  double width = 0;  // height of the outermost beam
};

// Reads the first `beamCount` records of a single-beam trace buffer
// (4 points each, never more than bufferPoints points) and the focus of
// `results`.
AberrationCurve aberrationCurve(const TracePoint* buffer, int bufferPoints, const Lens& lens,
                                const TraceResults& results);

}  // namespace kelvane
