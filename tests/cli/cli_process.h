// Runs kelvane-cli as a user runs it, with standard output and error caught
// in files of a directory of the test's own.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace kelvane::clitest {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

inline std::string readFile(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Polls `done` until it holds or `deadline` passes; whether it held.
template <typename Done>
bool waitUntil(Done done, Clock::time_point deadline) {
  while (!done()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// Waits for the process to end (at most `limit`, then kills it); its exit
// code, or -1.
inline int waitForExit(pid_t pid, std::chrono::seconds limit) {
  int status = 0;
  const bool ended =
      waitUntil([&] { return waitpid(pid, &status, WNOHANG) != 0; }, Clock::now() + limit);
  if (!ended) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline std::vector<std::string> splitLines(const std::string& text) {
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
  // A process started and not finished is killed and waited for.
  void TearDown() override {
    if (m_running > 0) finish(m_running, std::chrono::seconds(0));
    fs::remove_all(m_dir);
  }

  // Starts kelvane-cli with `args`, standard error into a file, standard
  // output into `stdoutPath` (a file of the test when empty).
  pid_t start(const std::vector<std::string>& args, const std::string& stdoutPath = "") {
    const std::string outPath = stdoutPath.empty() ? (m_dir / "out").string() : stdoutPath;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
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
    m_running = pid;
    return pid;
  }

  // The exit code of the process (killed after `limit`), or -1.
  int finish(pid_t pid, std::chrono::seconds limit = std::chrono::seconds(60)) {
    if (pid == m_running) m_running = -1;
    return waitForExit(pid, limit);
  }

  int run(const std::vector<std::string>& args, const std::string& stdoutPath = "") {
    return finish(start(args, stdoutPath));
  }
  std::string out() const { return readFile(m_dir / "out"); }
  std::string err() const { return readFile(m_dir / "err"); }
  fs::path path(const char* name) const { return m_dir / name; }
  const fs::path& dir() const { return m_dir; }
  // Writes a file of the test; its path.
  std::string file(const std::string& name, const std::string& text) const {
    std::ofstream(m_dir / name, std::ios::binary) << text;
    return (m_dir / name).string();
  }

 private:
  fs::path m_dir;
  pid_t m_running = -1;
};

}  // namespace kelvane::clitest
