// The numbers of the light in words, for every read-out (the lens view's
// status line, the page): the index the rays see, where each colour of
// white light focuses and how far apart red and blue focus.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/lens_model.h"

namespace kelvane::draw {

// "n 1.52238 at 486.1 nm (F)" for one wavelength, "n_d 1.51680 · V_d 64.17"
// for white light (a Custom glass in air: "n_d 1.50000 · no dispersion");
// the index is the glass's over the medium's. Empty in the default state.
std::string indexWords(const LensModel& model);

// "lca 4.3210": focus(C) - focus(F) of the single-beam traces; empty unless
// white light focuses at both.
std::string lcaWords(const LensModel& model);

// Each traced wavelength of white light and its single-beam focus (NaN
// where it has none), blue to red; empty unless white.
std::vector<std::pair<double, double>> fociByWavelength(const LensModel& model);

// "420 nm 306.12 · 450 nm 307.90 · …", "--" for a wavelength without a
// focus; empty unless white.
std::string fociWords(const LensModel& model);

}  // namespace kelvane::draw
