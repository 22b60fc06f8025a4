// The colour key: its rows in each beam mode, its corner away from the
// focus, clear of the axis, and left out where the picture is too small.
#include "draw/legend.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/draw/traced_picture.h"

namespace kelvane::draw {
namespace {

using Traced = test::TracedPicture;


std::vector<std::string> texts(const DisplayList& list) {
  std::vector<std::string> out;
  for (const Primitive& p : list.items)
    if (const Text* t = std::get_if<Text>(&p)) out.push_back(t->text);
  return out;
}

// The key's white box (the only white polygon).
const Polygon* box(const DisplayList& list) {
  for (const Primitive& p : list.items)
    if (const Polygon* g = std::get_if<Polygon>(&p); g && g->fill == kWhite) return g;
  return nullptr;
}

TEST(LensLegend, SingleBeamKeySitsInTheTopCornerAwayFromTheFocus) {
  Traced t(kInitialLens, 0);
  PictureOptions withKey;
  withKey.legend = true;
  // 800 x 600 at 100 dpi: left -100, right 700; the focus dot (365) lies
  // right of the middle, so the key goes top left.
  DisplayList list = lensPicture(t.drawing, 800, 600, 100, 100, withKey);
  EXPECT_EQ(texts(list), (std::vector<std::string>{
                             "beams through the lens", "rays bent by the ingress face alone",
                             "far focus of the ingress ellipse", "centre depth"}));
  const Polygon* key = box(list);
  ASSERT_NE(key, nullptr);
  for (Point p : key->points) {
    EXPECT_LT(p.x, 300);  // the left half
    EXPECT_GE(p.y, 30);   // clear of the axis, the dot and the marks
    EXPECT_LE(p.y, 300);  // inside the picture
    EXPECT_GE(p.x, -100);
  }
  // Swatches in the picture's own pens: blue and green lines, a red dot, the depth line.
  std::vector<Pen> swatches;
  bool redDot = false;
  bool afterKey = false;  // the key comes last, after its box
  for (const Primitive& p : list.items) {
    if (!afterKey) {
      afterKey = std::get_if<Polygon>(&p) == key;
      continue;
    }
    if (const Line* l = std::get_if<Line>(&p)) swatches.push_back(l->pen);
    if (const EllipseShape* e = std::get_if<EllipseShape>(&p)) redDot = e->fill == kFocusColor;
  }
  EXPECT_EQ(swatches, (std::vector<Pen>{Pen{kBeamColors[2], 1}, Pen{kBeamColors[1], 1},
                                        Pen{kDepthColor, 3}}));
  EXPECT_TRUE(redDot);

  // A wider picture puts the focus left of the middle: the key moves right.
  list = lensPicture(t.drawing, 2000, 600, 100, 100, withKey);
  ASSERT_NE(box(list), nullptr);
  for (Point p : box(list)->points) EXPECT_GT(p.x, 750);
  // Without the option, or in a picture too low to keep it off the axis: no key.
  EXPECT_TRUE(texts(lensPicture(t.drawing, 800, 600, 100, 100)).empty());
  EXPECT_TRUE(texts(lensPicture(t.drawing, 800, 140, 100, 100, withKey)).empty());
}

TEST(LensLegend, MultiBeamKeyNamesEachFanWithItsAngleAndBeamCount) {
  Traced t(kInitialLens, 1);
  PictureOptions withKey;
  withKey.legend = true;
  const std::vector<std::string> rows = texts(lensPicture(t.drawing, 860, 720, 96, 96, withKey));
  ASSERT_EQ(rows.size(), 5u);
  const char* angles[] = {"40", "30", "20", "10", "0"};
  for (int r = 0; r < FAN_COUNT; ++r) {
    const int n = t.ctx.results.fanCounts[r];
    EXPECT_EQ(rows[r], std::string(angles[r]) + "\u00B0 fan: " + std::to_string(n) +
                           (n == 1 ? " beam" : " beams"));
  }
}

// A lookup that marks what it was asked, so the rows show which pattern
// each came from and that the numbers were filled in after the lookup.
std::string marked(std::string_view english) { return "<" + std::string(english) + ">"; }

TEST(LensLegend, FanRowsAskForTheirPatternAndFillInTheNumbers) {
  Traced t(kInitialLens, 1);
  PictureOptions withKey;
  withKey.legend = true;
  withKey.style.words = marked;
  const std::vector<std::string> rows = texts(lensPicture(t.drawing, 860, 720, 96, 96, withKey));
  ASSERT_EQ(rows.size(), 5u);
  const int n = t.ctx.results.fanCounts[0];
  EXPECT_EQ(rows[0], "<40\u00B0 fan: " + std::to_string(n) + (n == 1 ? " beam>" : " beams>"));
}

}  // namespace
}  // namespace kelvane::draw
