// The horizontal beams of one lens traced side by side: the same operations
// as traceBeam, beam for beam, but interleaved across the beams, so that the
// processor overlaps their long chains of square roots and trigonometric
// functions instead of waiting on one beam at a time.
//
// The one thing beams share is the floating-point error flags, which
// traceBeam tests at fixed points. The batch therefore only runs from clear
// flags, and when any flag is raised during it the whole batch is discarded:
// the caller traces the beams one by one instead, with the flags as they were.
// Without a raised flag every test of traceBeam passes, so the batch's
// results are bit for bit those of the beams traced one by one.
#pragma once

#include "optics/tracer.h"

namespace kelvane {

// What each beam of a batch produced, in beam order, and how it ended.
struct BeamBatch {
  int count = 0;                    // beams in the batch (at most MAX_BEAMS)
  double height[MAX_BEAMS];         // the beam heights, set by the caller
  double ingressX[MAX_BEAMS];
  double internalSlope[MAX_BEAMS];
  double xAxis[MAX_BEAMS];          // axis crossing of the ray inside the glass
  int intersections[MAX_BEAMS];     // lineEllipseIntersect's count
  TracePoint points[MAX_BEAMS][2];  // what lineEllipseIntersect wrote
  double egressX[MAX_BEAMS];
  double egressY[MAX_BEAMS];
  bool traced[MAX_BEAMS];           // traceBeam would have returned 0
  double exitAngle[MAX_BEAMS];
  double crossing[MAX_BEAMS];       // findFocus's axis crossing of a converging exit ray
};

// Traces batch.height[0..count) at incident angle 0 after layoutBeams, as
// findFocus does without recording, including each converging ray's axis
// crossing. Writes nothing into ctx. Returns false, with the flags as they
// were, when the batch cannot stand for the beams one by one: flags already
// raised, the line-intersection diagnostics on, or an error flag raised by
// the batch itself (then cleared again).
bool traceBeamsSideBySide(const TracerContext& ctx, const Lens& lens, BeamBatch& batch);

}  // namespace kelvane
