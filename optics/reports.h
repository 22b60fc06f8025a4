// The refraction reports of the Calc menu: the constants and the three laws,
// tables of refraction angles by each law for air to glass and glass to air,
// the incident angle a given deflection needs, and a side-by-side test of the
// three formulas. Every line goes through dbgPrint; nothing is kept.
//
// The reports use fixed ratios, not the current refractive index:
// kAirToGlass (1.0/1.5) and kGlassToAir (1.5/1.0).
#pragma once

namespace kelvane {

inline constexpr double kAirToGlass = 0.6666666666666666;
inline constexpr double kGlassToAir = 1.5;

// "&Basic info": e, PI and the angle conversions, then the three laws (5 lines).
void reportBasicInfo();

// "&Normal refract table": sin(r) = n sin(i) for i = 1..89 degrees.
void reportNormalRefractTable();

// "&Face refract table": cos(r) = n cos(i) for i = 89..1 degrees.
void reportFaceRefractTable();

// "&Slope refract table": slopeRefract on a flat face for 89..1 degrees.
void reportSlopeRefractTable();

// "&Deflection table": the face-relative incident angle a deflection of
// d = 1, 2, ... degrees needs; ends at the first d without a solution.
void reportDeflectionTable();

// "&Test refract formulas": the three laws on a flat face for both ratios,
// then on an ellipse that focuses at L = 7.5.
void testRefractFormulas();

}  // namespace kelvane
