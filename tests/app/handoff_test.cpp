// The hand-off file, the build stamp, the demo messages and the exit report.
#include "app/handoff.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

#include "app/app_info.h"
#include "trace/dbgprint.h"

namespace fs = std::filesystem;
using namespace kelvane;

namespace {

class HandoffTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("kelvane-ho-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    file = (dir / kHandoffFileName).string();
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
  std::string file;
};

TEST_F(HandoffTest, RoundTripKeepsTheTextExactly) {
  const std::string text = "\"/home/u/my shows/fade.ops\"";
  EXPECT_EQ(writeHandoffFileAt(file, text), static_cast<int>(text.size()));
  std::ifstream in(file, std::ios::binary);
  std::stringstream raw;
  raw << in.rdbuf();
  EXPECT_EQ(raw.str(), text) << "no line end is added";
  EXPECT_EQ(readHandoffFileAt(file), text);
}

TEST_F(HandoffTest, EachHandoffOverwritesTheLast) {
  writeHandoffFileAt(file, "/a/long/first/path.ops");
  writeHandoffFileAt(file, "/b.ops");
  EXPECT_EQ(readHandoffFileAt(file), "/b.ops");
}

TEST_F(HandoffTest, ReadsOnlyTheFirstLineWithItsLineEnd) {
  std::ofstream(file) << "first.ops\nsecond.ops\n";
  EXPECT_EQ(readHandoffFileAt(file), "first.ops\n");
}

TEST_F(HandoffTest, EmptyOrMissingFileGivesNothing) {
  EXPECT_FALSE(readHandoffFileAt(file));
  std::ofstream(file).close();
  EXPECT_FALSE(readHandoffFileAt(file));
}

TEST_F(HandoffTest, LongTextIsCutAtTheLimit) {
  const std::string text(400, 'x');
  writeHandoffFileAt(file, text);
  EXPECT_EQ(readHandoffFileAt(file)->size(), static_cast<size_t>(kHandoffTextMax));
  EXPECT_EQ(readHandoffFileAt(file, 10)->size(), 10u);
}

TEST_F(HandoffTest, UnwritableFileIsReportedAndLeavesTheOldTextAlone) {
  // A directory where the file should be: it cannot be created.
  fs::create_directories(file);
  EXPECT_EQ(writeHandoffFileAt(file, "/new.ops"), -1);
  EXPECT_EQ(writeHandoffFileAt((dir / "no-dir" / "f").string(), "/new.ops"), -1);
}

// The first line a second instance sends decides: "1224" hands over, any
// other line or a long run of bytes without a line end is refused, and a
// message not yet whole waits for the rest.
TEST(HandoffMessageParse, OnlyTheFirstLine1224HandsOver) {
  EXPECT_EQ(parseHandoffMessage("1224\n"), HandoffMessage::HandOff);
  EXPECT_EQ(parseHandoffMessage("1224\nanything after"), HandoffMessage::HandOff);
  EXPECT_EQ(parseHandoffMessage(""), HandoffMessage::Incomplete);
  EXPECT_EQ(parseHandoffMessage("12"), HandoffMessage::Incomplete);
  EXPECT_EQ(parseHandoffMessage(std::string(32, '1')), HandoffMessage::Incomplete);
  EXPECT_EQ(parseHandoffMessage(std::string(33, '1')), HandoffMessage::Overlong);
  // A long first line is overlong whether its line end has come yet or not.
  EXPECT_EQ(parseHandoffMessage(std::string(34, '1') + "\n"), HandoffMessage::Overlong);
  EXPECT_EQ(parseHandoffMessage(std::string(31, '1') + "\n"), HandoffMessage::Malformed);
  for (const char* line : {"1224 \n", "01224\n", "1225\n", "\n", "1224\r\n"})
    EXPECT_EQ(parseHandoffMessage(line), HandoffMessage::Malformed) << line;
  EXPECT_EQ(parseHandoffMessage(std::string_view("1224\0\n", 6)), HandoffMessage::Malformed);
}

TEST(CommandLine, ArgumentsAfterTheProgramNameJoinedBySpaces) {
  const char* none[] = {"kelvane"};
  EXPECT_EQ(commandLineText(1, none), "");
  const char* one[] = {"kelvane", "/x/my show.ops"};
  EXPECT_EQ(commandLineText(2, one), "/x/my show.ops");
  const char* two[] = {"kelvane", "a.ops", "b"};
  EXPECT_EQ(commandLineText(3, two), "a.ops b");
}

TEST(BuildStamp, TwentyFourCharactersWithTheWeekday) {
  EXPECT_EQ(formatBuildStamp("Dec  7 2026", "05:06:24"), "Mon Dec  7 05:06:24 2026");
  EXPECT_EQ(formatBuildStamp("Feb 29 2024", "23:59:59"), "Thu Feb 29 23:59:59 2024");
  EXPECT_EQ(formatBuildStamp("Jan 10 2000", "00:00:00"), "Mon Jan 10 00:00:00 2000");
  EXPECT_EQ(formatBuildStamp("Foo 10 2000", "00:00:00"), "unknown");
  const std::string stamp = buildTimeStamp();
  EXPECT_EQ(stamp.size(), 24u);
  EXPECT_TRUE(
      std::regex_match(stamp, std::regex("(Sun|Mon|Tue|Wed|Thu|Fri|Sat) [A-Z][a-z]{2} [ 1-3][0-9] "
                                         "[0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}")))
      << stamp;
}

std::vector<std::string>* gLines = nullptr;
void collect(const char* text) {
  if (gLines && std::string(text) != "\n") gLines->push_back(text);
}

TEST(DemoTrace, ThreeUsesPrintZeroToTwentyNineThenWrapAfterNinetyNine) {
  std::vector<std::string> lines;
  gLines = &lines;
  setDebuggerWriter(collect);
  DemoTrace demo;
  for (int i = 0; i < 3; ++i) demo.run();
  ASSERT_EQ(lines.size(), 30u);
  for (int i = 0; i < 30; ++i)
    EXPECT_EQ(lines[i], "Trace message " + std::to_string(i) + " by dbgPrint");
  for (int i = 3; i < 10; ++i) demo.run();
  EXPECT_EQ(lines.back(), "Trace message 99 by dbgPrint");
  demo.run();
  EXPECT_EQ(lines[100], "Trace message 0 by dbgPrint");
  EXPECT_EQ(lines.size(), 110u);
  setDebuggerWriter(nullptr);
  gLines = nullptr;
}

TEST(ExitReport, OnlyUnreleasedBuffersAreReported) {
  std::vector<std::pair<unsigned, std::string>> boxes;
  setMessageBoxHandler([&](void*, unsigned style, const char* text, const char*) {
    boxes.emplace_back(style, text);
    return 1;
  });
  EXPECT_FALSE(exitReport(0));
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(exitReport(1));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].first, 0x2010u);
  EXPECT_EQ(boxes[0].second, "Lens trace buffer allocation count 1");
  setMessageBoxHandler(nullptr);
}

}  // namespace
