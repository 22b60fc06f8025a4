// kelvane-cli table on grids of its user's choice: refusals, the estimate,
// and the comment line that heads such a table.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace kelvane {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int exit = -1;
  std::string out;
  std::string err;
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs kelvane-cli with `args` to its end.
CliRun cli(std::vector<std::string> args) {
  const fs::path dir = fs::temp_directory_path() / ("kelvane_grid_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, (dir / "out").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, (dir / "err").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  args.insert(args.begin(), KELVANE_CLI_PATH);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  CliRun run;
  pid_t pid = -1;
  int status = 0;
  if (posix_spawn(&pid, KELVANE_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0 &&
      waitpid(pid, &status, 0) == pid && WIFEXITED(status))
    run.exit = WEXITSTATUS(status);
  posix_spawn_file_actions_destroy(&actions);
  run.out = readFile(dir / "out");
  run.err = readFile(dir / "err");
  fs::remove_all(dir);
  return run;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

TEST(TableGridOptions, BadGridsAreRefusedWithOneMessage) {
  const std::vector<std::vector<std::string>> bad = {
      {"--ivx", "400:350"}, {"--step", "0"},      {"--step-evy", "-1"},
      {"--evy", "nan:300"}, {"--evx", "150:inf"}, {"--step", "0.0001"},
      {"--shape", "CVXX"},  {"--depth", "0:30"},  {"--ivy", "1:2:3:4"},
      {"--dev-limit", "0"}, {"--rindex", "-1.5"}, {"--ivx", "150:350:1", "--step-ivx", "2"}};
  for (std::vector<std::string> args : bad) {
    const std::string what = args[0] + " " + args[1];
    args.insert(args.begin(), "table");
    const CliRun run = cli(args);
    EXPECT_EQ(run.exit, 2) << what;
    EXPECT_EQ(run.out, "") << what;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << what << ": " << run.err;
  }
}

TEST(TableGridOptions, EstimatePrintsTheGridSizeAndTimeOnly) {
  const CliRun run = cli({"table", "--estimate", "--threads", "2"});
  EXPECT_EQ(run.exit, 0);
  EXPECT_EQ(run.out, "");
  ASSERT_EQ(lines(run.err).size(), 1u) << run.err;
  EXPECT_NE(run.err.find("246,468,360,951 lenses in the full grid"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("on 2 threads"), std::string::npos) << run.err;
}

TEST(TableGridOptions, ACustomTableStartsWithItsGrid) {
  const std::vector<std::string> grid = {"table",   "--rindex",    "1.7",   "--step",
                                         "2",       "--depth",     "30:32", "--ivx",
                                         "190:210", "--dev-limit", "0.05",  "-q"};
  std::vector<std::string> oneThread = grid;
  oneThread.insert(oneThread.end(), {"--threads", "1"});
  const CliRun one = cli(oneThread);
  ASSERT_EQ(one.exit, 0) << one.err;
  EXPECT_EQ(one.err, "") << "-q: nothing on standard error";
  const std::vector<std::string> table = lines(one.out);
  ASSERT_GT(table.size(), 10u);
  EXPECT_EQ(table[0],
            "# kelvane table shape=CVCV rindex=1.7 ivx=190:210:2 ivy=150:350:2 evx=150:350:2 "
            "evy=150:350:2 depth=30:32:2 dev-limit=0.05");
  EXPECT_EQ(table[1], "focus,width,ivx,ivy,evx,evy,depth,dev,devpcnt");
  for (std::size_t i = 2; i < table.size(); ++i) {
    std::vector<std::string> fields;
    std::istringstream row(table[i]);
    for (std::string field; std::getline(row, field, ',');) fields.push_back(field);
    ASSERT_EQ(fields.size(), 9u) << table[i];
    EXPECT_TRUE(fields[6] == "30" || fields[6] == "32") << "depth on the grid: " << table[i];
    EXPECT_EQ(std::stoi(fields[2]) % 2, 0) << "ivx on the grid: " << table[i];
  }
  std::vector<std::string> threeThreads = grid;
  threeThreads.insert(threeThreads.end(), {"--threads", "3"});
  EXPECT_EQ(cli(threeThreads).out, one.out);

  const CliRun lowerCase = cli({"table", "--shape", "cvcc", "--depth", "30:30", "--step", "50"});
  ASSERT_EQ(lowerCase.exit, 0) << lowerCase.err;
  EXPECT_EQ(lowerCase.out.rfind("# kelvane table shape=CVCC ", 0), 0u) << lowerCase.out;

  const CliRun concave =
      cli({"table", "--shape", "CCCC", "--depth", "60", "--ivx", "200:200:1", "-q"});
  ASSERT_EQ(concave.exit, 0) << concave.err;
  EXPECT_EQ(concave.out.substr(0, concave.out.find('\n')),
            "# kelvane table shape=CCCC rindex=1.5 ivx=200:200:1 ivy=150:350:1 evx=150:350:1 "
            "evy=150:350:1 depth=60:60:1 dev-limit=0.01");
}

}  // namespace
}  // namespace kelvane
