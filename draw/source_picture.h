// The source's part of the lens picture: the paraxial focus (in every mode),
// and for a point or an object its rays, the traced image and the paraxial
// image, so the gap between the lens equation and the real lens shows.
#pragma once

#include <vector>

#include "draw/display_list.h"
#include "draw/lens_picture.h"

namespace kelvane::draw {

inline constexpr Rgb kParaxialColor{128, 0, 160};
inline constexpr Rgb kObjectColor{0, 130, 0};
inline constexpr Rgb kImageColor{170, 0, 0};
inline constexpr Rgb kAxisRayColor{255, 128, 0};
inline constexpr Rgb kTipRayColor{20, 90, 200};

// The paraxial focus is a ring of this radius (drawing units) on the axis.
inline constexpr double kParaxialRingRadius = 6;

// Whether the picture shows a point or an object instead of parallel beams.
bool showsFiniteSource(const LensDrawing& d);

// Adds the source's primitives; `e` is the visible area.
void addSourcePicture(DisplayList& list, const LensDrawing& d, const Extent& e);

// The lens equation's numbers in the lower left corner: part of the key, so
// a picture without its key is the bare picture.
void addSourceReadout(DisplayList& list, const LensDrawing& d, const Extent& e,
                      WordLookup words = nullptr);

}  // namespace kelvane::draw
