// The law of refraction in its three forms, and the slope of a face ellipse.
// n is ni/nr: the index of the medium the light leaves over the one it enters.
// Outside the domain of acos/asin (total internal reflection) the result is
// NaN with the invalid-operation flag raised; callers test the flags.
#pragma once

#include "optics/lens.h"

namespace kelvane {

// Direction of the refracted ray by the face-relative law cos(r) = n cos(i):
// faceAngle is the tangent's direction (in -pi/2..pi/2), incident the ray's.
double faceRefract(double faceAngle, double incident, double n);

// Slope of the refracted ray from the face slope fs and incident slope is:
// tan(atan(fs) - acos(n cos(atan(is) - atan(fs)))).
double slopeRefract(double fs, double is, double n);

// asin(n sin(i)): the refracted angle from the normal for incident angle i.
double normalRefract(double i, double n);

// Slope of an ellipse at its point (x, y): -(b^2/a^2)(x - cx)/(y - cy).
double faceSlope(const Ellipse& e, double x, double y);

}  // namespace kelvane
