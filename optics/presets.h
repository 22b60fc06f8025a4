// Named lenses a user can pick to start from, and the perfect-focus lens.
//
// The perfect-focus lens is a Cartesian pair: an ingress ellipse whose
// eccentricity is the index ratio (1/n) bends every ray parallel to the axis
// toward its far focus, and an egress circle centred on that focus meets each
// of those rays square on, so they leave without bending and all cross the
// axis at the focus. In this program's frame the ellipse's long semi-axis a
// lies along the optical axis (ivx = a) and its short one across it
// (ivy = a * sqrt(1 - 1/n^2)); its far focus is at x = a + a/n.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "optics/lens.h"

namespace kelvane {

// Ingress X semi-axis and egress radius of the perfect-focus preset.
inline constexpr double kPerfectFocusA = 219;
inline constexpr double kPerfectFocusR = 260;

// The perfect-focus lens for an ingress ellipse with long semi-axis `a`
// along the axis, an egress circle of radius `radius` and the index ratio
// 1/n: CVCV, ivx = a, ivy = a*sqrt(1 - ratio^2), evx = evy = radius,
// depth = a*(1 + ratio) - radius. Nothing when no such lens exists: a ratio
// outside (0, 1) (no ellipse of that eccentricity) or a depth that is not
// positive.
std::optional<Lens> perfectFocusLens(double a, double radius, double indexRatio);

// One named lens. indexRatio is set too when the preset carries one.
struct LensPreset {
  std::string_view name;
  Lens lens;
  std::optional<double> indexRatio;
};

// The presets for the index ratio in force, in menu order: the start-up
// meniscus (with its index 1.5), an ordinary biconvex lens, a thin lens, a
// diverging lens and "Perfect focus" (left out when it cannot be built for
// that ratio).
std::vector<LensPreset> lensPresets(double indexRatio);

// The name of the perfect-focus preset.
inline constexpr std::string_view kPerfectFocusName = "Perfect focus";

}  // namespace kelvane
