// kelvane-cli image: the fields it prints, the real and virtual cases, and
// the source options of image, draw and script refused with a reason.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/cli/cli_process.h"

namespace kelvane {
namespace {

using namespace clitest;

const std::vector<std::string> kBiconvex = {"image", "300", "200", "300", "200", "80", "CVCC"};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// "name  value" lines as a map of their texts.
std::map<std::string, std::string> fieldsOf(const std::string& text) {
  std::map<std::string, std::string> fields;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::string line = text.substr(start, end - start);
    const std::size_t space = line.find(' ');
    const std::size_t value = line.find_first_not_of(' ', space);
    fields[line.substr(0, space)] = line.substr(value);
    start = end + 1;
  }
  return fields;
}

TEST_F(Cli, ImagePrintsTheParaxialLensAndTheTracedFocus) {
  ASSERT_EQ(run(kBiconvex), 0) << err();
  auto f = fieldsOf(out());
  EXPECT_EQ(f["R1"], "133.3333");
  EXPECT_EQ(f["R2"], "-133.3333");
  EXPECT_EQ(f["focalLength"], "148.1481");  // 1/f = 0.5(2/R - 0.5*80/(1.5 R^2))
  EXPECT_EQ(f["paraxialFocus"], "198.5185");  // 80 + f (1 - 80 * 0.5 / (1.5 R))
  EXPECT_EQ(f.size(), 7u) << out();
  ASSERT_EQ(run({"focus", "300", "200", "300", "200", "80", "CVCC"}), 0);
  EXPECT_EQ(f["image"], fieldsOf(out())["focus"]);
}

TEST_F(Cli, ImageOfAnObjectRealAndInvertedOrVirtual) {
  ASSERT_EQ(run(with(kBiconvex, {"--object", "600", "--height", "50"})), 0) << err();
  auto f = fieldsOf(out());
  EXPECT_EQ(f["virtual"], "0");
  EXPECT_LT(std::stod(f["magnification"]), 0);
  EXPECT_LT(std::stod(f["paraxialMagnification"]), 0);
  EXPECT_GT(std::stod(f["blur"]), 0);
  EXPECT_GT(std::stod(f["image"]), 80);

  ASSERT_EQ(run(with(kBiconvex, {"--object", "100"})), 0) << err();
  f = fieldsOf(out());
  EXPECT_EQ(f["virtual"], "1");
  EXPECT_LT(std::stod(f["image"]), 0);
  EXPECT_EQ(f["magnification"], "--");  // a point has no height
  EXPECT_EQ(f.size(), 13u) << out();
}

TEST_F(Cli, SourceOptionsAreRefusedWithTheirReason) {
  struct Case {
    std::vector<std::string> args;
    const char* named;
  };
  const std::vector<Case> cases = {
      {with(kBiconvex, {"--object", "0"}), "--object"},
      {with(kBiconvex, {"--object", "600", "--height", "-5"}), "--height"},
      {with(kBiconvex, {"--height", "50"}), "--height needs --object"},
      {with(kBiconvex, {"--width", "10", "--fill", "50"}), "--width and --fill"},
      {{"script", "x.lens", "--source", "object,600"}, "--source"},
      {{"script", "x.lens", "--source", "point,0.5"}, "--source"},
      {{"script", "x.lens", "--source", "laser"}, "--source"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run(c.args), 2) << c.named;
    EXPECT_NE(err().find(c.named), std::string::npos) << err();
    EXPECT_EQ(out(), "");
  }
}

}  // namespace
}  // namespace kelvane
