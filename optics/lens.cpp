#include "optics/lens.h"

#include <cmath>

namespace kelvane {

LensFace lensFace(const Lens& lens, Face face) {
  if (face == Face::Ingress) return {lens.ivx, lens.ivy, lens.ingressConcave()};
  return {lens.evx, lens.evy, lens.egressConcave()};
}

Ellipse faceEllipse(const Lens& lens, Face face) {
  if (face == Face::Ingress) {
    double cx = lens.ingressConcave() ? -lens.ivx : lens.ivx;
    return {lens.ivx, lens.ivy, cx, 0.0};
  }
  double cx = lens.egressConcave() ? lens.depth - lens.evx : lens.depth + lens.evx;
  return {lens.evx, lens.evy, cx, 0.0};
}

double facePointX(const Lens& lens, Face face, double y) {
  const LensFace f = lensFace(lens, face);
  const double half = f.x * std::sqrt(1.0 - y * y / (f.y * f.y));
  const double base = face == Face::Ingress ? 0.0 : lens.depth;
  // A CV face bulges toward -x: its arc is the half left of the centre.
  return f.concave ? base - f.x + half : base + f.x - half;
}

double faceEllipseRightX(const Lens& lens, Face face) {
  if (face == Face::Ingress) return lens.ingressConcave() ? 0.0 : 2 * lens.ivx;
  return lens.egressConcave() ? lens.depth : lens.depth + 2 * lens.evx;
}

double eccentricity(double a, double b) {
  if (a * a > b * b) return std::sqrt(1.0 - (b * b) / (a * a));
  return std::sqrt(1.0 - (a * a) / (b * b));
}

std::string_view shapeName(int shape) {
  static constexpr std::string_view names[] = {"CVCV", "CVCC", "CCCV", "CCCC"};
  if (shape < 0 || shape > 3) return "????";
  return names[shape];
}

}  // namespace kelvane
