// The colours of light: a wavelength as the sRGB colour the eye sees, and
// as an ink that stays readable on the picture's white paper, and its name
// in the legend ("486.1 nm (F)").
#pragma once

#include <string>

#include "draw/display_list.h"

namespace kelvane::draw {

// Dan Bruton's approximation of the visible spectrum (380-780 nm): linear
// ramps between violet, blue, cyan, green, yellow and red, dimmed towards
// both ends where the eye sees less, with a gamma of 0.8. Black outside.
Rgb spectrumColour(double nm);

// spectrumColour darkened, where it is too light (yellow, green, cyan), to
// a relative luminance that a thin line on white still shows.
Rgb spectrumInk(double nm);

// "420 nm", "486.1 nm (F)", "587.6 nm (d)", "656.3 nm (C)": whole numbers
// without decimals, others to one place, the Fraunhofer lines by letter.
std::string wavelengthLabel(double nm);

// The pen of the rays of one wavelength: its ink, the beams' width.
Pen spectrumPen(double nm);

}  // namespace kelvane::draw
