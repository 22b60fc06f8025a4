// The paraxial thick lens: what the lens equation predicts for the lens the
// tracer follows, from the faces' curvature at their vertices alone.
//
// Signs: a radius is positive when its centre of curvature lies on the +x
// side of the vertex. x is measured as everywhere: light along +x, ingress
// vertex at 0, egress vertex at depth. The lens stands in air; the glass has
// the index the tracer refracts with (1 / indexRatio).
#pragma once

#include "optics/lens.h"

namespace kelvane {

struct ParaxialLens {
  double r1 = 0;           // ingress vertex radius
  double r2 = 0;           // egress vertex radius
  double power = 0;        // 1 / focal length; 0 for an afocal lens
  double focalLength = 0;  // effective focal length (infinite when afocal)
  double principal1 = 0;   // x of the front principal plane H
  double principal2 = 0;   // x of the rear principal plane H'
  double backFocalDistance = 0;  // egress vertex to the paraxial focus
  double focus = 0;        // x of the paraxial focus (of light arriving parallel)
  // The system matrix from the ingress vertex to the egress vertex, acting
  // on (height, slope) in the air on either side.
  double a = 1, b = 0, c = 0, d = 1;

  bool afocal() const { return power == 0; }
};

// Radius b^2/a of an ellipse with semi-axis a along the axis and b across it,
// at the vertex on the axis.
double vertexRadius(double axial, double across);

ParaxialLens paraxialLens(const Lens& lens, double indexRatio);

// The paraxial image of an object point `distance` before the ingress vertex.
struct ParaxialImage {
  bool finite = false;      // false: the image lies at infinity
  double x = 0;             // x of the image
  double magnification = 0; // image height / object height
  double s = 0;             // object distance from H (positive for a real object)
  double sPrime = 0;        // image distance from H' (positive after H')
};

ParaxialImage paraxialImage(const ParaxialLens& p, const Lens& lens, double distance);

}  // namespace kelvane
