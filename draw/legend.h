// The legend: a small key in a top corner of the lens picture saying what
// its colours mean. Single-beam: the blue beams, the green rays refracted by
// the ingress face alone, the red far focus and the magenta depth line.
// Multi-beam: the five fan colours with their angles and beam counts.
//
// It sits in the top corner farther from the focus and keeps clear of the
// axis band (the focus, the dot and the crossing marks all lie on or just
// under the axis), so it never covers the focus; where the picture is too
// small for that it is left out.
#pragma once

#include <string>
#include <vector>

#include "draw/display_list.h"
#include "draw/lens_picture.h"

namespace kelvane::draw {

// One row of the key: a swatch and its words.
struct LegendRow {
  enum class Swatch { Line, Dot, Ring };
  Swatch swatch = Swatch::Line;
  Pen pen;
  std::string label;
};

// The rows the picture of `d` explains, top to bottom.
std::vector<LegendRow> legendRows(const LensDrawing& d);

// Adds the key to `list`, whose visible area is `e` (drawing units), unless
// it cannot stay clear of the axis.
void addLegend(DisplayList& list, const LensDrawing& d, const Extent& e);

}  // namespace kelvane::draw
