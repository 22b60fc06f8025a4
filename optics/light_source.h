// Where the light comes from: parallel beams (the beams and fans of the two
// beam modes), a point on the axis, or an upright arrow standing on the axis.
// Part of the lens state, so one undo step puts it back with the lens.
#pragma once

namespace kelvane {

enum class SourceKind { Parallel, Point, Object };

struct LightSource {
  SourceKind kind = SourceKind::Parallel;
  double distance = 600;  // from the object to the ingress vertex, toward -x
  double height = 80;     // the arrow's height (an object only)

  bool finite() const { return kind != SourceKind::Parallel; }
  bool operator==(const LightSource&) const = default;
};

// The limits every surface holds a source to.
inline constexpr double kMinSourceDistance = 1;
inline constexpr double kMaxSourceDistance = 100000;
inline constexpr double kMaxSourceHeight = 10000;

}  // namespace kelvane
