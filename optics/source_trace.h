// Rays from a point at a finite distance, traced through the lens by the
// same traceBeam as the parallel beams, and the image they form.
//
// The rays leave the point toward the ingress face, aimed at heights spaced
// evenly over the aperture the beam layout gives (from +width to -width, so
// never through the axis, where the tracer cannot refract). The image is
// where the exit rays meet: the point nearest to them (least squares), on
// the axis for a point on it, taken from the middle of the lens outward.
// The rays through the middle decide whether it is real or virtual (when
// they diverge, the image lies where their backward extensions meet);
// outer rays that a strongly aberrated lens sends the other way do not
// meet there and are left out of it.
#pragma once

#include <vector>

#include "optics/light_source.h"
#include "optics/paraxial.h"
#include "optics/tracer.h"

namespace kelvane {

// Rays per object point: an even count, so none runs along the axis.
inline constexpr int kSourceRays = 12;

struct SourceRay {
  TracePoint start;    // the object point
  TracePoint ingress;  // where it meets the ingress face
  TracePoint egress;   // where it leaves the glass (when traced)
  double exitSlope = 0;
  bool traced = false;
};

struct PointImage {
  bool found = false;   // false: no two exit rays reach it
  bool virtualImage = false;
  double x = 0, y = 0;
  double blur = 0;      // RMS distance of the exit rays from (x, y)
  double spread = 0;    // on the axis: farthest minus nearest crossing
  int rays = 0;         // exit rays that went into it
};

struct PointTrace {
  std::vector<SourceRay> rays;
  PointImage image;
};

// The whole source: the paraxial lens, the axis point (the arrow's foot, or
// the point source) and, for an object, the arrow's tip.
struct SourceTrace {
  LightSource source;
  ParaxialLens paraxial;
  ParaxialImage paraxialImage;  // finite sources only
  bool laidOut = false;         // the beam layout gave an aperture
  PointTrace axis;
  PointTrace tip;               // an object only

  bool hasTip() const { return source.kind == SourceKind::Object && source.height != 0; }
  // Traced image height over object height; NaN without a tip image.
  double magnification() const;
};

// The rays of the point (x0, y0) with x0 < 0, through a lens laid out in
// ctx by layoutBeams; `settings` must record nothing. The image is left to
// traceSource, which knows whether the point is the arrow's foot or tip.
PointTrace tracePoint(TracerContext& ctx, const Lens& lens, const BeamSettings& settings,
                      double x0, double y0, double width);

// Everything the source shows; for a parallel source only the paraxial lens.
SourceTrace traceSource(const Lens& lens, double indexRatio, const BeamSettings& settings,
                        const LightSource& source);

}  // namespace kelvane
