// kelvane-cli's colour options: the index and focus per wavelength, the
// refusals, the glass list, and a table of a glass as a table of its index.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "optics/glass_catalogue.h"
#include "tests/cli/cli_process.h"

namespace kelvane {
namespace {

using namespace clitest;

const std::vector<std::string> kLens = {"focus", "300", "200", "300", "200", "80", "CVCC"};

std::vector<std::string> focusWith(const std::vector<std::string>& more) {
  std::vector<std::string> args = kLens;
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// The value of every "NAME  VALUE" line called `name`, in order.
std::vector<double> values(const std::string& out, const std::string& name) {
  std::vector<double> found;
  for (const std::string& line : splitLines(out))
    if (line.starts_with(name + " ")) found.push_back(std::stod(line.substr(name.size())));
  return found;
}

TEST_F(Cli, FocusAtAWavelengthPrintsTheIndexAndBlueFocusesNearer) {
  ASSERT_EQ(run(focusWith({"--glass", "N-BK7", "--wavelength", "486.1327"})), 0) << err();
  const std::string blue = out();
  EXPECT_NE(blue.find("\nrindex         1.52238\n"), std::string::npos) << blue;
  ASSERT_EQ(run(focusWith({"--glass", "N-BK7", "--wavelength", "656.2725"})), 0) << err();
  EXPECT_LT(values(blue, "focus").at(0), values(out(), "focus").at(0));
}

TEST_F(Cli, WhiteLightPrintsABlockPerWavelengthAndTheLca) {
  ASSERT_EQ(run(focusWith({"--glass", "N-BK7", "--white"})), 0) << err();
  EXPECT_EQ(values(out(), "rindex").size(), 7u);
  EXPECT_NE(out().find("wavelength     486.1327 nm\n"), std::string::npos) << out();
  ASSERT_EQ(values(out(), "lca").size(), 1u);
  EXPECT_GT(values(out(), "lca")[0], 0);
  // Without --glass: the --rindex index, in water here.
  ASSERT_EQ(run(focusWith({"--white", "--multi", "--medium", "water"})), 0) << err();
  int fans = 0;
  for (const std::string& line : splitLines(out())) fans += line.starts_with("fan 40 deg");
  EXPECT_EQ(fans, 7);
  EXPECT_NEAR(values(out(), "rindex").at(4), 1.5 / findGlass("water")->nd(), 1e-5);
}

TEST_F(Cli, ColoursThatCannotBeTracedExitWithAReason) {
  struct Case {
    std::vector<std::string> args;
    const char* said;
  };
  const std::vector<Case> cases = {
      {focusWith({"--glass", "XYZ"}), "unknown glass \"XYZ\" (kelvane-cli glasses lists them)"},
      {focusWith({"--wavelength", "900"}), "a wavelength from 380 to 780 nm, not \"900\""},
      {focusWith({"--glass", "PMMA", "--white"}), "from 436.8 to 1052 nm, not at 420 nm"},
      {focusWith({"--medium", "oil"}), "--medium must be air or water"},
      {focusWith({"--glass", "N-F2", "--rindex", "1.6"}),
       "--glass and --rindex exclude each other"},
      {focusWith({"--white", "--wavelength", "500"}),
       "--white and --wavelength exclude each other"},
      {{"table", "--white", "--estimate"}, "a table traces one index"},
      {{"script", "--glass", "nothing", "x.ops"}, "unknown glass"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run(c.args), 2) << c.args.back();
    EXPECT_NE(err().find(c.said), std::string::npos) << err();
    EXPECT_EQ(out(), "");
  }
}

TEST_F(Cli, GlassesListsTheCatalogue) {
  ASSERT_EQ(run({"glasses"}), 0) << err();
  const auto lines = splitLines(out());
  ASSERT_EQ(lines.size(), 8u) << out();
  EXPECT_EQ(lines[1].substr(0, 30), "N-BK7          1.51680  64.17 ");
  EXPECT_NE(lines[7].find("225-inf"), std::string::npos);
}

TEST_F(Cli, ATableOfAGlassIsTheTableOfItsIndex) {
  const std::vector<std::string> grid = {"table",   "-q",    "--ivx",       "300:302", "--ivy",
                                         "200:201", "--evx", "300:301",     "--evy",   "300:301",
                                         "--depth", "80:81", "--dev-limit", "1000"};
  std::vector<std::string> glass = grid;
  glass.insert(glass.end(), {"--glass", "N-BK7"});
  ASSERT_EQ(run(glass), 0) << err();
  const std::string byGlass = out();
  char index[32];
  std::snprintf(index, sizeof index, "%.17g", findGlass("N-BK7")->nd());
  std::vector<std::string> rindex = grid;
  rindex.insert(rindex.end(), {"--rindex", index});
  ASSERT_EQ(run(rindex), 0) << err();
  EXPECT_EQ(byGlass, out());
  EXPECT_GT(splitLines(byGlass).size(), 2u) << "rows to compare";
}

}  // namespace
}  // namespace kelvane
