// kelvane-cli script as a user runs it: exit codes, warnings on standard
// error, files that are no scripts, the traced start, the step limit and
// Ctrl-C.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kDeadline = 30s;

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

bool waitUntil(const std::function<bool()>& pred) {
  const auto end = std::chrono::steady_clock::now() + kDeadline;
  while (!pred()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

class CliScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvane-cli-script-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override {
    if (m_pid > 0) {
      ::kill(m_pid, SIGKILL);
      ::waitpid(m_pid, nullptr, 0);
    }
    fs::remove_all(m_dir);
  }

  std::string file(const std::string& name, const std::string& text) {
    const fs::path path = m_dir / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  // Starts kelvane-cli with `args`, its output going to files.
  void start(std::vector<std::string> args) {
    args.insert(args.begin(), KELVANE_CLI);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string out = (m_dir / "stdout").string();
    const std::string err = (m_dir / "stderr").string();
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_EQ(posix_spawn(&m_pid, KELVANE_CLI, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
  }
  // The exit code, or -1 when it did not end in time or did not exit.
  int finish() {
    int status = 0;
    const bool ended = waitUntil([&] { return ::waitpid(m_pid, &status, WNOHANG) == m_pid; });
    if (!ended) return -1;
    m_pid = 0;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  int cli(const std::vector<std::string>& args) {
    start(args);
    return finish();
  }
  std::string out() const { return readAll(m_dir / "stdout"); }
  std::string err() const { return readAll(m_dir / "stderr"); }

  fs::path m_dir;
  pid_t m_pid = 0;
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
    EXPECT_EQ(cli(args(m_dir.string())), 1);
    EXPECT_NE(err().find("cannot run " + m_dir.string() + ": Is a directory"), std::string::npos)
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
  start({"script", file("s.ops", "lens 300 200 300 200 80 CVCC\nsleep 600000\n")});
  ASSERT_TRUE(waitUntil([&] { return out().find("refresh 1:") != std::string::npos; }));
  ASSERT_EQ(::kill(m_pid, SIGINT), 0);
  EXPECT_EQ(finish(), 130);
  EXPECT_NE(out().find("end (interrupted): 1 refreshes"), std::string::npos) << out();
}

}  // namespace
