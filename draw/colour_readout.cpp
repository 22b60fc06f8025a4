#include "draw/colour_readout.h"

#include <cmath>
#include <cstdio>

#include "draw/wavelength_rgb.h"
#include "optics/glass_catalogue.h"

namespace kelvane::draw {

namespace {

const std::string kDot = " \u00B7 ";

std::string format(const char* pattern, double a, double b = 0) {
  char text[96];
  std::snprintf(text, sizeof text, pattern, a, b);
  return text;
}

}  // namespace

std::string indexWords(const LensModel& model) {
  const ColourState& c = model.colour();
  if (c.isDefault()) return {};
  if (!c.white)
    return format("n %.5f at ", rindexFromRatio(model.indexRatio())) +
           wavelengthLabel(c.wavelength);
  const double nd = rindexFromRatio(model.indexRatioAt(kLineD));
  const double spread =
      rindexFromRatio(model.indexRatioAt(kLineF)) - rindexFromRatio(model.indexRatioAt(kLineC));
  if (!(std::fabs(spread) > 0)) return format("n_d %.5f", nd) + kDot + "no dispersion";
  return format("n_d %.5f", nd) + kDot + format("V_d %.2f", (nd - 1) / spread);
}

std::string lcaWords(const LensModel& model) {
  const double lca = model.longitudinalChromaticAberration();
  return std::isfinite(lca) ? format("lca %.4f", lca) : std::string();
}

std::vector<std::pair<double, double>> fociByWavelength(const LensModel& model) {
  std::vector<std::pair<double, double>> foci;
  if (!model.colour().white) return foci;
  for (const ColourTrace& t : model.colourTraces()) {
    const double f = t.singleBeam.focus;
    foci.emplace_back(t.nm, std::isfinite(f) && f > 0 ? f : NAN);
  }
  return foci;
}

std::string fociWords(const LensModel& model) {
  std::string words;
  for (const auto& [nm, focus] : fociByWavelength(model)) {
    if (!words.empty()) words += kDot;
    words +=
        wavelengthLabel(nm) + (std::isnan(focus) ? std::string(" --") : format(" %.2f", focus));
  }
  return words;
}

}  // namespace kelvane::draw
