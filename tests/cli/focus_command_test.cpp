// kelvane-cli focus: its arguments, its output without a focus, and the
// width lock and fill of the Lens Control.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "optics/focus.h"
#include "tests/cli/cli_process.h"

namespace kelvane {
namespace {

using namespace clitest;

const std::vector<std::string> kLens = {"focus", "300", "200", "250", "240", "60", "CVCC"};

std::vector<std::string> withArgs(std::vector<std::string> args,
                                  const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

std::string rawLine(const char* name, double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%s=%.17g\n", name, value);
  return text;
}

TEST_F(Cli, FocusRefusesNumbersThatAreNotSound) {
  struct Case {
    std::vector<std::string> args;
    const char* named;
  };
  const std::vector<Case> cases = {
      {{"focus", "nan", "1", "1", "1", "1", "CVCV"}, "IVX"},
      {{"focus", "1", "0", "1", "1", "1", "CVCV"}, "IVY"},
      {{"focus", "1", "1", "inf", "1", "1", "CVCV"}, "EVX"},
      {{"focus", "1", "1", "1", "-3", "1", "CVCV"}, "EVY"},
      {{"focus", "1", "1", "1", "1", "1e400", "CVCV"}, "DEPTH"},
      {{"focus", "1", "1", "1", "1", "-0.5", "CVCV"}, "DEPTH"},
      {{"focus", "1", "1", "1", "1", "12mm", "CVCV"}, "DEPTH"},
      {{"focus", "1", "1", "1", "1", "1", "CVCX"}, "SHAPE"},
      {withArgs(kLens, {"--rindex", "0"}), "--rindex"},
      {withArgs(kLens, {"--rindex", "nan"}), "--rindex"},
      {withArgs(kLens, {"--width", "0"}), "--width"},
      {withArgs(kLens, {"--width", "501"}), "--width"},
      {withArgs(kLens, {"--fill", "100"}), "--fill"},
      {withArgs(kLens, {"--fill", "inf", "--multi"}), "--fill"},
      {withArgs(kLens, {"--fill", "50", "--width", "50"}), "--width and --fill"},
      {{"focus", "1", "2", "3"}, "missing EVY DEPTH SHAPE"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run(c.args), 2) << c.named;
    const std::string message = err();
    EXPECT_NE(message.substr(0, message.find('\n')).find(c.named), std::string::npos) << message;
    EXPECT_EQ(out(), "");
  }
  // Depth 0 and an index below 1 (a lens of thinner medium) are real cases.
  EXPECT_EQ(run({"focus", "300", "200", "250", "240", "0", "CVCC", "--rindex", "0.75"}), 0)
      << err();
}

// Every command reads its values the same way: a shape in any case, numbers
// in decimal only, and a refusal names the option and the text.
TEST_F(Cli, EveryCommandNamesTheOptionAndTheTextItRefuses) {
  const std::vector<std::vector<std::string>> cases = {
      {"table", "--shape", "cvxx"},
      {"table", "--depth", "1:2:3:4"},
      {"table", "--threads", "0x4"},
      {"matrix", "--rindex", "inf"},
      {"script", "x.ops", "--max-steps", "1e3"},
      withArgs(kLens, {"--fill", "0x10"}),
      {"focus", "300", "200", "250", "240", "60", "cvcx"}};
  for (const auto& args : cases) {
    const std::string& option = args[args.size() - 2];
    const std::string& text = args.back();
    EXPECT_EQ(run(args), 2) << option;
    const std::string message = err();
    EXPECT_EQ(message.rfind("kelvane-cli " + args[0] + ": ", 0), 0u) << message;
    EXPECT_NE(message.find(" must be "), std::string::npos) << message;
    EXPECT_NE(message.find("\"" + text + "\""), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line: " << message;
    EXPECT_EQ(out(), "");
  }
  // The last case names SHAPE, its positional argument.
  EXPECT_NE(err().find("SHAPE must be"), std::string::npos) << err();
  EXPECT_EQ(run({"focus", "300", "200", "250", "240", "60", "cvcc"}), 0) << err();
}

TEST_F(Cli, FocusWithoutACrossingShowsDashesButRawKeepsTheNumbers) {
  const std::vector<std::string> diverging = {"focus", "200", "150", "200", "150", "20", "CCCV"};
  ASSERT_EQ(run(diverging), 0) << err();
  const std::string text = out();
  for (const char* name : {"focus", "dev", "devpcnt", "focusMin", "focusMax"}) {
    char line[64];
    std::snprintf(line, sizeof line, "%-14s --\n", name);
    EXPECT_NE(text.find(line), std::string::npos) << name << " in\n" << text;
  }
  EXPECT_NE(text.find("width          "), std::string::npos);
  EXPECT_EQ(text.find("100000"), std::string::npos) << text;

  ASSERT_EQ(run(withArgs(diverging, {"--raw"})), 0);
  EXPECT_NE(out().find("focus=0\n"), std::string::npos) << out();
  EXPECT_NE(out().find(rawLine("focusMin", NO_MINIMUM)), std::string::npos) << out();
}

TEST_F(Cli, FocusWidthAndFillReproduceTheLensControl) {
  const Lens lens{300, 200, 250, 240, 60, 1};
  std::vector<TracePoint> buffer(MULTI_BEAM_POINTS);
  auto expectSingle = [&](const BeamSettings& settings, const std::vector<std::string>& options) {
    BeamSettings s = settings;
    s.traceBuffer = buffer.data();
    TracerContext ctx;
    findFocus(ctx, lens, s);
    ASSERT_EQ(run(withArgs(withArgs(kLens, options), {"--raw"})), 0) << err();
    const std::string text = out();
    EXPECT_NE(text.find(rawLine("focus", ctx.results.focus)), std::string::npos) << text;
    EXPECT_NE(text.find(rawLine("width", ctx.results.width)), std::string::npos) << text;
    EXPECT_NE(text.find(rawLine("dev", ctx.results.dev)), std::string::npos) << text;
  };
  BeamSettings locked = kInitialCurrentSettings;
  locked.flags |= BEAM_LOCKED;
  locked.lockedWidth = 120;
  expectSingle(locked, {"--width", "120"});
  BeamSettings fill = kInitialCurrentSettings;
  fill.fill = 75 * 0.01;
  expectSingle(fill, {"--fill", "75"});

  BeamSettings fans = locked;
  fans.lockedWidth = 180;
  fans.pointsMode = 1;
  fans.traceBuffer = buffer.data();
  TracerContext ctx;
  ASSERT_EQ(findFoci(ctx, lens, fans), 0);
  ASSERT_EQ(run(withArgs(kLens, {"--multi", "--raw", "--width", "180"})), 0) << err();
  std::string expected;
  for (int fan = 0; fan < FAN_COUNT; ++fan)
    expected += "fan" + std::to_string(static_cast<int>(kFanAngles[fan])) + "=" +
                std::to_string(ctx.results.fanCounts[fan]) + "\n";
  EXPECT_EQ(out(), expected + rawLine("width", 180));
}

TEST_F(Cli, HelpVersionAndThreadLimits) {
  ASSERT_EQ(run({"--version"}), 0);
  EXPECT_EQ(out().rfind("kelvane-cli ", 0), 0u) << out();
  ASSERT_EQ(run({"help"}), 0);
  for (const char* command : {"focus", "report", "table", "matrix", "script", "help"})
    EXPECT_NE(out().find(command), std::string::npos) << command;
  ASSERT_EQ(run({"help", "focus"}), 0);
  const std::string focusHelp = out();
  EXPECT_NE(focusHelp.find("ingress letters first"), std::string::npos) << focusHelp;
  for (const char* field : {"focus", "width", "center", "dev", "devpcnt", "focusMin", "focusMax",
                            "innerFocusMin", "innerFocusMax", "beamCount"})
    EXPECT_NE(focusHelp.find(std::string("\n  ") + field), std::string::npos) << field;
  EXPECT_NE(focusHelp.find("fan40"), std::string::npos);
  EXPECT_EQ(run({"help", "colours"}), 2);
  EXPECT_NE(err().find("colours"), std::string::npos);

  EXPECT_EQ(run({"table", "--threads", "257", "--depth", "30"}), 2);
  EXPECT_NE(err().find("--threads must be from 0 (one per core) to 256"), std::string::npos)
      << err();
  EXPECT_EQ(run({"table", "--threads", "-1", "--depth", "30"}), 2);
  EXPECT_EQ(out(), "");
  EXPECT_EQ(run({"table", "--threads", "256", "--depth", "30", "--estimate"}), 0) << err();
  EXPECT_NE(err().find("on 256 threads"), std::string::npos) << err();
}

}  // namespace
}  // namespace kelvane
