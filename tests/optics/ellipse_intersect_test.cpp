#include "optics/ellipse_intersect.h"
#include "optics/tracer.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "trace/dbgprint.h"

namespace kelvane {
namespace {

struct Result {
  int count;
  TracePoint pts[4];
};

Result intersect(Ellipse e1, Ellipse e2) {
  Result r{};
  r.count = ellipseIntersect(e1, r.pts, e2);
  return r;
}

void expectPoint(const TracePoint& p, double x, double y) {
  EXPECT_NEAR(p.x, x, 1e-9);
  EXPECT_NEAR(p.y, y, 1e-9);
}

TEST(EllipseIntersect, CaseTableRows) {
  Result r = intersect({1.2, 0.6875, -0.8, 0}, {1.2, 0.6875, 1.2, 0});  // row 1
  ASSERT_EQ(r.count, 2);
  expectPoint(r.pts[0], 0.2, 0.3800299239);
  expectPoint(r.pts[1], 0.2, -0.3800299239);

  r = intersect({1.2, 0.6875, -0.8, 0}, {0.6875, 1.2, 0.6875, 0});  // row 3
  ASSERT_EQ(r.count, 2);
  expectPoint(r.pts[0], 0.0576145636, 0.4808737947);
  expectPoint(r.pts[1], 0.0576145636, -0.4808737947);

  r = intersect({1.2, 0.6875, 0, -0.6875}, {1.2, 0.6875, 0, 0.2875});  // row 5, along y
  ASSERT_EQ(r.count, 2);
  expectPoint(r.pts[0], 0.8461404842, -0.2);
  expectPoint(r.pts[1], -0.8461404842, -0.2);

  r = intersect({1.2, 0.6875, 0.425, 0}, {0.6875, 1.2, 0.6875, 0});  // row 9
  ASSERT_EQ(r.count, 4);
  expectPoint(r.pts[0], 1.323495497, 0.4557140084);
  expectPoint(r.pts[1], 1.323495497, -0.4557140084);
  expectPoint(r.pts[2], 0.1148961975, 0.6641474852);
  expectPoint(r.pts[3], 0.1148961975, -0.6641474852);

  r = intersect({1.2, 0.6875, -1.0, 0}, {0.6875, 1.2, 0.8875, 0});  // row 10: touching vertices
  ASSERT_EQ(r.count, 1);
  expectPoint(r.pts[0], 0.2, 0);

  EXPECT_EQ(intersect({1.2, 0.6875, -1.0, 0}, {0.6875, 1.2, 0.9875, 0}).count, 0);  // row 11
}

TEST(EllipseIntersect, RefusesTheSameEllipseAndNonCoaxialCentres) {
  EXPECT_EQ(intersect({1, 2, 3, 4}, {1, 2, 3, 4}).count, -1);
  EXPECT_EQ(intersect({1, 2, 3, 4}, {2, 1, 3.5, 4.5}).count, -1);
}

TEST(EllipseIntersect, CirclesTakeTheRadicalLine) {
  const Result r = intersect({3, 3, 3, 0}, {2, 2, 1, 0});
  ASSERT_EQ(r.count, 2);
  expectPoint(r.pts[0], 0.75, std::sqrt(9 - 5.0625));
  expectPoint(r.pts[1], 0.75, -std::sqrt(9 - 5.0625));
  // Concentric circles divide by zero: no points, and the flags are cleared.
  EXPECT_EQ(intersect({3, 3, 1, 0}, {2, 2, 1, 0}).count, 0);
}

TEST(EllipseIntersect, PointsCarryTheSharedCentreCoordinate) {
  const Result low = intersect({1.2, 0.6875, -0.8, 0}, {0.6875, 1.2, 0.6875, 0});
  const Result high = intersect({1.2, 0.6875, -0.8, 1}, {0.6875, 1.2, 0.6875, 1});
  ASSERT_EQ(low.count, high.count);
  for (int i = 0; i < low.count; ++i) {
    EXPECT_NEAR(high.pts[i].x, low.pts[i].x, 1e-12);
    EXPECT_NEAR(high.pts[i].y, low.pts[i].y + 1, 1e-12);
  }
}

TEST(CompareTol, BelowAtAndAbove) {
  EXPECT_EQ(compareTol(1.0, 0.5), 2);
  EXPECT_EQ(compareTol(1.0, 1.0 + 0.5e-6), 1);
  EXPECT_EQ(compareTol(1.0, 1.0 - 0.5e-6), 1);
  EXPECT_EQ(compareTol(1.0, 1.5), 0);
}

std::vector<std::string>* sink = nullptr;
void capture(const char* text) {
  if (std::string(text) != "\n") sink->push_back(text);
}

class EllipseMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    sink = &lines;
    setDebuggerWriter(capture);
  }
  void TearDown() override {
    setDebuggerWriter(nullptr);
    ellipseTraceOptions = 0;
    lineTraceOptions = 0;
  }
  std::vector<std::string> lines;
};

TEST_F(EllipseMessages, TestCommandPrintsOnlyTheElevenHeadersWithOptionsOff) {
  testEllipseIntersect();
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "-- Equal;Coaxial on X;Left/right (case 1) --");
  EXPECT_EQ(lines[10], "-- Unequal;Coaxial on x; Major left-x right-y; No pts; Left/right; (case 7) --");
}

TEST_F(EllipseMessages, DiagnosticOptionsReportEachStage) {
  ellipseTraceOptions = 0x01 | 0x02 | 0x04 | 0x08 | 0x10 | 0x20;
  TracePoint pts[4];
  ellipseIntersect({1.2, 0.6875, -1.0, 0}, pts, {0.6875, 1.2, 0.8875, 0});  // row 10
  const std::vector<std::string> expected = {
      "Intersection of (1.2000,0.6875 @ -1.0000,0.0000) and (0.6875,1.2000 @ 0.8875,0.0000)",
      "rel1 = 2 rel2 = 2",
      "0 intersect points at quadratic -B+D",
      "rel1 = 3 rel2 = 3",
      "1 intersect points at quadratic -B-D",
      "x=0.2000, y=0.0000,0.0000 (Unequal coax X)",
      "Intersect at 1 points:",
      "0.2000,0.0000",
      " Verify at x,y e1=1.000000 e2=1.000000",
  };
  EXPECT_EQ(lines, expected);

  lines.clear();
  ellipseIntersect({1, 2, 3, 4}, pts, {1, 2, 3, 4});
  ellipseIntersect({1, 2, 3, 4}, pts, {2, 1, 5, 6});
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "They are the same object");
  EXPECT_EQ(lines[3], "Not coaxial on X or Y. Unable to compute.");

  lines.clear();
  ellipseTraceOptions = 0x08;
  ellipseIntersect({1.2, 0.6875, 0, -0.6875}, pts, {1.2, 0.6875, 0, 0.2875});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "y=-0.2000 x=0.8461,-0.8461 (Equal coax Y)");

  lines.clear();
  ellipseTraceOptions = 0x04;
  ellipseIntersect({3, 3, 3, 0}, pts, {2, 2, 1, 0});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "Circles intersect at 0.7500, +/-1.9843");
}

TEST_F(EllipseMessages, LineOptionPrintsEachPoint) {
  lineTraceOptions = 0x01;
  TracePoint pts[2];
  lineEllipseIntersect({2, 2, 5, 0}, 0.0, 0.0, pts);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "-- EL intersect = 7.0000,0.0000");
  EXPECT_EQ(lines[1], "-- EL intersect = 3.0000,0.0000");
}

}  // namespace
}  // namespace kelvane
