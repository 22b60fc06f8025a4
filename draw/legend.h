// The legend: a small key in a top corner of the lens picture saying what
// its colours mean. Single-beam: the blue beams, the green rays refracted by
// the ingress face alone, the red far focus and the magenta depth line.
// Multi-beam: the five fan colours with their angles and beam counts.
// Beams drawn by wavelength: each wavelength's colour and name.
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
  // Vertical: an upright line; Mark: a small V; Ring: a hollow circle;
  // None: words alone.
  enum class Swatch { Line, Dot, Vertical, Mark, Ring, None };
  Swatch swatch = Swatch::Line;
  Pen pen;
  std::string label;
};

// The key stays this far above the axis (drawing units): clear of the
// crossing marks (20 units under it) and the focus dot, with room to spare.
inline constexpr double kLegendAxisClearance = 30;

// Where the focus that decides the key's corner lies on the axis, if the
// picture shows one: the key takes the top corner farther from it.
bool legendFocusX(const LensDrawing& d, const PictureStyle& style, double& x);

// The rows the picture of `d` explains, top to bottom. Rows with numbers
// take their words from `words` here; words alone are looked up by
// legendBox().
std::vector<LegendRow> legendRows(const LensDrawing& d, WordLookup words = nullptr);

// The rows of a picture whose beams are drawn by wavelength: one per
// wavelength in its colour, then the marks that keep their own colours.
std::vector<LegendRow> colourLegendRows(const LensDrawing& d, WordLookup words = nullptr);

// The key's rows and its box in drawing units; `room` is its margin from
// the picture's edges.
struct LegendBox {
  std::vector<LegendRow> rows;
  double width = 0, height = 0, room = 0;
};
LegendBox legendBox(const LensDrawing& d, const PictureStyle& style = {});

// Adds the key of the picture drawn in `style` to `list`, whose visible area
// is `e` (drawing units), unless it cannot stay clear of the axis.
void addLegend(DisplayList& list, const LensDrawing& d, const Extent& e,
               const PictureStyle& style = {});

}  // namespace kelvane::draw
