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
  if (pid <= 0) return -1;
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

// How to start kelvane-cli: its arguments, and what it runs in.
struct CliCommand {
  std::vector<std::string> args;      // after the program's name
  std::vector<std::string> launcher;  // before it (mpirun -n 2 ...); empty: none
  std::string stdoutPath = "/dev/null";
  std::string stderrPath = "/dev/null";
  std::string workDir;               // empty: the test's own
  std::vector<std::string> environment;  // NAME=VALUE sets, a bare NAME unsets
};

// Starts the command; its pid, or -1 (a failed expectation says why).
inline pid_t spawnCli(const CliCommand& c) {
  std::vector<std::string> all = c.launcher;
  all.push_back(KELVANE_CLI_PATH);
  all.insert(all.end(), c.args.begin(), c.args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);

  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    bool changed = false;
    for (const std::string& change : c.environment)
      changed |= change.substr(0, change.find('=')) == name;
    if (!changed) env.push_back(entry);
  }
  for (const std::string& change : c.environment)
    if (change.find('=') != std::string::npos) env.push_back(change);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, c.stdoutPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, c.stderrPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (!c.workDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, c.workDir.c_str());
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(error, 0) << "cannot start " << argv[0];
  return error == 0 ? pid : -1;
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
    CliCommand command;
    command.args = args;
    command.stdoutPath = stdoutPath.empty() ? (m_dir / "out").string() : stdoutPath;
    command.stderrPath = (m_dir / "err").string();
    return start(command);
  }
  pid_t start(const CliCommand& command) {
    m_running = spawnCli(command);
    return m_running;
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
