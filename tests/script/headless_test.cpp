// Scripts run against the headless host: real traces, and the shipped
// examples from start to end.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "optics/focus.h"
#include "script/headless_host.h"
#include "script/script_runner.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct HeadlessRun {
  HeadlessHost host;
  ScriptRunner runner{host};
  std::vector<double> widths;  // the traced width at each refresh

  explicit HeadlessRun(const std::string& path) {
    runner.setDelaysEnabled(false);
    host.onRefresh = [this](const HeadlessHost& h) { widths.push_back(h.results().width); };
    runner.toggleScript(path);
    // A pause in an example goes on at once, as in kelvane-cli.
    for (;;) {
      EXPECT_TRUE(
          runner.waitFor([](int s, bool busy) { return !busy || s == SCRIPT_PAUSED; }, 60s));
      if (!runner.busy()) break;
      runner.toggleScript();
    }
  }
};

std::string writeTemp(const std::string& text) {
  const fs::path path = fs::temp_directory_path() /
                        ("kelvane-headless-" + std::to_string(::getpid()) + "-" +
                         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ops");
  std::ofstream(path) << text;
  return path.string();
}

TEST(HeadlessScript, LensLineTracesTheLensLikeTheFocusDriver) {
  const std::string path =
      writeTemp("lens 300,200,300,200,80,CVCC\nrindex 2\nlens 300 200 300 200 80 CVCC\n");
  HeadlessRun run(path);
  fs::remove(path);
  ASSERT_EQ(run.host.refreshCount(), 2);
  TracerContext ctx;
  BeamSettings settings = kInitialCurrentSettings;
  std::vector<TracePoint> buffer(SINGLE_BEAM_POINTS);
  settings.traceBuffer = buffer.data();
  settings.rayEndX = kHeadlessViewWidth;
  ctx.indexRatio = 0.5;
  const Lens lens{300, 200, 300, 200, 80, 1};
  findFocus(ctx, lens, settings);
  EXPECT_DOUBLE_EQ(run.host.results().focus, ctx.results.focus);
  EXPECT_DOUBLE_EQ(run.host.indexRatio(), 0.5);
  EXPECT_EQ(run.host.buttonText(), "&Script");
  EXPECT_FALSE(run.host.statusEnabled());
}

// A script ending on a colour line shows that colour: the line retraces.
TEST(HeadlessScript, AColourLineRetracesAtOnce) {
  const std::string path = writeTemp("lens 300 200 300 200 80 CVCC\nglass N-BK7\nwavelength white\n");
  HeadlessRun run(path);
  fs::remove(path);
  EXPECT_EQ(run.host.refreshCount(), 3);
  EXPECT_EQ(run.host.model().colourTraces().size(), kWhiteWavelengths.size());
}

TEST(HeadlessScript, WidthFadeFromZeroStartsAtTheTracedWidth) {
  const std::string path = writeTemp("lens 300,200,300,200,80,CVCC\nwidth fade 0 100 2\n");
  HeadlessRun run(path);
  fs::remove(path);
  // 89.8 traced gives the start 89 and steps of (100 - 89) / 2 = 5.
  ASSERT_EQ(run.widths.size(), 1u + 4u);
  EXPECT_NEAR(run.widths[0], 89.8, 0.005);
  EXPECT_DOUBLE_EQ(run.widths[1], 89);
  EXPECT_DOUBLE_EQ(run.widths[2], 94);
  EXPECT_DOUBLE_EQ(run.widths[3], 99);
  EXPECT_DOUBLE_EQ(run.widths[4], 100);
  EXPECT_TRUE(run.host.settings().locked());
}

TEST(HeadlessScript, TheStartingLensIsTracedBeforeTheFirstLine) {
  TracerContext ctx;
  BeamSettings settings = kInitialCurrentSettings;
  std::vector<TracePoint> buffer(SINGLE_BEAM_POINTS);
  settings.traceBuffer = buffer.data();
  settings.rayEndX = kHeadlessViewWidth;
  findFocus(ctx, kInitialLens, settings);
  const double initialWidth = ctx.results.width;
  ASSERT_GT(initialWidth, 1.0);
  const std::string path = writeTemp("width fade 0 400 2\n");
  HeadlessRun run(path);
  fs::remove(path);
  ASSERT_FALSE(run.widths.empty());
  EXPECT_DOUBLE_EQ(run.widths[0], std::trunc(initialWidth))
      << "the fade starts at the traced width";
  EXPECT_DOUBLE_EQ(run.widths.back(), 400);
  EXPECT_EQ(HeadlessHost().refreshCount(), 0) << "the start is no refresh";
}

TEST(HeadlessScript, FillPercentIsClampedAndUnlocks) {
  const std::string path = writeTemp("width 50\nwidth percent 150\n");
  HeadlessRun run(path);
  fs::remove(path);
  EXPECT_FALSE(run.host.settings().locked());
  EXPECT_DOUBLE_EQ(run.host.settings().fill, 0.99);
}

class ExampleScript : public ::testing::TestWithParam<const char*> {};

TEST_P(ExampleScript, RunsToItsEnd) {
  const fs::path path = fs::path(KELVANE_EXAMPLES_DIR) / GetParam();
  ASSERT_TRUE(fs::exists(path)) << path;
  HeadlessRun run(path.string());
  EXPECT_GT(run.host.refreshCount(), 10);
  EXPECT_EQ(run.runner.scriptRunState(), SCRIPT_STOPPED);
  EXPECT_EQ(run.host.statusText(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleScript,
                         ::testing::Values("meniscus_to_biconvex.ops", "width_fade.ops",
                                           "multibeam_tour.ops"));

TEST(HeadlessScript, ExamplesEndWhereTheyShould) {
  {
    HeadlessRun run(std::string(KELVANE_EXAMPLES_DIR) + "/meniscus_to_biconvex.ops");
    EXPECT_EQ(run.host.lens().shape, 1);
    EXPECT_DOUBLE_EQ(run.host.lens().ivx, 300);
    EXPECT_DOUBLE_EQ(run.host.lens().depth, 80);
  }
  {
    HeadlessRun run(std::string(KELVANE_EXAMPLES_DIR) + "/width_fade.ops");
    EXPECT_FALSE(run.host.settings().locked());
    EXPECT_DOUBLE_EQ(run.host.settings().lockedWidth, 60);
    EXPECT_DOUBLE_EQ(run.host.settings().fill, 0.9);
  }
  {
    HeadlessRun run(std::string(KELVANE_EXAMPLES_DIR) + "/multibeam_tour.ops");
    EXPECT_EQ(run.host.beamMode(), 0);
    EXPECT_DOUBLE_EQ(run.host.indexRatio(), 1 / 1.5);
  }
}

}  // namespace
}  // namespace kelvane
