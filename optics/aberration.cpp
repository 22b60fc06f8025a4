#include "optics/aberration.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {
constexpr int kRecordPoints = 4;  // single-beam records
}  // namespace

AberrationCurve aberrationCurve(const TracePoint* buffer, int bufferPoints, const Lens& lens,
                                const TraceResults& results) {
  AberrationCurve curve;
  curve.width = results.width;
  if (!buffer) return curve;
  const int records = std::min(results.beamCount, bufferPoints / kRecordPoints);
  for (int k = 0; k < records; ++k) {
    const TracePoint* rec = buffer + k * kRecordPoints;
    const double height = rec[0].y;
    // A beam above the ingress face has no ingress point and nothing after it.
    if (!(rec[0].x > NO_POINT)) continue;
    if (!lens.ingressConcave() && std::isfinite(rec[3].x))
      curve.innerCrossings.push_back({rec[3].x, height});
    // The exit ray of a converging beam ends on the axis at its crossing;
    // one that does not converge ends at the ray end, above or below it.
    if (rec[1].x > NO_POINT && rec[2].x > NO_POINT && rec[2].y == 0.0)
      curve.exitCrossings.push_back({rec[2].x, height});
  }
  if (results.focus != 0 && !curve.exitCrossings.empty()) {
    curve.focus = results.focus;
    curve.focusMin = results.focusMin;
    curve.focusMax = results.focusMax;
  }
  return curve;
}

}  // namespace kelvane
