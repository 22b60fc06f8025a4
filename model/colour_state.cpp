#include "model/colour_state.h"

#include <cmath>
#include <cstdio>

namespace kelvane {

bool ColourState::isDefault() const { return *this == ColourState{}; }

bool ColourState::dispersive() const { return !glass.empty() || water; }

std::vector<double> ColourState::wavelengths() const {
  if (white) return {kWhiteWavelengths.begin(), kWhiteWavelengths.end()};
  return {wavelength};
}

double ColourState::mainWavelength() const { return white ? kLineD : wavelength; }

std::string formatWavelength(double nm) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", nm);
  return buf;
}

std::string colourText(const ColourState& colour) {
  return "glass " + (colour.glass.empty() ? std::string("custom") : colour.glass) + ", medium " +
         (colour.water ? "water" : "air") + ", light " +
         (colour.white ? std::string("white") : formatWavelength(colour.wavelength) + " nm");
}

namespace {

// A glass refuses a wavelength outside the range it was measured over.
std::string outsideRange(const Glass& g, double nm) {
  if (g.covers(nm)) return {};
  const std::string range = std::isinf(g.maxNm) ? "from " + formatWavelength(g.minNm) + " nm up"
                                                : "from " + formatWavelength(g.minNm) + " to " +
                                                      formatWavelength(g.maxNm) + " nm";
  return g.title + " is measured " + range + ", not at " + formatWavelength(nm) + " nm";
}

}  // namespace

std::string colourProblem(const ColourState& colour) {
  const Glass* glass = nullptr;
  if (!colour.glass.empty()) {
    glass = findGlass(colour.glass);
    if (!glass) return "unknown glass \"" + colour.glass + "\" (kelvane-cli glasses lists them)";
  }
  if (!colour.white &&
      !(colour.wavelength >= kMinWavelength && colour.wavelength <= kMaxWavelength))
    return "wavelength " + formatWavelength(colour.wavelength) + " nm is outside " +
           formatWavelength(kMinWavelength) + "-" + formatWavelength(kMaxWavelength) + " nm";
  const Glass* water = colour.water ? findGlass("water") : nullptr;
  for (double nm : colour.wavelengths()) {
    for (const Glass* g : {glass, water}) {
      if (!g) continue;
      if (std::string why = outsideRange(*g, nm); !why.empty()) return why;
    }
  }
  return {};
}

double colourIndexRatio(const ColourState& colour, double customRatio, double nm) {
  const double medium = colour.water ? findGlass("water")->index(nm) : 1.0;
  const Glass* glass = colour.glass.empty() ? nullptr : findGlass(colour.glass);
  // An unknown glass (a state colourProblem would refuse) traces as Custom
  // rather than not at all.
  if (!glass) return colour.water ? medium * customRatio : customRatio;
  return medium / glass->index(nm);
}

}  // namespace kelvane
