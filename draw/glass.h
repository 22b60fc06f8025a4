// The glass of a lens: the region between the ingress and the egress face.
//
// At height y the ingress face lies at x_in(y) and the egress face at
// x_eg(y) (the face arcs of the two half-ellipses); the glass holds the
// points between them. Going up from the axis it ends at the rim, where the
// two faces meet (x_in = x_eg), or, when they never meet, at the height
// where the shorter face ends (min(ivy, evy)); there the lens is closed by a
// flat edge between the faces. Below the axis it is the mirror image.
#pragma once

#include <vector>

#include "draw/display_list.h"
#include "optics/lens.h"

namespace kelvane::draw {

struct Glass {
  std::vector<Point> outline;  // closed polygon, drawing units; empty: no glass
  double top = 0;              // half-height of the glass
  bool rim = false;            // the faces meet at (x, +-top)
};

// The glass of `lens`. There is none when the faces cross on the axis
// (negative depth), when they only touch there, or when a semi-axis is not
// a positive number.
Glass lensGlass(const Lens& lens);

// lensGlass(lens).outline.
std::vector<Point> glassOutline(const Lens& lens);

}  // namespace kelvane::draw
