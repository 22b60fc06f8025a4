// The glass between the faces: up to the rim where the faces meet, or closed
// by a flat edge where the shorter face ends when they never meet.
#include "draw/glass.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvane::draw {
namespace {

Lens withShape(int shape) {
  Lens l = kInitialLens;
  l.shape = shape;
  return l;
}

double highest(const Glass& g) {
  double y = -1e9;
  for (Point p : g.outline) y = std::max(y, p.y);
  return y;
}

TEST(LensGlass, EndsAtTheRimWhereTheFacesMeet) {
  // CVCC: the faces meet at (91.9505, +-132.7668), where the beam layout puts the rim.
  const Glass g = lensGlass(withShape(1));
  ASSERT_FALSE(g.outline.empty());
  EXPECT_TRUE(g.rim);
  EXPECT_NEAR(g.top, 132.7668, 1e-3);
  EXPECT_NEAR(highest(g), 132.7668, 1e-3);
  for (Point p : g.outline) {
    if (p.y > 132.76) {
      EXPECT_NEAR(p.x, 91.9505, 1e-2);
    }
  }
  // Every outline point lies on one of the two face arcs.
  const Lens l = withShape(1);
  for (Point p : g.outline) {
    const double in = std::abs(facePointX(l, Face::Ingress, p.y) - p.x);
    const double eg = std::abs(facePointX(l, Face::Egress, p.y) - p.x);
    EXPECT_LT(std::min(in, eg), 1e-6) << p.x << "," << p.y;
  }
}

TEST(LensGlass, FacesThatNeverMeetCloseWithAFlatEdge) {
  // CCCV: the faces part as they rise; the ingress face (ivy 163) ends first.
  const Glass g = lensGlass(withShape(2));
  EXPECT_FALSE(g.rim);
  EXPECT_DOUBLE_EQ(g.top, 163);
  int atTop = 0;
  for (Point p : g.outline) atTop += p.y > 163 - 1e-9;
  EXPECT_EQ(atTop, 2);  // one corner on each face, joined by the edge
  // CCCC with the same values does not meet either.
  EXPECT_FALSE(lensGlass(withShape(3)).rim);
  EXPECT_DOUBLE_EQ(lensGlass(withShape(3)).top, 163);
}

TEST(LensGlass, NoGlassWhereTheFacesCrossOnTheAxis) {
  Lens l = withShape(1);
  l.depth = -5;  // the egress vertex left of the ingress vertex
  EXPECT_TRUE(lensGlass(l).outline.empty());
  l.depth = 0;  // both CV/CC faces bulge apart from one touching point: nothing between
  EXPECT_TRUE(lensGlass(l).outline.empty());
  Lens thinCentre = withShape(2);
  thinCentre.depth = 0;  // a diverging lens of no centre thickness still has glass
  EXPECT_FALSE(lensGlass(thinCentre).outline.empty());
  Lens flat = withShape(0);
  flat.evy = 0;
  EXPECT_TRUE(lensGlass(flat).outline.empty());
}

}  // namespace
}  // namespace kelvane::draw
