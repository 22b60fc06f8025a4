// The classroom picture: the glass outline instead of whole ellipses,
// beams mirrored below the axis, fans from one common line (all or one),
// every mark named in the legend; and the zoom over true scale.
#include "draw/classroom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "draw/glass.h"
#include "draw/zoom.h"
#include "tests/draw/traced_picture.h"

namespace kelvane::draw {
namespace {

using Traced = test::TracedPicture;

PictureOptions classroom(int fan = kAllFans) {
  PictureOptions o;
  o.legend = true;
  o.style.classroom = true;
  o.style.fan = fan;
  return o;
}

std::vector<std::string> texts(const DisplayList& list) {
  std::vector<std::string> out;
  for (const Primitive& p : list.items)
    if (const Text* t = std::get_if<Text>(&p)) out.push_back(t->text);
  return out;
}

// The beam paths: polylines in a beam colour.
std::vector<const Polyline*> beams(const DisplayList& list) {
  std::vector<const Polyline*> out;
  for (const Primitive& p : list.items)
    if (const Polyline* l = std::get_if<Polyline>(&p); l && l->pen.color != kBlack)
      out.push_back(l);
  return out;
}

bool hasMirror(const std::vector<const Polyline*>& paths, const Polyline& p) {
  return std::any_of(paths.begin(), paths.end(), [&](const Polyline* q) {
    if (q->points.size() != p.points.size() || !(q->pen == p.pen)) return false;
    for (size_t i = 0; i < p.points.size(); ++i)
      if (q->points[i].x != p.points[i].x || q->points[i].y != -p.points[i].y) return false;
    return true;
  });
}

TEST(ClassroomPicture, SingleBeamShowsGlassMirroredBeamsAndNamesEveryMark) {
  Traced t(kInitialLens, 0);
  const DisplayList list = lensPicture(t.drawing, 860, 720, 96, 96, classroom());
  // No whole face ellipse and no ellipse focus: the dots are the mean
  // focus, on the axis at the traced focus, and the key's swatch.
  std::vector<double> dots;
  for (const Primitive& p : list.items)
    if (const EllipseShape* e = std::get_if<EllipseShape>(&p)) {
      EXPECT_EQ(e->width, 8);
      if (e->bottom == -4) dots.push_back(e->left + 4);
    }
  EXPECT_EQ(dots, std::vector<double>{double(roundUnit(t.ctx.results.focus))});
  // The glass edge: one closed black line.
  int edges = 0;
  for (const Primitive& p : list.items)
    if (const Polyline* l = std::get_if<Polyline>(&p); l && l->pen.color == kBlack) {
      ++edges;
      EXPECT_EQ(l->points.front(), l->points.back());
    }
  EXPECT_EQ(edges, 1);
  // Every beam above the axis has its mirror image below it.
  const std::vector<const Polyline*> paths = beams(list);
  ASSERT_EQ(paths.size(), 2u * t.ctx.results.beamCount);
  for (const Polyline* p : paths) EXPECT_TRUE(hasMirror(paths, *p));
  const std::vector<std::string> words = texts(list);
  for (const char* w :
       {"V: nearest crossing to farthest crossing", "mean focus", "glass", "axis",
        "dotted upright: the ingress vertex", "below the axis: the upper half mirrored"})
    EXPECT_NE(std::find(words.begin(), words.end(), w), words.end()) << w;
}

TEST(ClassroomPicture, FansStartOnOneLineWithoutConnectorsOneFanAtATime) {
  Traced t(kInitialLens, 1);
  const DisplayList all = lensPicture(t.drawing, 860, 720, 96, 96, classroom());
  const std::vector<const Polyline*> paths = beams(all);
  ASSERT_FALSE(paths.empty());
  const double left = paths.front()->points.front().x;
  for (const Polyline* p : paths) EXPECT_EQ(p->points.front().x, left);
  // No straight line in a fan's colour: the connectors are gone.
  for (const Primitive& p : all.items)
    if (const Line* l = std::get_if<Line>(&p))
      EXPECT_TRUE(l->pen.color == kBlack || l->pen.color == kDepthColor || l->from.x > left + 100);

  // A fan number that names no fan shows them all.
  EXPECT_EQ(beams(lensPicture(t.drawing, 860, 720, 96, 96, classroom(7))).size(), paths.size());
  const DisplayList one = lensPicture(t.drawing, 860, 720, 96, 96, classroom(2));
  const std::vector<const Polyline*> fan = beams(one);
  EXPECT_EQ(fan.size(), 2u * t.ctx.results.fanCounts[2]);
  for (const Polyline* p : fan) EXPECT_EQ(p->pen.color, kBeamColors[2]);
  const std::vector<std::string> words = texts(one);
  EXPECT_EQ(std::count_if(words.begin(), words.end(),
                          [](const std::string& w) { return w.find(" fan: ") != w.npos; }),
            1);
}

TEST(PictureZoom, ScalesTheDeviceNotTheDrawingAndSaysSo) {
  Traced t(kInitialLens, 0);
  PictureOptions zoomed;
  zoomed.style.zoom = 2;
  const DisplayList plain = lensPicture(t.drawing, 860, 720, 96, 96);
  const DisplayList big = lensPicture(t.drawing, 860, 720, 96, 96, zoomed);
  EXPECT_EQ(big.dpiX, 192);
  EXPECT_EQ(big.dpiY, 192);
  EXPECT_TRUE(texts(plain).empty());
  EXPECT_EQ(texts(big), std::vector<std::string>{"2.00 \u00D7 true scale"});
  // A zoom that is no positive number draws at true scale; a wild one is held.
  for (double bad : {0.0, -3.0, std::nan("")}) {
    zoomed.style.zoom = bad;
    EXPECT_EQ(lensPicture(t.drawing, 860, 720, 96, 96, zoomed).dpiX, 96);
  }
  zoomed.style.zoom = 1e9;
  EXPECT_EQ(lensPicture(t.drawing, 860, 720, 96, 96, zoomed).dpiX, 96 * kMaxZoom);

  // Fit to window: the farthest crossing and the glass top inside the area.
  for (auto [W, H] : {std::pair{860, 720}, std::pair{1600, 900}, std::pair{375, 800}}) {
    const double z = fitZoom(t.drawing, W, H, 96, 96);
    PictureOptions fit;
    fit.style.zoom = z;
    const DisplayList list = lensPicture(t.drawing, W, H, 96, 96, fit);
    const Point far = list.toDevice({t.ctx.results.focusMax, 0});
    const Point top = list.toDevice({0, lensGlass(kInitialLens).top});
    EXPECT_LT(far.x, W) << W;
    // Fills the area one way or the other, not a corner of it.
    EXPECT_TRUE(far.x > W * 0.6 || top.y < H * 0.3) << W;
    EXPECT_GT(top.y, 0) << W;
  }
  // With the key: it keeps a place where it covers nothing - above the
  // glass, or right of the farthest crossing - instead of being left out,
  // and a wide screen still enlarges the lens.
  const double far = std::max(t.ctx.results.focusMax, t.ctx.results.innerFocusMax);
  for (auto [W, H] : {std::pair{860, 720}, std::pair{1600, 900}}) {
    PictureOptions keyed = classroom();
    keyed.style.zoom = fitZoom(t.drawing, W, H, 96, 96, keyed);
    const DisplayList list = lensPicture(t.drawing, W, H, 96, 96, keyed);
    const Polygon* key = nullptr;
    for (const Primitive& p : list.items)
      if (const Polygon* g = std::get_if<Polygon>(&p); g && g->fill == kWhite) key = g;
    ASSERT_NE(key, nullptr) << W;
    const bool above = std::all_of(key->points.begin(), key->points.end(),
                                   [](Point p) { return p.y > lensGlass(kInitialLens).top; });
    const bool beside =
        std::all_of(key->points.begin(), key->points.end(), [&](Point p) { return p.x > far; });
    EXPECT_TRUE(above || beside) << W;
    if (W == 1600) EXPECT_GT(keyed.style.zoom, 1.5);
  }
  // Steps of 1.25 that stop at true scale on the way through it.
  EXPECT_DOUBLE_EQ(zoomStep(1, 1), 1.25);
  EXPECT_DOUBLE_EQ(zoomStep(1.25, -1), 1);
  EXPECT_DOUBLE_EQ(zoomStep(0.9, 1), 1);
  EXPECT_DOUBLE_EQ(zoomStep(kMaxZoom, 1), kMaxZoom);
  EXPECT_DOUBLE_EQ(zoomStep(kMinZoom, -1), kMinZoom);
}

}  // namespace
}  // namespace kelvane::draw
