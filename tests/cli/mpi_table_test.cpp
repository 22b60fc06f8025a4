// `mpirun -n N kelvane-cli table ...` against one process: the same bytes
// for every N, and a rank that dies never leaves a silent gap.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A grid at index 1.7 with steps of 2 and a loose limit (rows enough to
// thin), and a slice of the default table: depth 40:41 rather than the
// 40:45 of bench/mpi_speed.sh, which costs half a minute of CPU per check.
const std::vector<std::string> kSmallGrid = {"--rindex",    "1.7",   "--step", "2",
                                             "--depth",     "30:36", "--ivx",  "190:230",
                                             "--dev-limit", "0.05"};
const std::vector<std::string> kSlice = {"--depth", "40:41"};
// More groups (5 x 20301) than the ranks may trace ahead of the rows written
// (65536), each cheap: while its writer is held, such a run cannot end.
const std::vector<std::string> kLongRun = {"--depth",     "40:44", "--step-evx", "20",
                                           "--step-evy",  "20",    "--dev-limit", "0.2"};

using clitest::readFile;

class MpiTable : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (geteuid() == 0) {  // Open MPI refuses root unless told twice
      setenv("OMPI_ALLOW_RUN_AS_ROOT", "1", 1);
      setenv("OMPI_ALLOW_RUN_AS_ROOT_CONFIRM", "1", 1);
    }
    s_dir = fs::temp_directory_path() / ("kelvane_mpi_" + std::to_string(::getpid()));
    fs::create_directories(s_dir);
  }
  static void TearDownTestSuite() { fs::remove_all(s_dir); }

  // Starts `ranks` ranks (0: kelvane-cli alone) of `table args`, writing
  // into `out`, standard error into `err`.
  static pid_t start(int ranks, std::vector<std::string> args, const fs::path& out,
                     const fs::path& err) {
    clitest::CliCommand command;
    if (ranks > 0)
      command.launcher = {KELVANE_MPIEXEC, "--oversubscribe", "-n", std::to_string(ranks)};
    command.args = {"table", "--threads", "1", "-o", out.string()};
    command.args.insert(command.args.end(), args.begin(), args.end());
    command.stderrPath = err.string();
    return clitest::spawnCli(command);
  }

  // Waits for the process (at most `limit`); its exit code, or -1.
  static int finish(pid_t pid, std::chrono::seconds limit = std::chrono::seconds(240)) {
    return clitest::waitForExit(pid, limit);
  }

  // The table of one process, written once per grid.
  static const std::string& reference(const std::vector<std::string>& args) {
    static std::map<std::vector<std::string>, std::string> tables;
    auto it = tables.find(args);
    if (it == tables.end()) {
      const fs::path out = s_dir / ("ref" + std::to_string(tables.size()) + ".csv");
      EXPECT_EQ(finish(start(0, args, out, s_dir / "ref.err")), 0);
      it = tables.emplace(args, readFile(out)).first;
    }
    return it->second;
  }

  static fs::path s_dir;
};

fs::path MpiTable::s_dir;

TEST_F(MpiTable, RanksWriteTheBytesOfOneProcess) {
  for (const auto& args : {kSmallGrid, kSlice}) {
    const std::string& one = reference(args);
    ASSERT_GT(std::count(one.begin(), one.end(), '\n'), 50) << "a table with rows";
    for (int ranks : {2, 3}) {
      const fs::path out = s_dir / "ranks.csv";
      const fs::path err = s_dir / "ranks.err";
      ASSERT_EQ(finish(start(ranks, args, out, err)), 0) << readFile(err);
      EXPECT_TRUE(readFile(out) == one) << ranks << " ranks, " << args[0] << " " << args[1];
    }
  }
}

// The pid of rank `rank` among the children of mpirun `parent`.
pid_t rankPid(pid_t parent, int rank) {
  for (const auto& entry : fs::directory_iterator("/proc")) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::string stat = readFile(entry.path() / "stat");
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream fields(stat.substr(close + 2));
    char state = 0;
    pid_t ppid = 0;
    fields >> state >> ppid;
    if (ppid != parent) continue;
    std::string env = readFile(entry.path() / "environ");
    if (env.find("OMPI_COMM_WORLD_RANK=" + std::to_string(rank) + '\0') != std::string::npos)
      return static_cast<pid_t>(std::stol(name));
  }
  return -1;
}

// The table arrives through a pipe of one page that the test reads: once the
// first rows are in, the writer waits for the test, the ranks wait for the
// writer, and the kill always lands before the end, however fast they are.
class TablePipe {
 public:
  explicit TablePipe(const fs::path& path) {
    fs::remove(path);
    EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    EXPECT_GE(m_fd, 0);
    EXPECT_GT(fcntl(m_fd, F_SETPIPE_SZ, 4096), 0);
  }
  ~TablePipe() { ::close(m_fd); }

  // Reads what has come; false once the writer has gone (after some text).
  // Called from waitUntil, which paces the calls.
  bool readSome() {
    char buffer[4096];
    const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
    if (got > 0) text.append(buffer, static_cast<std::size_t>(got));
    if (got == 0 && !text.empty()) return false;
    return true;
  }

  std::string text;

 private:
  int m_fd = -1;
};

TEST_F(MpiTable, ADyingRankOrCtrlCEndsTheRunWithAMessageAndNoGap) {
  const std::string& one = reference(kLongRun);
  ASSERT_GT(one.size(), 3u * 4096) << "a table that cannot fit the pipe";
  for (const bool ctrlC : {false, true}) {
    const fs::path err = s_dir / "stopped.err";
    TablePipe pipe(s_dir / "stopped.csv");
    const pid_t mpirun = start(2, kLongRun, s_dir / "stopped.csv", err);
    ASSERT_GT(mpirun, 0);
    const auto deadline = Clock::now() + std::chrono::seconds(120);
    ASSERT_TRUE(clitest::waitUntil([&] { return pipe.readSome() && pipe.text.size() >= 200; },
                                   deadline))
        << "the first rows; " << readFile(err);
    pid_t worker = -1;
    ASSERT_TRUE(clitest::waitUntil([&] { return (worker = rankPid(mpirun, 1)) > 0; }, deadline))
        << "rank 1 runs";
    kill(ctrlC ? mpirun : worker, ctrlC ? SIGINT : SIGKILL);
    ASSERT_TRUE(clitest::waitUntil([&] { return !pipe.readSome(); }, deadline))
        << "the table's writer ends";
    EXPECT_NE(finish(mpirun), 0) << "never reported as success";
    const std::string& written = pipe.text;
    ASSERT_FALSE(written.empty());
    EXPECT_LT(written.size(), one.size());
    EXPECT_EQ(one.compare(0, written.size(), written), 0)
        << "what was written is the start of the table";
    EXPECT_EQ(written.back(), '\n') << "no half-written row";
    const std::string said = readFile(err);
    EXPECT_NE(said.find(ctrlC ? "stopped by a signal" : "exited on signal"), std::string::npos)
        << (ctrlC ? "Ctrl-C: " : "a rank killed: ") << said;
  }
}

}  // namespace
}  // namespace kelvane
