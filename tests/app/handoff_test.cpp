// The hand-off file, the build stamp, the demo messages and the exit report.
#include "app/handoff.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <vector>

#include "app/app_info.h"
#include "app/workdirs.h"
#include "trace/dbgprint.h"

namespace fs = std::filesystem;
using namespace kelvane;

namespace {

// Sets (or with nullptr unsets) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

std::string readText(const fs::path& path) {
  std::stringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

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
  EXPECT_EQ(readText(file), text) << "no line end is added";
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

TEST_F(HandoffTest, LongTextArrivesWholeOrNotAtAll) {
  const std::string path = "/" + std::string(400, 'p') + ".ops";
  writeHandoffFileAt(file, path);
  EXPECT_EQ(readHandoffFileAt(file), path) << "never cut to another name";
  EXPECT_FALSE(readHandoffFileAt(file, 10)) << "a line over the limit gives nothing";
  std::ofstream(file, std::ios::binary) << std::string("/a.ops\0/b.ops", 13);
  EXPECT_FALSE(readHandoffFileAt(file)) << "a NUL byte would cut the name short";
}

// Another user who can reach the folder may put a link, a FIFO or a file
// of theirs at the hand-off file's name.
TEST_F(HandoffTest, FilesPutInItsPlaceAreNeitherFollowedNorRead) {
  const fs::path victim = dir / "victim.txt";
  std::ofstream(victim) << "precious";
  fs::create_symlink(victim, file);
  EXPECT_EQ(writeHandoffFileAt(file, "/x.ops"), -1);
  EXPECT_EQ(readText(victim), "precious");
  EXPECT_FALSE(readHandoffFileAt(file)) << "nor read through the link";
  fs::remove(file);
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  EXPECT_EQ(writeHandoffFileAt(file, "/x.ops"), -1);
  EXPECT_FALSE(readHandoffFileAt(file)) << "without blocking";
  fs::remove(file);
  std::ofstream(file) << "/their/script.ops";
  if (::chown(file.c_str(), 65534, 65534) != 0) GTEST_SKIP() << "another user's file needs root";
  EXPECT_FALSE(readHandoffFileAt(file));
  EXPECT_EQ(writeHandoffFileAt(file, "/x.ops"), -1);
  EXPECT_EQ(readText(file), "/their/script.ops");
}

// A shared TEMP's Kelvane/Store may have been made by somebody else, who
// could then read or replace what is handed over there.
TEST_F(HandoffTest, StoreHoldsTheHandoffOnlyWhenNobodyElseMayWriteThere) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", nullptr);
  ScopedEnv temp("TMPDIR", (dir / "tmp").c_str());
  fs::create_directories(dir / "tmp");
  const fs::path store = dir / "shared" / "Kelvane" / "Store";
  fs::create_directories(store);
  ASSERT_EQ(::chmod(store.c_str(), 0777), 0);
  WorkDirEnvironment env;
  env.programPath = (dir / "bin" / "kelvane").string();
  const std::string shared = (dir / "shared").string();
  env.getenv = [shared](const char* n) -> const char* {
    return std::string(n) == "TEMP" ? shared.c_str() : nullptr;
  };
  initWorkDirs(WORKDIR_STORE, env);
  ASSERT_EQ(storeDir().path, store.string() + "/");

  EXPECT_GT(writeHandoffFile("/x.ops"), 0);
  EXPECT_FALSE(fs::exists(store / kHandoffFileName));
  const fs::path own = dir / "tmp" / ("kelvane-" + std::to_string(::getuid()));
  EXPECT_EQ(readText(own / kHandoffFileName), "/x.ops");
  EXPECT_EQ(readHandoffFile(), "/x.ops");

  ASSERT_EQ(::chmod(store.c_str(), 0755), 0);
  EXPECT_GT(writeHandoffFile("/y.ops"), 0);
  EXPECT_EQ(readText(store / kHandoffFileName), "/y.ops") << "the user's own Store";
}

TEST_F(HandoffTest, PrivateRuntimeDirIsTheUsersAlone) {
  const uid_t me = ::getuid();
  const fs::path run = dir / "run";
  const std::string tmp = (dir / "tmp").string();
  fs::create_directories(run);
  fs::create_directories(tmp);
  std::string problem;
  ASSERT_EQ(::chmod(run.c_str(), 0700), 0);
  EXPECT_EQ(privateRuntimeDir(run.string(), tmp, me, problem), run.string() + "/");
  const std::string own = tmp + "/kelvane-" + std::to_string(me);
  for (const std::string& notPrivate : {std::string(), std::string("run"), tmp + "/missing"})
    EXPECT_EQ(privateRuntimeDir(notPrivate, tmp, me, problem), own + "/") << notPrivate;
  ASSERT_EQ(::chmod(run.c_str(), 0755), 0);
  EXPECT_EQ(privateRuntimeDir(run.string(), tmp, me, problem), own + "/") << "others may enter";
  EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all) << "made 0700";

  // Made first by somebody else, or opened to others: no private folder.
  ASSERT_EQ(::chmod(own.c_str(), 0777), 0);
  EXPECT_EQ(privateRuntimeDir("", tmp, me, problem), "");
  EXPECT_EQ(problem, own + ": a folder others may write into");
  const std::string theirs = tmp + "/kelvane-" + std::to_string(me + 1);
  EXPECT_EQ(privateRuntimeDir("", tmp, me + 1, problem), "");
  EXPECT_EQ(problem, theirs + ": another user's folder");
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
