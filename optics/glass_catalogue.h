// The glasses a lens can be made of: their index at each wavelength by the
// Sellmeier formula, read once from optics/glasses.txt, which the build
// embeds in the program (no file is read at run time).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// The Fraunhofer lines the Abbe number is defined by, in nm.
inline constexpr double kLineF = 486.1327, kLineD = 587.5618, kLineC = 656.2725;
// The visible light a wavelength may be chosen from, in nm.
inline constexpr double kMinWavelength = 380, kMaxWavelength = 780;
// White light: seven wavelengths, blue to red, F, d and C among them.
inline constexpr std::array<double, 7> kWhiteWavelengths = {420,    450,    kLineF, 530,
                                                            kLineD, kLineC, 680};

struct Glass {
  std::string name, title, source;
  std::vector<double> B, C;     // Sellmeier coefficients, C in square micrometres
  double minNm = 0, maxNm = 0;  // measured range; maxNm may be infinite

  double index(double nm) const;  // n at a wavelength in nm (Sellmeier)
  bool covers(double nm) const;   // minNm <= nm <= maxNm
  double nd() const;              // index(kLineD)
  double abbe() const;            // (nd - 1) / (nF - nC)
};

// Every glass of optics/glasses.txt, in file order.
const std::vector<Glass>& glassCatalogue();
// A glass by name or title, case-insensitive; null when there is none.
const Glass* findGlass(std::string_view nameOrTitle);

// The glasses in a catalogue's text; throws std::runtime_error naming the
// line when the text is malformed.
std::vector<Glass> parseGlassCatalogue(std::string_view text);

}  // namespace kelvane
