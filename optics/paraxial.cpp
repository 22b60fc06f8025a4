#include "optics/paraxial.h"

#include <cmath>
#include <limits>

namespace kelvane {

double vertexRadius(double axial, double across) { return across * across / axial; }

ParaxialLens paraxialLens(const Lens& lens, double indexRatio) {
  ParaxialLens p;
  // A face convex toward the arriving light bulges toward -x, so its centre
  // of curvature lies on the +x side: the ingress face is CV for positive
  // radii, the egress face CC for negative ones (see facePointX).
  const double r1 = vertexRadius(lens.ivx, lens.ivy);
  const double r2 = vertexRadius(lens.evx, lens.evy);
  p.r1 = lens.ingressConcave() ? -r1 : r1;
  p.r2 = lens.egressConcave() ? -r2 : r2;
  const double n = rindexFromRatio(indexRatio);
  const double p1 = (n - 1) / p.r1;  // surface powers
  const double p2 = (1 - n) / p.r2;
  const double t = lens.depth / n;   // reduced thickness
  // Refraction at 1, transfer through the glass, refraction at 2.
  p.a = 1 - t * p1;
  p.b = t;
  p.c = -(p1 + p2 - t * p1 * p2);
  p.d = 1 - t * p2;
  p.power = -p.c;
  if (p.power == 0) {
    const double inf = std::numeric_limits<double>::infinity();
    p.focalLength = inf;
    p.principal1 = p.principal2 = p.backFocalDistance = p.focus = inf;
    return p;
  }
  p.focalLength = 1 / p.power;
  p.backFocalDistance = p.a * p.focalLength;
  p.focus = lens.depth + p.backFocalDistance;
  p.principal1 = (1 - p.d) * p.focalLength;
  p.principal2 = lens.depth + (p.a - 1) * p.focalLength;
  return p;
}

ParaxialImage paraxialImage(const ParaxialLens& p, const Lens& lens, double distance) {
  ParaxialImage img;
  // The path from the object to the egress vertex: the lens after a transfer
  // over `distance`. The image lies where a transfer after it makes the
  // height independent of the slope.
  const double b = p.a * distance + p.b;
  const double d = p.c * distance + p.d;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  img.s = p.afocal() ? nan : p.principal1 + distance;
  if (d == 0) {
    img.sPrime = nan;
    return img;
  }
  const double after = -b / d;
  img.finite = true;
  img.x = lens.depth + after;
  img.magnification = p.a + after * p.c;
  img.sPrime = p.afocal() ? nan : img.x - p.principal2;
  return img;
}

}  // namespace kelvane
