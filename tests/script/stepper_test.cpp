// The stepper played directly (as the web page plays it) against the
// threaded runner that plays it through the user-interface thread: the same
// retraces in the same order; and the waits a timer-driven caller is handed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "script/headless_host.h"
#include "script/script_runner.h"
#include "script/script_stepper.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// What a refresh shows, as text, so two runs compare in one assertion.
std::string describe(const HeadlessHost& h) {
  char text[256];
  const Lens& l = h.lens();
  std::snprintf(text, sizeof text,
                "%.17g %.17g %.17g %.17g %.17g %d n=%.17g mode=%d w=%.17g f=%.17g", l.ivx, l.ivy,
                l.evx, l.evy, l.depth, l.shape, h.indexRatio(), h.beamMode(), h.results().width,
                h.results().focus);
  return text;
}

std::vector<std::string> runThreaded(const std::string& path) {
  HeadlessHost host;
  std::vector<std::string> shown;
  host.onRefresh = [&](const HeadlessHost& h) { shown.push_back(describe(h)); };
  ScriptRunner runner(host);
  runner.setDelaysEnabled(false);
  runner.toggleScript(path);
  for (;;) {
    EXPECT_TRUE(runner.waitFor([](int s, bool busy) { return !busy || s == SCRIPT_PAUSED; }, 60s));
    if (!runner.busy()) break;
    runner.toggleScript();
  }
  return shown;
}

struct Stepped {
  std::vector<std::string> shown;
  std::vector<ScriptWait> waits;
};

Stepped runStepped(const std::string& path) {
  HeadlessHost host;
  Stepped out;
  host.onRefresh = [&](const HeadlessHost& h) { out.shown.push_back(describe(h)); };
  DirectScriptActions actions(host);
  ScriptStepper stepper(ScriptFile(std::fopen(path.c_str(), "r")), actions);
  for (int guard = 0; guard < 100000; ++guard) {
    const ScriptWait w = stepper.next();
    out.waits.push_back(w);
    if (w.kind == ScriptWait::End) break;
  }
  return out;
}

std::string writeTemp(const std::string& text) {
  const fs::path path = fs::temp_directory_path() /
                        ("kelvane-stepper-" + std::to_string(::getpid()) + "-" +
                         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ops");
  std::ofstream(path) << text;
  return path.string();
}

TEST(ScriptStepper, DirectStepsShowWhatTheThreadedRunnerShows) {
  const std::string crafted = writeTemp(
      "delay 5\nlens 300 200 300 200 80 CVCC\nfade 219 163 143 260 112 CVCV 300 200 300 200 80 3\n"
      "loop 2\nwidth fade 40 100 3\nrindex 1.7\nendloop\nskip\nlens 1 1 1 1 1\nendskip\n"
      "pause\ntrace multibeam\nwidth percent 50\nwidth unlock\nrepeat 2\n");
  for (const std::string& path :
       {crafted, std::string(KELVANE_EXAMPLES_DIR "/meniscus_to_biconvex.ops"),
        std::string(KELVANE_EXAMPLES_DIR "/width_fade.ops"),
        std::string(KELVANE_EXAMPLES_DIR "/multibeam_tour.ops"),
        std::string(KELVANE_EXAMPLES_DIR "/windows.ops")}) {
    SCOPED_TRACE(path);
    const auto threaded = runThreaded(path);
    const auto stepped = runStepped(path);
    EXPECT_FALSE(threaded.empty());
    EXPECT_EQ(stepped.shown, threaded);
    EXPECT_EQ(stepped.waits.back().kind, ScriptWait::End);
  }
  fs::remove(crafted);
}

TEST(ScriptStepper, HandsBackDelaysSleepsPausesAndStops) {
  const std::string path = writeTemp(
      "delay 30\nlens 300 200 300 200 80 CVCC\nfade 300 200 300 200 80 CVCC 310 200 300 200 80 "
      "CVCC 2\n"
      "sleep 70\npause\n; a comment\nstop\nlens 1 2 3 4 5\n");
  const Stepped run = runStepped(path);
  fs::remove(path);
  std::vector<std::string> got;
  for (const ScriptWait& w : run.waits)
    got.push_back(w.kind == ScriptWait::Time    ? std::to_string(w.ms)
                  : w.kind == ScriptWait::Pause ? "pause"
                                                : "end");
  // The lens, three fade steps (the last with the fade's closing delay),
  // the sleep, the pause, then "stop" ends before the last lens.
  EXPECT_EQ(got, (std::vector<std::string>{"30", "30", "30", "60", "70", "pause", "end"}));
  EXPECT_EQ(run.shown.size(), 4u);

  // An endless repeat of nothing to show still hands back, and stop() ends it.
  const std::string endless = writeTemp("; nothing\nrepeat\n");
  HeadlessHost host;
  DirectScriptActions actions(host);
  ScriptStepper stepper(ScriptFile(std::fopen(endless.c_str(), "r")), actions);
  EXPECT_EQ(stepper.next().kind, ScriptWait::Time);
  stepper.stop();
  EXPECT_EQ(stepper.next().kind, ScriptWait::End);
  EXPECT_TRUE(stepper.ended());
  fs::remove(endless);
}

}  // namespace
}  // namespace kelvane
