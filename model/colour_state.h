// What the lens is made of and what light goes through it: a catalogue glass
// (or "Custom": the lens's own index ratio, with no dispersion), the medium
// around it, and one wavelength or white light. The default state traces
// exactly as a lens without colour always has.
#pragma once

#include <string>
#include <vector>

#include "optics/glass_catalogue.h"

namespace kelvane {

struct ColourState {
  std::string glass;           // "" = Custom: the lens's own index ratio, no dispersion
  bool water = false;          // the medium: air (n = 1) or the catalogue's water
  double wavelength = kLineD;  // nm, the one wavelength (when !white)
  bool white = false;          // white light: kWhiteWavelengths
  bool operator==(const ColourState&) const = default;
  bool isDefault() const;                   // == ColourState{}
  bool dispersive() const;                  // a catalogue glass or water
  std::vector<double> wavelengths() const;  // {wavelength} or the white ones
  double mainWavelength() const;            // wavelength, or kLineD for white
};

// Why a colour state cannot be traced, in words a user reads, or empty:
// unknown glass, wavelength outside 380-780 nm, a (white) wavelength outside
// the glass's or water's measured range (refused, never extrapolated).
std::string colourProblem(const ColourState& colour);

// The tracer's index ratio n_medium(nm) / n_glass(nm). Custom glass:
// customRatio in air (exactly, bit for bit), n_water(nm) * customRatio in
// water. An unknown glass, which colourProblem refuses, traces as Custom.
double colourIndexRatio(const ColourState& colour, double customRatio, double nm);

// A wavelength as the program prints it: "%g" ("486.133" for F would lose
// digits, so up to 7 significant ones: "486.1327").
std::string formatWavelength(double nm);

// The state in words, as script notes and captions give it:
// "glass N-BK7, medium air, light 486.1327 nm" ("custom", "white").
std::string colourText(const ColourState& colour);

}  // namespace kelvane
