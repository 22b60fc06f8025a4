// kelvane-cli report, table and matrix, run as a user runs them.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "calc/focus_table.h"

extern char** environ;

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string readFile(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvane_cli_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  // Starts kelvane-cli with `args`, standard output and error into files.
  pid_t start(const std::vector<std::string>& args) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, (m_dir / "out").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, (m_dir / "err").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> all = {KELVANE_CLI_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, KELVANE_CLI_PATH, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  }

  // Waits for the process to end (at most `limit`); its exit code, or -1.
  static int finish(pid_t pid, std::chrono::seconds limit = std::chrono::seconds(60)) {
    const auto deadline = Clock::now() + limit;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
      if (Clock::now() > deadline) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  int run(const std::vector<std::string>& args) { return finish(start(args)); }
  std::string out() const { return readFile(m_dir / "out"); }
  std::string err() const { return readFile(m_dir / "err"); }
  fs::path path(const char* name) const { return m_dir / name; }

 private:
  fs::path m_dir;
};

TEST_F(Cli, ReportPrintsTheLinesOfTheReport) {
  ASSERT_EQ(run({"report", "deflection"}), 0);
  const std::vector<std::string> lines = splitLines(out());
  ASSERT_EQ(lines.size(), 49u);
  EXPECT_EQ(lines[0], "Face-relative incident angle required for a given angle deflection");
  EXPECT_EQ(lines[48], "For 48d deflection, incident is  0.171d @N=0.667, 48.171d @N=1.500");

  ASSERT_EQ(run({"report", "ellipse"}), 0);
  EXPECT_EQ(splitLines(out()).size(), 11u) << "the eleven case headers";
  EXPECT_EQ(run({"report", "colours"}), 2);
}

TEST_F(Cli, MatrixWritesItsReportToTheFile) {
  ASSERT_EQ(run({"matrix", "-o", path("matrix.trc").string()}), 0);
  const std::vector<std::string> lines = splitLines(readFile(path("matrix.trc")));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front(), "Focus Matrix");
  EXPECT_EQ(lines.back(), "Done");
  EXPECT_EQ(out(), "") << "with -o nothing goes to standard output";
  EXPECT_NE(err().find("100.0% done"), std::string::npos) << err();
}

TEST_F(Cli, TableRefusesADepthOutsideTheSweep) {
  EXPECT_EQ(run({"table", "--depth", "0:30"}), 2);
  EXPECT_NE(err().find("--depth must be A:B"), std::string::npos) << err();
  EXPECT_EQ(run({"table", "--depth", "90:80"}), 2);
  EXPECT_EQ(run({"table", "--depth", "thirty"}), 2);
  EXPECT_EQ(out(), "");
}

TEST_F(Cli, CtrlCEndsTheTableAndKeepsWhatWasWritten) {
  const fs::path table = path("table.csv");
  const pid_t pid = start({"table", "--threads", "2", "-o", table.string()});
  ASSERT_GT(pid, 0);
  // The sweep runs once its calculation thread exists.
  const fs::path tasks = fs::path("/proc") / std::to_string(pid) / "task";
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  auto threads = [&] {
    std::error_code ec;
    long n = 0;
    for (auto it = fs::directory_iterator(tasks, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) ++n;
    return n;
  };
  while (threads() < 2 && Clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  ASSERT_GE(threads(), 2);
  kill(pid, SIGINT);
  EXPECT_EQ(finish(pid), 130);
  const std::string text = readFile(table);
  const std::vector<std::string> lines = splitLines(text);
  ASSERT_GE(lines.size(), 1u);
  EXPECT_EQ(lines[0], kFocusTableHeader);
  EXPECT_EQ(text.back(), '\n') << "no half-written row";
  for (std::size_t i = 1; i < lines.size(); ++i)
    EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 8) << lines[i];
  EXPECT_NE(err().find("interrupted"), std::string::npos) << err();
}

}  // namespace
}  // namespace kelvane
