// The lens picture as a display list: what is drawn, in which order, with
// which pen, before any backend turns it into pixels.
#include "draw/lens_picture.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/draw/traced_picture.h"

namespace kelvane::draw {
namespace {

// Rays drawn to x = 800.
struct Traced : test::TracedPicture {
  Traced(const Lens& lens, int mode) : TracedPicture(lens, mode, 800) {}
};


template <class T>
std::vector<const T*> itemsOf(const DisplayList& list) {
  std::vector<const T*> out;
  for (const Primitive& p : list.items)
    if (const T* t = std::get_if<T>(&p)) out.push_back(t);
  return out;
}

// Polylines drawn with a pen of this colour.
int pathsIn(const DisplayList& list, Rgb color) {
  int n = 0;
  for (const Polyline* p : itemsOf<Polyline>(list)) n += p->pen.color == color;
  return n;
}

TEST(LensPictureList, SingleBeamHoldsAxesDepthFacesBeamsMarksAndDot) {
  Traced t(kInitialLens, 0);
  const TraceResults& res = t.ctx.results;
  ASSERT_EQ(res.beamCount, 5);
  const DisplayList list = lensPicture(t.drawing, 800, 600, 100, 100);
  EXPECT_EQ(list.width, 800);
  EXPECT_EQ(list.height, 600);
  EXPECT_EQ(list.origin, (Point{100, 300}));
  EXPECT_EQ(list.toDevice({365, 0}), (Point{465, 300}));

  const auto lines = itemsOf<Line>(list);
  // The dotted axes span the whole area, then the depth line from the vertex.
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0]->pen.dash, Dash::Dot);
  EXPECT_EQ(lines[0]->from, (Point{-100, 0}));
  EXPECT_EQ(lines[0]->to, (Point{700, 0}));
  EXPECT_EQ(lines[1]->from, (Point{0, 300}));
  EXPECT_EQ(lines[1]->to, (Point{0, -300}));
  EXPECT_EQ(lines[2]->pen, (Pen{kDepthColor, 3}));
  EXPECT_EQ(lines[2]->to, (Point{112, 0}));

  // The two faces as whole outlines from their boxes; the dot is filled red.
  const auto ellipses = itemsOf<EllipseShape>(list);
  ASSERT_EQ(ellipses.size(), 3u);
  EXPECT_EQ(ellipses[0]->left, 0);
  EXPECT_EQ(ellipses[0]->width, 438);
  EXPECT_EQ(ellipses[0]->bottom, -163);
  EXPECT_EQ(ellipses[1]->left, 112);
  EXPECT_EQ(ellipses[1]->height, 520);
  EXPECT_FALSE(ellipses[0]->fill);
  EXPECT_EQ(ellipses[2]->fill, kFocusColor);
  EXPECT_EQ(ellipses[2]->left, 365 - 4);

  // One blue path per beam, from the left edge level with its ingress point;
  // one green line per beam; two crossing marks of two strokes each.
  EXPECT_EQ(pathsIn(list, kBeamColors[2]), 5);
  const Polyline* first = itemsOf<Polyline>(list)[0];
  EXPECT_EQ(first->points[0], (Point{-100, double(roundUnit(t.buffer[0].y))}));
  EXPECT_EQ(first->points.size(), 4u);
  int green = 0, blue = 0;
  for (const Line* l : lines) {
    green += l->pen.color == kBeamColors[1];
    blue += l->pen.color == kBeamColors[2];
  }
  EXPECT_EQ(green, 5 + 2);
  EXPECT_EQ(blue, 2);
}

TEST(LensPictureList, MultiBeamHoldsOnePathPerBeamAndAWavefrontPerFan) {
  Traced t(kInitialLens, 1);
  const DisplayList list = lensPicture(t.drawing, 800, 600, 96, 96);
  for (int r = 0; r < FAN_COUNT; ++r) {
    const int count = t.ctx.results.fanCounts[r];
    ASSERT_GT(count, 0) << r;
    EXPECT_EQ(pathsIn(list, kBeamColors[r]), count) << r;
  }
  // No crossing marks and no dot: the only lines are the axes, the depth
  // line and the five wavefronts.
  EXPECT_EQ(itemsOf<Line>(list).size(), 3u + FAN_COUNT);
  EXPECT_EQ(itemsOf<EllipseShape>(list).size(), 2u);
}

}  // namespace
}  // namespace kelvane::draw
