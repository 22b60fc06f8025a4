// The legend's rows for the paraxial markers and a point or object source.
#pragma once

#include <vector>

#include "draw/legend.h"

namespace kelvane::draw {

// Appends the paraxial focus's row when the picture shows that ring.
void addParaxialFocusRow(const LensDrawing& d, std::vector<LegendRow>& rows);

// The whole key of a picture with a point or object source.
std::vector<LegendRow> sourceLegendRows(const LensDrawing& d);

}  // namespace kelvane::draw
