// kelvane-cli table on grids of its user's choice: refusals, the estimate,
// and the comment line that heads such a table.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"

namespace kelvane {
namespace {

using TableGridOptions = clitest::Cli;
using clitest::splitLines;

TEST_F(TableGridOptions, BadGridsAreRefusedWithOneMessage) {
  const std::vector<std::vector<std::string>> bad = {
      {"--ivx", "400:350"}, {"--step", "0"},      {"--step-evy", "-1"},
      {"--evy", "nan:300"}, {"--evx", "150:inf"}, {"--step", "0.0001"},
      {"--shape", "CVXX"},  {"--depth", "0:30"},  {"--ivy", "1:2:3:4"},
      {"--dev-limit", "0"}, {"--rindex", "-1.5"}, {"--ivx", "150:350:1", "--step-ivx", "2"}};
  for (std::vector<std::string> args : bad) {
    const std::string what = args[0] + " " + args[1];
    args.insert(args.begin(), "table");
    EXPECT_EQ(run(args), 2) << what;
    EXPECT_EQ(out(), "") << what;
    const std::string said = err();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << what << ": " << said;
  }
}

TEST_F(TableGridOptions, EstimatePrintsTheGridSizeAndTimeOnly) {
  EXPECT_EQ(run({"table", "--estimate", "--threads", "2"}), 0);
  EXPECT_EQ(out(), "");
  const std::string said = err();
  ASSERT_EQ(splitLines(said).size(), 1u) << said;
  EXPECT_NE(said.find("246,468,360,951 lenses in the full grid"), std::string::npos) << said;
  EXPECT_NE(said.find("on 2 threads"), std::string::npos) << said;
}

TEST_F(TableGridOptions, ACustomTableStartsWithItsGrid) {
  const std::vector<std::string> grid = {"table",   "--rindex",    "1.7",   "--step",
                                         "2",       "--depth",     "30:32", "--ivx",
                                         "190:210", "--dev-limit", "0.05",  "-q"};
  ASSERT_EQ(run(grid), 0) << err();
  EXPECT_EQ(err(), "") << "-q: nothing on standard error";
  const std::string one = out();
  const std::vector<std::string> table = splitLines(one);
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

  ASSERT_EQ(run({"table", "--shape", "cvcc", "--depth", "30:30", "--step", "50"}), 0) << err();
  EXPECT_EQ(out().rfind("# kelvane table shape=CVCC ", 0), 0u) << out();

  ASSERT_EQ(run({"table", "--shape", "CCCC", "--depth", "60", "--ivx", "200:200:1", "-q"}), 0)
      << err();
  const std::string concave = out();
  EXPECT_EQ(concave.substr(0, concave.find('\n')),
            "# kelvane table shape=CCCC rindex=1.5 ivx=200:200:1 ivy=150:350:1 evx=150:350:1 "
            "evy=150:350:1 depth=60:60:1 dev-limit=0.01");
}

}  // namespace
}  // namespace kelvane
