// The script runner against a recording host with a user-interface thread
// of its own: what each keyword asks of the windows, in which order, and
// how runs start, pause, resume and stop.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "recording_host.h"
#include "script/script_runner.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

constexpr auto kDeadline = 20s;

class ScriptRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvane-script-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override {
    runner.reset();
    fs::remove_all(m_dir);
  }

  std::string writeScript(const std::string& name, const std::string& text) {
    const fs::path path = m_dir / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
    return path.string();
  }
  // Presses through the user interface: toggleScript runs on its thread.
  void toggle(std::optional<std::string> name = std::nullopt) {
    host.ui.runSync([&] { runner->toggleScript(name); });
  }
  // Starts `text` as a named script and waits for its end.
  void run(const std::string& text) {
    toggle(writeScript("run.ops", text));
    ASSERT_TRUE(waitIdle());
  }
  bool waitIdle() {
    return runner->waitFor([](int, bool busy) { return !busy; }, kDeadline);
  }
  bool waitState(int state) {
    return runner->waitFor([state](int s, bool) { return s == state; }, kDeadline);
  }
  bool waitRefreshes(int n) {
    return host.waitUntil([&] { return host.countLocked("refresh") >= n; });
  }
  Lines refreshes() const { return host.entries("refresh "); }
  Lines locks() const { return host.entries("lock "); }

  test::RecordingHost host;
  std::unique_ptr<ScriptRunner> runner = std::make_unique<ScriptRunner>(host);

 private:
  fs::path m_dir;
};

// ---- one run, start to end ------------------------------------------------

TEST_F(ScriptRunnerTest, OneLensLineRefreshesOnceAndShowsTheRun) {
  run("LENS 100,200,300,400,50,cvcc\n");
  EXPECT_EQ(runner->scriptRunState(), SCRIPT_STOPPED);
  EXPECT_EQ(host.log(), (Lines{"status run.ops", "status on", "button &Stop",
                               "refresh 100,200,300,400,50,1", "button &Script", "status off"}));
  EXPECT_FALSE(runner->scriptNameGiven()) << "the name is used up by the start";
}

TEST_F(ScriptRunnerTest, CommentsBlanksAndUnknownLinesArePassedOver) {
  run("; lens 1,1,1,1,1\n# stop\n-stop\n\nlenses 2 2\nendskip\n  lens 3 3 3 3 3  \n");
  EXPECT_EQ(refreshes(), (Lines{"refresh 3,3,3,3,3,0"}));
}

TEST_F(ScriptRunnerTest, MissingOrSignedCountsLeaveTheLensAsItWas) {
  run("lens 1 1 1 1 1\n"
      "lens 100 -163 143 260 112 CCCC\n"
      "lens 2 2 2 2\n"
      "fade 1 1 1 1 1 CVCV 2 2 -2 2 2 CVCV 3\n"
      "fade 3 3 3 3 3 4 4 4 4 4\n");  // no start shape: the end lens lacks its depth
  EXPECT_EQ(refreshes(), (Lines{"refresh 1,1,1,1,1,0"}));
  EXPECT_EQ(host.shapeWrites(), 1) << "a skipped line writes no shape either";
}

TEST_F(ScriptRunnerTest, WarningsComeBeforeTheFirstLineRuns) {
  runner->setWarningSink([this](const std::string& w) { host.note("warn " + w); });
  const std::string path =
      writeScript("warn.ops", "lens 1 1 1 1 1\nlense 2\nskip\nbogus\nendskip\nlens 1 -1 1 1 1\n");
  toggle(path);
  ASSERT_TRUE(waitIdle());
  const Lines log = host.log();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[0], "warn " + path + ":2: unknown keyword \"lense\": the line is skipped");
  EXPECT_EQ(log[1],
            "warn " + path + ":6: \"lens\": ivy \"-1\" may not have a sign: the line is skipped");
  EXPECT_EQ(log[2], "status warn.ops");
  EXPECT_EQ(refreshes(), (Lines{"refresh 1,1,1,1,1,0"})) << "the run itself goes on as before";
}

TEST_F(ScriptRunnerTest, MaxStepsEndsAnEndlessRepeat) {
  runner->setMaxSteps(50);
  run("canvass 1\nrepeat\n");  // never retraces, never ends by itself
  EXPECT_EQ(host.entries("canvas").size(), 25u);
  EXPECT_TRUE(runner->stepLimitReached());
  EXPECT_EQ(host.buttonText(), "&Script");
  runner->setMaxSteps(0);
  run("canvass 1\n; comments are no steps\nlens 1 1 1 1 1\n");
  EXPECT_FALSE(runner->stepLimitReached());
}

// ---- fades ------------------------------------------------------------------

TEST_F(ScriptRunnerTest, FadeShowsOneLensMoreThanItsSteps) {
  run("fade 100,100,100,100,100,cccc 200,300,100,0,100,cvcv 4\n");
  EXPECT_EQ(refreshes(), (Lines{"refresh 100,100,100,100,100,3", "refresh 125,150,100,75,100,3",
                                "refresh 150,200,100,50,100,3", "refresh 175,250,100,25,100,3",
                                "refresh 200,300,100,0,100,3"}))
      << "the end lens's shape is read and not used";
  EXPECT_EQ(host.shapeWrites(), 1) << "the start's shape is set once";
}

TEST_F(ScriptRunnerTest, FadeStepCounts) {
  run("fade 1 2 3 4 5 CVCV 6 7 8 9 10 CVCV 0\n");
  EXPECT_EQ(refreshes(), (Lines{"refresh 1,2,3,4,5,0"})) << "0 steps show the start lens once";
  run("fade 0 0 0 0 0 CVCV 10 10 10 10 10 CVCV\n");
  const Lines got = refreshes();
  ASSERT_EQ(got.size(), 1u + 11u) << "no step count: 10 steps";
  EXPECT_EQ(got.back(), "refresh 10,10,10,10,10,0");
}

TEST_F(ScriptRunnerTest, FadeEndsExactlyOnTheEndLens) {
  run("fade 1,1,1,1,1,cvcv 2,2,2,2,2,cvcv 3\n");  // 1 + 3 x (1/3) = 1.9999999999999998
  const Lines got = refreshes();
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got.back(), "refresh 2,2,2,2,2,0") << "thirds must not stop short of the end";
}

// ---- width ------------------------------------------------------------------

TEST_F(ScriptRunnerTest, WidthFadeStepsAndEndsOnTheEndWidth) {
  run("width fade 100 200 3\n");
  EXPECT_EQ(locks(), (Lines{"lock 100", "lock 133", "lock 166", "lock 199", "lock 200"}));
}

TEST_F(ScriptRunnerTest, WidthFadeDownwardAndFromTheCurrentWidth) {
  run("width fade 200 100 3\n");
  EXPECT_EQ(locks(), (Lines{"lock 200", "lock 167", "lock 134", "lock 101", "lock 100"}));
  run("width fade 0 200 2\n");  // the traced width 150.7 starts it, truncated
  EXPECT_EQ(locks(), (Lines{"lock 200", "lock 167", "lock 134", "lock 101", "lock 100", "lock 150",
                            "lock 175", "lock 200"}));
}

TEST_F(ScriptRunnerTest, WidthFadesThatCannotStepArePassedOver) {
  run("width fade 100 200 0\n"  // no steps to divide by
      "width fade 100 200\n"    // fewer than three numbers
      "width fade 5 6 3\n"      // a step of 0
      "lens 1 1 1 1 1\n");
  EXPECT_TRUE(locks().empty());
  EXPECT_EQ(refreshes().size(), 1u) << "the run goes on after them";
}

TEST_F(ScriptRunnerTest, WidthWordsAndNumbers) {
  run("width Lock\nwidth UNLOCK\nwidth 120px\nwidth px\nwidth percent 150\nwidth percent\n"
      "width\nwidth -5\n");
  const Lines want{"lock 0", "lock -1", "lock 120", "fill 150"};
  Lines got;
  for (const auto& e : host.log())
    if (e.rfind("lock ", 0) == 0 || e.rfind("fill ", 0) == 0) got.push_back(e);
  EXPECT_EQ(got, want);
}

// ---- the other keywords ---------------------------------------------------

TEST_F(ScriptRunnerTest, WindowMovesTheViewAndPlacesTheDialog) {
  run("window 10,20,300,400 inrt 0 0\n"
      "window -1 -1 500 400\n"
      "window 1 2 3\n"
      "window 1 2 3 4 outlb\n"
      "window 5 6 7 8 nowhere 9 9\n");
  Lines got;
  for (const auto& e : host.log())
    if (e.rfind("move ", 0) == 0 || e.rfind("place ", 0) == 0) got.push_back(e);
  EXPECT_EQ(got, (Lines{"move 10,20,300,400", "place 1,0,0", "move -1,-1,500,400", "move 1,2,3,4",
                        "place 6,-1,-1", "move 5,6,7,8"}));
}

TEST_F(ScriptRunnerTest, CanvassRindexAndTrace) {
  run("canvass 0 600\ncanvass -5 x\ncanvass 700\n"
      "rindex 2\nrindex 0\nrindex -1.5\nrindex inf\nrindex\n"
      "trace MultiBeam\ntrace laser\ntrace\n");
  Lines got;
  for (const auto& e : host.log())
    if (e.rfind("canvas", 0) == 0 || e.rfind("index", 0) == 0 || e.rfind("mode", 0) == 0 ||
        e.rfind("refresh", 0) == 0)
      got.push_back(e);
  EXPECT_EQ(got, (Lines{"canvas 0,600", "canvas 0,0", "canvas 700,0", "index 0.5", "mode 1",
                        "refresh 0,0,0,0,0,0"}));
}

// ---- loops, repeats and skips ------------------------------------------------

TEST_F(ScriptRunnerTest, LoopCounts) {
  run("loop 3\nlens 1 1 1 1 1\nendloop\nlens 2 2 2 2 2\n");
  EXPECT_EQ(refreshes(), (Lines{"refresh 1,1,1,1,1,0", "refresh 1,1,1,1,1,0", "refresh 1,1,1,1,1,0",
                                "refresh 2,2,2,2,2,0"}));
  run("loop 0\nlens 3 3 3 3 3\nendloop\n");
  EXPECT_EQ(refreshes().size(), 5u) << "a count of 0 runs the body once";
  run("endloop\nlens 4 4 4 4 4\nendloop\n");
  EXPECT_EQ(refreshes().size(), 6u) << "an endloop without a loop goes on";
}

TEST_F(ScriptRunnerTest, LoopWithoutACountRuns9999Passes) {
  run("loop\ncanvass 1\nendloop\n");
  EXPECT_EQ(host.entries("canvas").size(), 9999u);
}

TEST_F(ScriptRunnerTest, StopInsideALoopEndsEverything) {
  run("loop 5\nlens 1 1 1 1 1\nstop\nendloop\nlens 2 2 2 2 2\n");
  EXPECT_EQ(refreshes(), (Lines{"refresh 1,1,1,1,1,0"}));
  EXPECT_EQ(host.buttonText(), "&Script");
}

TEST_F(ScriptRunnerTest, RepeatWithACountRunsTheScriptThatManyMoreTimes) {
  run("lens 1 1 1 1 1\nrepeat 2\nlens 2 2 2 2 2\n");
  EXPECT_EQ(refreshes(), (Lines{"refresh 1,1,1,1,1,0", "refresh 1,1,1,1,1,0", "refresh 1,1,1,1,1,0",
                                "refresh 2,2,2,2,2,0"}));
}

TEST_F(ScriptRunnerTest, RepeatWithoutACountOrWithZeroRepeatsUntilStopped) {
  for (const char* line : {"repeat\n", "repeat 0\n", "repeat -2\n"}) {
    SCOPED_TRACE(line);
    const int before = static_cast<int>(refreshes().size());
    toggle(writeScript("repeat.ops", std::string("lens 1 1 1 1 1\n") + line));
    ASSERT_TRUE(waitRefreshes(before + 5));
    runner->stopScript();
    ASSERT_TRUE(waitIdle());
  }
}

TEST_F(ScriptRunnerTest, SkippedLinesAreNeverRun) {
  run("skip\nstop\nlens 1 1 1 1 1\n  EndSkip, whatever follows\nlens 2 2 2 2 2\n");
  EXPECT_EQ(refreshes(), (Lines{"refresh 2,2,2,2,2,0"}));
  run("lens 3 3 3 3 3\nskip\nlens 4 4 4 4 4\n");
  EXPECT_EQ(refreshes().size(), 2u) << "a skip without endskip runs to the end of the file";
}

// ---- pause, resume, stop --------------------------------------------------------

TEST_F(ScriptRunnerTest, PauseWaitsForResume) {
  toggle(writeScript("pause.ops", "lens 1 1 1 1 1\npause\nlens 2 2 2 2 2\n"));
  ASSERT_TRUE(waitState(SCRIPT_PAUSED));
  EXPECT_EQ(host.buttonText(), "re&Sume");
  EXPECT_EQ(refreshes().size(), 1u);
  toggle();  // the button that reads "re&Sume"
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(refreshes(), (Lines{"refresh 1,1,1,1,1,0", "refresh 2,2,2,2,2,0"}));
  // At the start, at the press (so a second press stops), and when the run
  // is shown again after the pause.
  EXPECT_EQ(host.entries("button &Stop").size(), 3u);
  EXPECT_EQ(host.buttonText(), "&Script");
}

TEST_F(ScriptRunnerTest, StopWhilePausedEndsTheRun) {
  toggle(writeScript("pause.ops", "lens 1 1 1 1 1\npause\nlens 2 2 2 2 2\n"));
  ASSERT_TRUE(waitState(SCRIPT_PAUSED));
  host.ui.runSync([&] { runner->stopScript(); });  // the dialog closes
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(refreshes().size(), 1u);
  EXPECT_EQ(runner->scriptRunState(), SCRIPT_STOPPED);
}

TEST_F(ScriptRunnerTest, ToggleWhileRunningStops) {
  toggle(writeScript("long.ops", "lens 1 1 1 1 1\nsleep 600000\nlens 2 2 2 2 2\n"));
  ASSERT_TRUE(waitRefreshes(1));
  ASSERT_TRUE(waitState(SCRIPT_RUNNING));
  toggle();  // the button that reads "&Stop"
  ASSERT_TRUE(waitIdle()) << "a stop ends a sleep at once";
  EXPECT_EQ(refreshes().size(), 1u);
  ASSERT_TRUE(host.waitUntil([&] { return host.countLocked("button &Script") == 1; }));
}

TEST_F(ScriptRunnerTest, StopEndsALongDelay) {
  toggle(writeScript("delay.ops", "delay 600000\nlens 1 1 1 1 1\nlens 2 2 2 2 2\n"));
  ASSERT_TRUE(waitRefreshes(1));
  runner->stopScript();
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(refreshes().size(), 1u);
}

TEST_F(ScriptRunnerTest, NegativeSleepAndDelayDoNotWait) {
  run("delay -1\nsleep -5\nlens 1 1 1 1 1\nlens 2 2 2 2 2\ndelay -2147483648\nlens 3 3 3 3 3\n");
  EXPECT_EQ(refreshes().size(), 3u);
}

TEST_F(ScriptRunnerTest, StopGivesUpWaitingForABusyUserInterface) {
  toggle(writeScript("pause.ops", "pause\nlens 1 1 1 1 1\n"));
  ASSERT_TRUE(waitState(SCRIPT_PAUSED));
  // Resume, then keep the user-interface thread from taking more work: the
  // runner is left waiting for it.
  host.ui.runSync([&] {
    runner->toggleScript();
    host.ui.hold();
  });
  ASSERT_TRUE(waitState(SCRIPT_RUNNING));
  runner->stopScript();
  EXPECT_TRUE(waitIdle()) << "the runner must not wait for a busy window after a stop";
  host.ui.release();
  ASSERT_TRUE(host.waitUntil([&] { return host.countLocked("button &Script") == 1; }))
      << "the end is still shown when the window gets to it";
  EXPECT_TRUE(refreshes().empty());
}

TEST_F(ScriptRunnerTest, ShutdownWhilePausedReturns) {
  toggle(writeScript("pause.ops", "pause\n"));
  ASSERT_TRUE(waitState(SCRIPT_PAUSED));
  runner->shutdown();
  EXPECT_FALSE(runner->busy());
  EXPECT_EQ(runner->scriptRunState(), SCRIPT_STOPPED);
}

TEST_F(ScriptRunnerTest, StartsAndStopsInQuickSuccessionNeverHang) {
  const std::string path = writeScript("busy.ops", "lens 1 1 1 1 1\nloop\nsleep 1\nendloop\n");
  for (int i = 0; i < 30; ++i) {
    toggle(path);
    if (i % 3 == 0) ASSERT_TRUE(waitState(SCRIPT_RUNNING));
    switch (i % 3) {
      case 0:
        toggle();
        break;  // the "&Stop" button
      case 1:
        runner->stopScript();
        break;  // a window closes
      default:
        host.ui.runSync([&] { runner->stopScript(); });  // on the UI thread
    }
    ASSERT_TRUE(waitIdle()) << "round " << i;
  }
  EXPECT_EQ(runner->scriptRunState(), SCRIPT_STOPPED);
}

// ---- starting: names, the dialog, the chooser -------------------------------------

TEST_F(ScriptRunnerTest, ANamedScriptWaitsForTheDialog) {
  host.set([](test::RecordingHost& h) { h.controlExists = false; });
  toggle(writeScript("named.ops", "lens 1 1 1 1 1\n"));
  ASSERT_TRUE(host.waitUntil([&] { return host.controlQueriesLocked() >= 3; }));
  EXPECT_TRUE(runner->busy());
  EXPECT_EQ(runner->scriptRunState(), SCRIPT_STOPPED) << "no file is open yet";
  EXPECT_TRUE(refreshes().empty());
  host.set([](test::RecordingHost& h) { h.controlExists = true; });  // the user opens it
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(refreshes().size(), 1u);
}

TEST_F(ScriptRunnerTest, ASecondStartReplacesARunnerStillWaiting) {
  host.set([](test::RecordingHost& h) { h.controlExists = false; });
  toggle(writeScript("first.ops", "lens 1 1 1 1 1\n"));
  ASSERT_TRUE(host.waitUntil([&] { return host.controlQueriesLocked() >= 1; }));
  toggle(writeScript("second.ops", "lens 2 2 2 2 2\n"));
  host.set([](test::RecordingHost& h) { h.controlExists = true; });
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(refreshes(), (Lines{"refresh 2,2,2,2,2,0"})) << "never two runners side by side";
  EXPECT_EQ(host.entries("status second.ops").size(), 1u);
}

TEST_F(ScriptRunnerTest, ANameGivenWhileRunningStopsAndIsKeptForTheNextStart) {
  toggle(writeScript("long.ops", "lens 1 1 1 1 1\nsleep 600000\n"));
  ASSERT_TRUE(waitRefreshes(1));
  ASSERT_TRUE(waitState(SCRIPT_RUNNING));
  const std::string next = writeScript("next.ops", "lens 2 2 2 2 2\n");
  toggle(next);
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(runner->scriptPath(), next);
  EXPECT_TRUE(runner->scriptNameGiven());
  toggle();
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(refreshes(), (Lines{"refresh 1,1,1,1,1,0", "refresh 2,2,2,2,2,0"}));
  EXPECT_TRUE(host.entries("choose").empty()) << "a named script is opened without asking";
}

TEST_F(ScriptRunnerTest, WithoutANameTheUserChoosesTheScript) {
  const std::string chosen = writeScript("chosen.lens", "lens 5 5 5 5 5 CCCV\n");
  host.set([&](test::RecordingHost& h) { h.chosenPath = chosen; });
  toggle();
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(host.entries("choose"), (Lines{"choose script.ops"}))
      << "the current script is proposed";
  EXPECT_EQ(runner->scriptPath(), chosen);
  EXPECT_EQ(refreshes(), (Lines{"refresh 5,5,5,5,5,2"}));
}

TEST_F(ScriptRunnerTest, CancellingTheChoiceChangesNothing) {
  toggle();
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(host.log(), (Lines{"choose script.ops"}));
  EXPECT_EQ(runner->scriptRunState(), SCRIPT_STOPPED);
}

TEST_F(ScriptRunnerTest, AMissingNamedScriptEndsSilently) {
  toggle((fs::temp_directory_path() / "kelvane-no-such-dir" / "none.ops").string());
  ASSERT_TRUE(waitIdle());
  EXPECT_TRUE(host.log().empty());
}

TEST_F(ScriptRunnerTest, ANamedScriptThatIsNoRegularFileIsRefusedAtOnce) {
  runner->setWarningSink([this](const std::string& w) { host.note("warn " + w); });
  const std::string fifo = writeScript("x", "") + ".ops";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  toggle(fifo);
  ASSERT_TRUE(waitIdle()) << "open must not wait for a writer";
  EXPECT_EQ(host.log(), (Lines{"warn " + fifo + ": cannot run it: a FIFO, not a regular file"}));
}

TEST_F(ScriptRunnerTest, APathLongerThanTheOldBufferWorks) {
  std::string deep;
  for (int i = 0; i < 6; ++i) deep += std::string(60, 'd') + std::to_string(i) + "/";
  const std::string path = writeScript(deep + "long.ops", "lens 7 7 7 7 7\n");
  ASSERT_GT(path.size(), 300u);
  toggle(path);
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(runner->scriptPath(), path);
  EXPECT_EQ(refreshes(), (Lines{"refresh 7,7,7,7,7,0"}));
}

TEST_F(ScriptRunnerTest, AStartOpensAMissingLensView) {
  host.set([](test::RecordingHost& h) { h.viewExists = h.controlExists = false; });
  run("lens 1 1 1 1 1\n");
  const Lines log = host.log();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "open view");
  EXPECT_EQ(refreshes().size(), 1u);
}

TEST_F(ScriptRunnerTest, ALensLineAsksForTheViewAndWaitsForIt) {
  // The view does not come up with the start (it was closed meanwhile, or
  // is slow): the "lens" line asks the main window for it and waits.
  const std::string chosen = writeScript("view.ops", "lens 1 1 1 1 1\n");
  host.set([&](test::RecordingHost& h) {
    h.viewExists = h.controlExists = false;
    h.openCreates = false;
    h.chosenPath = chosen;
  });
  toggle();
  ASSERT_TRUE(waitIdle());
  Lines got;
  for (const auto& e : host.log())
    if (e.rfind("request", 0) == 0 || e.rfind("view opened", 0) == 0 || e.rfind("refresh", 0) == 0)
      got.push_back(e);
  EXPECT_EQ(got, (Lines{"request view", "view opened", "refresh 1,1,1,1,1,0"}));
}

}  // namespace
}  // namespace kelvane
