// The caption of an exported picture: one line in a band under the picture
// with the lens as a script's "lens" line writes it, the refractive index,
// focus, width, dev and dev %, and a one-inch scale bar at its right end.
#pragma once

#include <string>

#include "draw/display_list.h"
#include "draw/lens_picture.h"
#include "model/lens_model.h"

namespace kelvane::draw {

// Height of the caption band in drawing units.
inline constexpr int kCaptionBandUnits = 40;

// The band's height in device pixels at dpiY pixels per inch.
int captionBandPixels(double dpiY);

// The facts of the model's lens from its single-beam trace, whatever the
// picture's beam mode.
CaptionFacts captionFacts(const LensModel& model);

// "219,163,143,260,112,CVCV   n = 1.50   focus 316   width 137   dev 0.38 (0.12%)":
// the lens values truncated as the script writer writes them, focus and
// width rounded as the Lens Control dialog shows them, dev to two places
// ("--" without a focus), then the colour state's words when not default.
// Its words come from `words` (English without one).
std::string captionText(const CaptionFacts& facts, WordLookup words = nullptr);

// The glass, medium and light of a colour state in a few words, empty for
// the default: "N-BK7, white light", "in water, 486.1 nm (F)", "500 nm".
std::string colourWords(const ColourState& colour);

// Adds the caption band under the picture whose visible area is `e`.
void addCaption(DisplayList& list, const CaptionFacts& facts, const Extent& e,
                WordLookup words = nullptr);

}  // namespace kelvane::draw
