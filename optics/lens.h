// The lens model: the Lens record, its face ellipses, the beam settings,
// the trace results, the refractive index and the optics constants.
//
// Frame: x runs along the optical axis in the direction of the light (light
// arrives from -x), y is the signed height above the axis. The ingress vertex
// is at x = 0, the egress vertex at x = depth. A direction is an angle in
// radians from +x, so tan(angle) is the slope dy/dx.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kelvane {

// PI is 22/7, not the true pi: every derived constant inherits it, so 40
// degrees become 0.6984126984126984 rad. Each is the stated double operation.
inline constexpr double PI = 22.0 / 7.0;
inline constexpr double HALF_PI = PI * 0.5;
inline constexpr double TWO_PI = PI + PI;
inline constexpr double DEG_TO_RAD = PI * (1.0 / 180.0);
inline constexpr double RAD_TO_DEG = 180.0 / PI;

// Sentinels that open every minimum/maximum search; NO_POINT also marks a
// recorded point the beam never reached.
inline constexpr double NO_POINT = -9999.0;
inline constexpr double NO_MINIMUM = 100000.0;

// Shape bits: bit 1 = ingress face concave, bit 0 = egress face concave.
inline constexpr int SHAPE_EGRESS_CC = 0x1;
inline constexpr int SHAPE_INGRESS_CC = 0x2;

// One lens: two half-ellipse faces separated by depth along the axis.
struct Lens {
  double ivx;    // X semi-axis of the ingress face ellipse
  double ivy;    // Y semi-axis of the ingress face ellipse
  double evx;    // X semi-axis of the egress face ellipse
  double evy;    // Y semi-axis of the egress face ellipse
  double depth;  // ingress vertex to egress vertex along the axis
  std::int32_t shape;  // 0 "CVCV", 1 "CVCC", 2 "CCCV", 3 "CCCC"

  bool ingressConcave() const { return (shape & SHAPE_INGRESS_CC) != 0; }
  bool egressConcave() const { return (shape & SHAPE_EGRESS_CC) != 0; }
};

// The lens the user sees first, and the two fixed lenses of the test commands.
inline constexpr Lens kInitialLens{219, 163, 143, 260, 112, 0};
inline constexpr Lens kTestMultiBeamLens{791, 1149, 339, 339, 50, 1};
inline constexpr Lens kTestFindFocusLens{2.7, 1.43, 1.43, 2.7, 0.76, 0};

// One face as the geometry and the dialog see it.
struct LensFace {
  double x;       // X semi-axis
  double y;       // Y semi-axis
  bool concave;   // CC as seen by the arriving light
};

enum class Face { Ingress, Egress };

LensFace lensFace(const Lens& lens, Face face);

// An axis-aligned ellipse (x - cx)^2/a^2 + (y - cy)^2/b^2 = 1.
struct Ellipse {
  double a;   // X semi-axis
  double b;   // Y semi-axis
  double cx;  // centre
  double cy;
};

// The full ellipse one face is half of (its centre lies on the axis).
Ellipse faceEllipse(const Lens& lens, Face face);

// x of the face at height y; NaN (with the invalid flag) when |y| exceeds the
// face's Y semi-axis.
double facePointX(const Lens& lens, Face face, double y);

// Rightmost x of a face's whole ellipse: 2*ivx or 0 (ingress CV/CC),
// depth + 2*evx or depth (egress CV/CC).
double faceEllipseRightX(const Lens& lens, Face face);

// sqrt(1 - b^2/a^2) when a^2 > b^2, else sqrt(1 - a^2/b^2); 0 for a circle.
double eccentricity(double a, double b);

// "CVCV", "CVCC", "CCCV" or "CCCC"; "????" for a code outside 0..3.
std::string_view shapeName(int shape);

// The refractive index shown to the user is 1/indexRatio; indexRatio is
// ni/nr for light entering the glass.
inline constexpr double kInitialIndexRatio = 1.0 / 1.5;
inline double rindexFromRatio(double indexRatio) { return 1.0 / indexRatio; }
inline double ratioFromRindex(double rindex) { return 1.0 / rindex; }

struct TracePoint {
  double x;
  double y;
};

// BeamSettings::flags bit 0: take the width from lockedWidth.
inline constexpr std::int32_t BEAM_LOCKED = 0x1;

// How the tracer lays out the parallel beams and where it records them.
struct BeamSettings {
  double maxWidth;      // a wider layout is cut down to this
  double minWidth;      // a narrower layout is refused
  double lockedWidth;   // the width while locked
  double fill;          // share of the rim height that becomes the width
  double spacing;       // beam distance when spacingRatio < 0.001
  double spacingRatio;  // beam distance as a share of the width
  std::int32_t flags;   // BEAM_LOCKED
  std::int32_t pointsMode;  // 0 nothing, 1 three points a beam, 3 four points
  TracePoint* traceBuffer;  // where beam paths go; null records nothing
  double rayEndX;       // where drawn exit rays end; <= 0 picks the default

  bool locked() const { return (flags & BEAM_LOCKED) != 0; }
};

// Records per buffer: 5 fans x 15 beams x 3 points, or 15 beams x 4 points.
inline constexpr int MAX_BEAMS = 15;
inline constexpr int FAN_COUNT = 5;
inline constexpr int MULTI_BEAM_POINTS = FAN_COUNT * MAX_BEAMS * 3;   // 225
inline constexpr int SINGLE_BEAM_POINTS = MAX_BEAMS * 4;              // 60

// The four instances the program keeps, with their initial values.
inline constexpr BeamSettings kInitialCurrentSettings{500, 0, 500, 0.9, 0, 0.2, 0, 3, nullptr, 0};
inline constexpr BeamSettings kBackgroundSettings{1000, 10, 0, 0.9, 0, 0.2, 0, 0, nullptr, 0};
inline constexpr BeamSettings kTestMultiBeamSettings{100, 0, 50, 0.9, 0, 0.1, BEAM_LOCKED, 0, nullptr, 0};
inline constexpr BeamSettings kTestFindFocusSettings{5, 0, 5, 0.9, 0, 0.1, 0, 0, nullptr, 0};

// What the last trace produced.
struct TraceResults {
  double width = 0;     // height of the outermost (first) beam
  double spacing = 0;   // distance between neighbouring beams
  double center = 0;    // x of the rim where the faces meet (or a fallback)
  double focus = 0;     // mean axis crossing of the converging rays; 0 = none
  double focusMin = 0;
  double focusMax = 0;
  double dev = 0;       // focusMax - focusMin
  double devpcnt = 0;   // dev * 100 / focus
  double innerFocusMin = 0;  // axis crossings of the rays inside the glass
  double innerFocusMax = 0;
  std::int32_t beamCount = 0;  // beams laid out by the last single-beam trace
  std::array<std::int32_t, FAN_COUNT> fanCounts{};  // 40, 30, 20, 10, 0 degree fans
};

}  // namespace kelvane
