#include "optics/beam_batch.h"

#include <cfloat>
#include <cmath>

#include "optics/fpflags.h"
#include "optics/refraction.h"

namespace kelvane {

// Every expression below is the one traceBeam (and findFocus, for the axis
// crossing) evaluates for a beam, in the same order of operations; only the
// beams are interleaved. Keep the two in step.
bool traceBeamsSideBySide(const TracerContext& ctx, const Lens& lens, BeamBatch& batch) {
  // Without hardware flags the batch's failures would go unseen: trace
  // beam by beam, where every test has its fenced values.
  if (!kFpFlagsInHardware) return false;
  if (fpErrorRaised()) return false;
  if (lineTraceOptions.load(std::memory_order_relaxed) & 0x01) return false;

  const TracerState& st = ctx.state;
  const Ellipse& egress = st.egress;
  const double n = ctx.indexRatio;
  const bool ingressCV = !lens.ingressConcave();
  const bool egressCC = lens.egressConcave();
  const int count = batch.count;

  // Steps 1-3: the ingress point and the ingress face angle.
  double phi1[MAX_BEAMS];
  for (int k = 0; k < count; ++k) {
    const double y = batch.height[k];
    double xRel = lens.ivx * std::sqrt(1.0 - (y * y) / (lens.ivy * lens.ivy));
    if (ingressCV) xRel = -xRel;
    phi1[k] = std::atan(-((lens.ivy * lens.ivy) / (lens.ivx * lens.ivx)) * (xRel / y));
    batch.ingressX[k] = ingressCV ? xRel + lens.ivx : xRel - lens.ivx;
  }
  // Step 4: the ray inside the glass; step 5: its axis crossing.
  double psi1[MAX_BEAMS];
  double c1[MAX_BEAMS];
  for (int k = 0; k < count; ++k) psi1[k] = faceRefract(phi1[k], 0.0, n);
  for (int k = 0; k < count; ++k) {
    const double m1 = std::tan(psi1[k]);
    c1[k] = batch.height[k] - m1 * batch.ingressX[k];
    batch.internalSlope[k] = m1;
    batch.xAxis[k] = -c1[k] / m1;
  }
  // Steps 7-9: where the ray leaves the glass.
  bool alive[MAX_BEAMS];
  for (int k = 0; k < count; ++k) {
    batch.intersections[k] = lineEllipseIntersect(egress, batch.internalSlope[k], c1[k], batch.points[k]);
    alive[k] = false;
    batch.traced[k] = false;
    if (batch.intersections[k] != 2) continue;
    const TracePoint& egressPt = egressCC ? batch.points[k][0] : batch.points[k][1];
    batch.egressX[k] = egressPt.x;
    batch.egressY[k] = egressPt.y;
    alive[k] = !(batch.egressX[k] < batch.ingressX[k]);
  }
  // Step 11: the egress face angle; step 13: the exit direction.
  double phi2[MAX_BEAMS];
  for (int k = 0; k < count; ++k) {
    if (!alive[k]) continue;
    phi2[k] = std::atan(-((lens.evy * lens.evy) / (lens.evx * lens.evx)) *
                        ((batch.egressX[k] - egress.cx) / batch.egressY[k]));
  }
  for (int k = 0; k < count; ++k) {
    if (!alive[k]) continue;
    batch.exitAngle[k] = faceRefract(phi2[k], psi1[k], 1.0 / n);
    batch.traced[k] = true;
  }
  // findFocus: where a converging exit ray crosses the axis.
  for (int k = 0; k < count; ++k) {
    if (!batch.traced[k]) continue;
    const double exitAngle = batch.exitAngle[k];
    if (exitAngle < 0) {
      const double s = std::tan(exitAngle);
      batch.crossing[k] = batch.egressX[k] - batch.egressY[k] / s;
    } else if (exitAngle > 0 && exitAngle < DBL_MIN) {
      return false;  // findFocus takes the tan of this one for its flags alone
    }
  }

  // Everything computed is in the batch before the flags are read.
  asm volatile("" : : "g"(&batch) : "memory");
  if (fpErrorRaised()) {
    fpClearFlags();
    return false;
  }
  return true;
}

}  // namespace kelvane
