#include "draw/wavelength_rgb.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "optics/glass_catalogue.h"

namespace kelvane::draw {

namespace {

constexpr double kGamma = 0.8;
// The largest relative luminance an ink keeps: pure yellow (0.93) on white
// is all but invisible as a one-unit line.
constexpr double kMaxInkLuminance = 0.55;

std::uint8_t channel(double c, double factor) {
  if (c <= 0) return 0;
  return static_cast<std::uint8_t>(std::lround(255 * std::pow(c * factor, kGamma)));
}

}  // namespace

Rgb spectrumColour(double nm) {
  double r = 0, g = 0, b = 0;
  if (!(nm >= 380 && nm <= 780)) return Rgb{};
  if (nm < 440) {
    r = (440 - nm) / (440 - 380);
    b = 1;
  } else if (nm < 490) {
    g = (nm - 440) / (490 - 440);
    b = 1;
  } else if (nm < 510) {
    g = 1;
    b = (510 - nm) / (510 - 490);
  } else if (nm < 580) {
    r = (nm - 510) / (580 - 510);
    g = 1;
  } else if (nm < 645) {
    r = 1;
    g = (645 - nm) / (645 - 580);
  } else {
    r = 1;
  }
  // The eye's sensitivity falls off at both ends of the spectrum.
  double factor = 1;
  if (nm < 420)
    factor = 0.3 + 0.7 * (nm - 380) / (420 - 380);
  else if (nm > 700)
    factor = 0.3 + 0.7 * (780 - nm) / (780 - 700);
  return Rgb{channel(r, factor), channel(g, factor), channel(b, factor)};
}

Rgb spectrumInk(double nm) {
  const Rgb c = spectrumColour(nm);
  const double luminance = (0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b) / 255;
  if (luminance <= kMaxInkLuminance) return c;
  const double k = kMaxInkLuminance / luminance;
  const auto dim = [k](std::uint8_t v) { return static_cast<std::uint8_t>(std::lround(v * k)); };
  return Rgb{dim(c.r), dim(c.g), dim(c.b)};
}

std::string wavelengthLabel(double nm) {
  char text[48];
  if (nm == std::round(nm))
    std::snprintf(text, sizeof text, "%.0f nm", nm);
  else
    std::snprintf(text, sizeof text, "%.1f nm", nm);
  std::string label = text;
  if (nm == kLineF) label += " (F)";
  if (nm == kLineD) label += " (d)";
  if (nm == kLineC) label += " (C)";
  return label;
}

Pen spectrumPen(double nm) { return Pen{spectrumInk(nm), 1}; }

}  // namespace kelvane::draw
