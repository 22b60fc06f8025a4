// kelvane-cli design: the lens it prints traces, with focus, to the numbers
// it prints; it beats the focus table near the target; it reports a target
// out of reach and refuses bad requests.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_process.h"

namespace kelvane {
namespace {

using namespace clitest;

// name=value lines of a --raw run; the lens line under "lens".
std::map<std::string, std::string> rawFields(const std::string& text) {
  std::map<std::string, std::string> fields;
  for (const std::string& line : splitLines(text)) {
    if (line.rfind("lens ", 0) == 0)
      fields["lens"] = line.substr(5);
    else if (const auto eq = line.find('='); eq != std::string::npos)
      fields[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return fields;
}

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

TEST_F(Cli, DesignedLensTracesToThePrintedNumbers) {
  const std::vector<std::vector<std::string>> beamOptions = {
      {}, {"--shape", "CVCC", "--rindex", "1.6", "--fill", "70"}, {"--width", "60"}};
  for (const auto& options : beamOptions) {
    std::vector<std::string> design = {"design", "--focus", "300", "--depth", "112", "--raw"};
    design.insert(design.end(), options.begin(), options.end());
    ASSERT_EQ(run(design), 0) << err();
    const auto designed = rawFields(out());
    const std::vector<std::string> lens = words(designed.at("lens"));
    ASSERT_EQ(lens.size(), 6u) << out();
    EXPECT_EQ(lens[4], "112");  // a held value stays as given
    EXPECT_NEAR(std::stod(designed.at("focus")), 300, 0.15);

    std::vector<std::string> focus = {"focus"};
    focus.insert(focus.end(), lens.begin(), lens.end());
    focus.push_back("--raw");
    for (std::size_t i = 0; i < options.size(); i += 2)
      if (options[i] != "--shape") focus.insert(focus.end(), {options[i], options[i + 1]});
    ASSERT_EQ(run(focus), 0) << err();
    const auto traced = rawFields(out());
    for (const char* name : {"focus", "dev", "devpcnt"})
      EXPECT_EQ(traced.at(name), designed.at(name)) << name << " of " << designed.at("lens");
  }
}

TEST_F(Cli, DesignBeatsTheFocusTableNearTheTarget) {
  const std::vector<std::string> bounds = {"--ivx",   "220:240", "--ivy",   "160:180", "--evx",
                                           "150:170", "--evy",   "330:350", "--depth", "30:34"};
  std::vector<std::string> table = {"table", "-q"};
  table.insert(table.end(), bounds.begin(), bounds.end());
  ASSERT_EQ(run(table), 0) << err();
  double tableBest = 1e9;  // the least dev among rows at focus 300 (focus,...,dev,devpcnt)
  for (const std::string& row : splitLines(out())) {
    std::vector<std::string> cells;
    std::stringstream in(row);
    for (std::string c; std::getline(in, c, ',');) cells.push_back(c);
    if (cells.size() == 9 && cells[0] == "300")
      tableBest = std::min(tableBest, std::stod(cells[7]));
  }
  ASSERT_LT(tableBest, 1e9) << "the slice holds no lens at 300";

  std::vector<std::string> design = {"design", "--focus", "300", "--raw"};
  design.insert(design.end(), bounds.begin(), bounds.end());
  ASSERT_EQ(run(design), 0) << err();
  const auto designed = rawFields(out());
  EXPECT_LE(std::stod(designed.at("dev")), tableBest) << designed.at("lens");
}

TEST_F(Cli, DesignReportsATargetOutOfReach) {
  EXPECT_EQ(run({"design", "--focus", "5"}), 1);
  EXPECT_EQ(out(), "");
  EXPECT_NE(err().find("no lens within the bounds focuses at 5"), std::string::npos) << err();
  EXPECT_NE(err().find("the nearest focus found is "), std::string::npos) << err();
}

TEST_F(Cli, DesignRefusesBadRequests) {
  struct Case {
    std::vector<std::string> args;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {{"--focus", "abc"}, "--focus must be a finite number greater than 0, not \"abc\""},
      {{}, "--focus is required"},
      {{"--focus", "300", "--ivx", "300:200"}, "ivx bounds run backwards"},
      {{"--focus", "300", "--evy", "150:350:1"}, "--evy takes A:B or a single value"},
      {{"--focus", "300", "--ivy", "0:100"}, "ivy must be greater than 0"},
      {{"--focus", "300", "--width", "50", "--fill", "50"}, "exclude each other"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"design"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(run(args), 2) << c.reason;
    EXPECT_EQ(out(), "") << c.reason;
    EXPECT_NE(err().find(c.reason), std::string::npos) << err();
  }
}

}  // namespace
}  // namespace kelvane
