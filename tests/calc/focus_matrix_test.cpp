#include "calc/focus_matrix.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calc/calc_state.h"
#include "optics/focus.h"
#include "optics/fpflags.h"
#include "sweep_capture.h"

namespace kelvane {
namespace {

using test::runAsBackgroundCalc;
using test::SweepCapture;

std::vector<std::string> runMatrix(SweepCapture& capture) {
  FocusMatrixOptions options;
  options.writer = capture.writer();
  EXPECT_EQ(runAsBackgroundCalc([options] { runFocusMatrixWith(options); }), 0);
  EXPECT_EQ(calcState.load(), CALC_IDLE);
  return capture.lines;
}

// The line for one egress height, worked out from every depth's findFocus:
// the depths up to the first converging lens whose rim lies beyond the
// ingress face (339) compete; among the converging ones with a focus below
// 20 * evy the first least deviation wins, if below 1; the line appears when
// that lens deviates by at most 0.1 percent.
std::optional<std::string> expectedLine(double evy) {
  struct Depth {
    double depth, focus, dev, center;
  };
  TracerContext ctx;
  fpClearFlags();
  Lens lens{339, 267, 249, evy, 0, 0};
  std::vector<Depth> all;
  for (double depth = 20; depth <= 339; depth += 1) {
    lens.depth = depth;
    const double focus = findFocus(ctx, lens, kBackgroundSettings);
    all.push_back({depth, focus, ctx.results.dev, ctx.results.center});
  }
  const Depth* best = nullptr;
  for (const Depth& d : all) {
    if (d.focus <= 0) continue;
    if (d.center > 339) break;
    if (d.focus >= 20 * evy) continue;
    if (!best || d.dev < best->dev) best = &d;
  }
  if (!best || !(best->dev < 1.0)) return std::nullopt;
  lens.depth = best->depth;
  findFocus(ctx, lens, kBackgroundSettings);
  const TraceResults& r = ctx.results;
  if (r.devpcnt > 0.1) return std::nullopt;
  char line[200];
  std::snprintf(line, sizeof line,
                "339,267,249,%.f,%.f: dev=%.3f (%.2f%%), width=%.2f, F=%.2f, InE=%.4f, EgE=%.4f, center=%.4f",
                evy, lens.depth, r.dev, r.devpcnt, r.width, r.focus, eccentricity(339, 267),
                eccentricity(249, evy), r.center);
  return line;
}

std::optional<std::string> lineFor(const std::vector<std::string>& lines, double evy) {
  char prefix[32];
  std::snprintf(prefix, sizeof prefix, "339,267,249,%.f,", evy);
  for (const std::string& line : lines)
    if (line.rfind(prefix, 0) == 0) return line;
  return std::nullopt;
}

TEST(FocusMatrix, OpensWithItsTitleAndEndsWithDone) {
  SweepCapture capture;
  const std::vector<std::string> lines = runMatrix(capture);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front(), "Focus Matrix");
  EXPECT_EQ(lines.back(), "Done");
  EXPECT_LE(lines.size(), 301u + 2);
  double previous = 0;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    double ivx, ivy, evx, evy;
    ASSERT_EQ(std::sscanf(lines[i].c_str(), "%lf,%lf,%lf,%lf,", &ivx, &ivy, &evx, &evy), 4) << lines[i];
    EXPECT_GT(evy, previous) << "one line per egress height, in increasing order";
    EXPECT_NE(lines[i].find(", InE=0.6162, EgE="), std::string::npos) << lines[i];
    previous = evy;
  }
}

TEST(FocusMatrix, LinesAtChosenEgressHeightsAreTheOnesWorkedOutByHand) {
  SweepCapture capture;
  const std::vector<std::string> lines = runMatrix(capture);
  // 249 makes the egress face a circle; 150 and 450 are the ends of the sweep.
  for (double evy : {150.0, 249.0, 300.0, 342.0, 343.0, 360.0, 363.0, 379.0, 380.0, 450.0}) {
    EXPECT_EQ(lineFor(lines, evy), expectedLine(evy)) << "evy " << evy;
  }
  EXPECT_TRUE(expectedLine(343).has_value()) << "some of the heights write a line";
  EXPECT_EQ(lineFor(lines, 343).value_or(""),
            "339,267,249,343,45: dev=0.680 (0.10%), width=153.20, F=710.39, InE=0.6162, EgE=0.6878, "
            "center=77.8263");
}

TEST(FocusMatrix, AKillEndsTheOutputWithoutDone) {
  SweepCapture full;
  const std::vector<std::string> all = runMatrix(full);
  ASSERT_GE(all.size(), 5u);
  SweepCapture capture;
  int count = 0;
  capture.onLine = [&count](const std::string&) {
    if (++count == 3) killBackgroundCalc();  // after the title and two report lines
  };
  const std::vector<std::string> lines = runMatrix(capture);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines, std::vector<std::string>(all.begin(), all.begin() + 3));
}

TEST(FocusMatrix, KillBeforeTheFirstLensWritesOnlyTheTitle) {
  SweepCapture capture;
  FocusMatrixOptions options;
  options.writer = capture.writer();
  runAsBackgroundCalc([options] {
    killBackgroundCalc();
    runFocusMatrixWith(options);
  });
  EXPECT_EQ(capture.lines, std::vector<std::string>{"Focus Matrix"});
  EXPECT_EQ(calcState.load(), CALC_IDLE);
}

}  // namespace
}  // namespace kelvane
