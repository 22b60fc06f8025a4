#include "optics/presets.h"

#include <cmath>

namespace kelvane {

std::optional<Lens> perfectFocusLens(double a, double radius, double indexRatio) {
  if (!(indexRatio > 0 && indexRatio < 1) || !(a > 0) || !(radius > 0)) return std::nullopt;
  const double shortAxis = a * std::sqrt(1 - indexRatio * indexRatio);
  const double farFocus = a * (1 + indexRatio);  // centre a plus focal distance a*e
  const double depth = farFocus - radius;
  if (!(depth > 0)) return std::nullopt;
  return Lens{a, shortAxis, radius, radius, depth, 0};
}

std::vector<LensPreset> lensPresets(double indexRatio) {
  // Sized for the lens view's first canvas (860 x 720): each shows its beams
  // and, where there is one, its focus inside the picture.
  std::vector<LensPreset> presets = {
      {"Start-up meniscus", kInitialLens, kInitialIndexRatio},
      // Two spherical faces, thickest on the axis: the textbook lens and its
      // spherical aberration.
      {"Biconvex lens", Lens{250, 250, 250, 250, 120, 1}, std::nullopt},
      // Flat ellipses whose vertex curvature (ivy^2/ivx = 400) gives a focal
      // length near 400 at n = 1.5, with little glass between the faces.
      {"Thin lens", Lens{100, 200, 100, 200, 40, 1}, std::nullopt},
      // Two concave spherical faces, thinnest on the axis: the rays spread.
      {"Diverging lens", Lens{200, 200, 200, 200, 20, 2}, std::nullopt},
  };
  if (auto lens = perfectFocusLens(kPerfectFocusA, kPerfectFocusR, indexRatio))
    presets.push_back({kPerfectFocusName, *lens, std::nullopt});
  return presets;
}

}  // namespace kelvane
