// The caption of an exported picture: one line in a band under the picture
// with the lens as a script's "lens" line writes it, the refractive index,
// focus, width, dev and dev %, and a one-inch scale bar at its right end.
#pragma once

#include <string>

#include "draw/display_list.h"
#include "draw/lens_picture.h"

namespace kelvane::draw {

// Height of the caption band in drawing units.
inline constexpr int kCaptionBandUnits = 40;

// The band's height in device pixels at dpiY pixels per inch.
int captionBandPixels(double dpiY);

// The facts of `lens` traced with `settings` at the refractive index ratio
// `indexRatio` (a single-beam trace of its own, whatever the picture's mode,
// recording nothing).
CaptionFacts captionFacts(const Lens& lens, const BeamSettings& settings, double indexRatio);

// "219,163,143,260,112,CVCV   n = 1.50   focus 316   width 137   dev 0.38 (0.12%)":
// the lens values truncated as the script writer writes them, focus and
// width rounded as the Lens Control dialog shows them, dev to two places
// ("--" without a focus).
std::string captionText(const CaptionFacts& facts);

// Adds the caption band under the picture whose visible area is `e`.
void addCaption(DisplayList& list, const CaptionFacts& facts, const Extent& e);

}  // namespace kelvane::draw
