// kelvane-cli script as a user runs it: exit codes, warnings on standard
// error, files that are no scripts, the traced start, the step limit and
// Ctrl-C.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <string>

#include "tests/cli/cli_process.h"

namespace {

using namespace std::chrono_literals;

class CliScriptTest : public kelvane::clitest::Cli {
 protected:
  int cli(const std::vector<std::string>& args) { return run(args); }
};

TEST_F(CliScriptTest, CheckListsTheWarningsAndFailsOnThem) {
  const std::string bad = file("bad.ops", "lens 1 2 3 4 5\nlense 1\nlens 1 -2 3 4 5\n");
  EXPECT_EQ(cli({"script", "--check", bad}), 1);
  EXPECT_EQ(err(), bad + ":2: unknown keyword \"lense\": the line is skipped\n" + bad +
                       ":3: \"lens\": ivy \"-2\" may not have a sign: the line is skipped\n");
  EXPECT_EQ(out(), "") << "nothing runs";
  EXPECT_EQ(cli({"script", "--check", file("good.ops", "lens 1 2 3 4 5\n")}), 0);
  EXPECT_EQ(err(), "");
  // A run warns the same way and goes on.
  EXPECT_EQ(cli({"script", "--no-delay", bad}), 0);
  EXPECT_NE(err().find(bad + ":2: unknown keyword"), std::string::npos) << err();
  EXPECT_NE(out().find("end: 1 refreshes; lens 1,2,3,4,5 CVCV"), std::string::npos) << out();
}

TEST_F(CliScriptTest, DirectoriesAndBinaryFilesAreRefusedEmptyFilesRun) {
  for (const bool check : {false, true}) {
    SCOPED_TRACE(check ? "--check" : "run");
    auto args = [&](const std::string& path) {
      return check ? std::vector<std::string>{"script", "--check", path}
                   : std::vector<std::string>{"script", "--no-delay", path};
    };
    EXPECT_EQ(cli(args(dir().string())), 1);
    EXPECT_NE(err().find("cannot run " + dir().string() + ": Is a directory"), std::string::npos)
        << err();
    EXPECT_EQ(cli(args(file("a.out", std::string("\x7f"
                                                 "ELF\2\1\1\0\0\0lens 1 2 3 4 5\n",
                                                 25)))),
              1);
    EXPECT_NE(err().find("not a text file"), std::string::npos) << err();
    EXPECT_EQ(cli(args(file("empty.ops", ""))), 0);
    EXPECT_EQ(err(), "");
  }
}

TEST_F(CliScriptTest, AWidthFadeFromZeroStartsAtTheTracedStartingLens) {
  EXPECT_EQ(cli({"script", "--no-delay", file("w.ops", "width fade 0 400 2\n")}), 0);
  const std::string text = out();
  // "start: lens ... beam width W ..." then "refresh 1: ... beam width trunc(W) ..."
  double start = 0, first = 0;
  const auto s = text.find("start: ");
  const auto r = text.find("refresh 1: ");
  ASSERT_NE(s, std::string::npos) << text;
  ASSERT_NE(r, std::string::npos) << text;
  ASSERT_EQ(std::sscanf(text.c_str() + text.find("beam width ", s), "beam width %lf", &start), 1);
  ASSERT_EQ(std::sscanf(text.c_str() + text.find("beam width ", r), "beam width %lf", &first), 1);
  EXPECT_GT(start, 1.0);
  EXPECT_EQ(first, static_cast<double>(static_cast<long>(start))) << text;
}

TEST_F(CliScriptTest, MaxStepsBoundsARepeatThatNeverRetraces) {
  EXPECT_EQ(
      cli({"script", "--no-delay", "--max-steps", "40", file("r.ops", "canvass 5\nrepeat\n")}), 0);
  EXPECT_NE(out().find("end (step limit reached): 0 refreshes"), std::string::npos) << out();
}

TEST_F(CliScriptTest, CtrlCEndsAScriptAtOnce) {
  const pid_t pid =
      start({"script", file("s.ops", "lens 300 200 300 200 80 CVCC\nsleep 600000\n")});
  ASSERT_TRUE(kelvane::clitest::waitUntil(
      [&] { return out().find("refresh 1:") != std::string::npos; },
      kelvane::clitest::Clock::now() + 30s));
  ASSERT_EQ(::kill(pid, SIGINT), 0);
  EXPECT_EQ(finish(pid, 30s), 130);
  EXPECT_NE(out().find("end (interrupted): 1 refreshes"), std::string::npos) << out();
}

}  // namespace
