#include "trace/dbgprint.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace kelvane {
namespace {

// What reached each sink, in order.
struct Received {
  std::mutex mutex;
  std::vector<std::string> debugger;  // every write, "\n" included
  std::vector<std::string> list;
  std::vector<std::string> psv;
  std::vector<std::string> order;  // "list"/"psv" as they arrived
};
Received* received = nullptr;

void debuggerCapture(const char* text) {
  std::lock_guard lock(received->mutex);
  received->debugger.push_back(text);
}

class FakeList : public ListBoxSink {
 public:
  int rows = 1000;
  int visibleRows() const override { return rows; }
  void resetContent() override {
    std::lock_guard lock(received->mutex);
    received->list.clear();
  }
  void addString(const char* line) override {
    std::lock_guard lock(received->mutex);
    received->list.push_back(line);
    received->order.push_back("list");
  }
};

class FakePsv : public PsViewSink {
 public:
  void append(const char* text, int length) override {
    std::lock_guard lock(received->mutex);
    received->psv.push_back(length ? std::string(text, length) : std::string(text));
    received->order.push_back("psv");
  }
};

class DbgPrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    received = &got;
    setDebuggerWriter(debuggerCapture);
    dbgListScroll = true;
    dbgListCount = 0;
    path =
        std::filesystem::temp_directory_path() /
        ("kelvane-dbgprint-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".trc");
  }
  void TearDown() override {
    closeTraceFile();
    setListBoxSink(nullptr);
    setPsViewSink(nullptr);
    setDebuggerWriter(nullptr);
    dbgListScroll = true;
    dbgListCount = 0;
    std::filesystem::remove(path);
  }
  void openFile() { setTraceFile(std::fopen(path.c_str(), "at")); }
  std::vector<std::string> fileLines() {
    closeTraceFile();
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
  }

  Received got;
  FakeList list;
  FakePsv psv;
  std::filesystem::path path;
};

TEST_F(DbgPrintTest, NoSinkOpenWritesTheLineThenANewlineToTheDebugger) {
  dbgPrint("value %d", 42);
  EXPECT_EQ(got.debugger, (std::vector<std::string>{"value 42", "\n"}));
  got.debugger.clear();
  dbgPrint("%s", "");
  EXPECT_EQ(got.debugger, (std::vector<std::string>{"", "\n"}));
}

TEST_F(DbgPrintTest, RoutingTable) {
  // Trace file only: the debugger gets nothing.
  openFile();
  dbgPrint("file only");
  EXPECT_TRUE(got.debugger.empty());

  // List box open: file and list box, no debugger.
  setListBoxSink(&list);
  dbgPrint("file and list");
  EXPECT_TRUE(got.debugger.empty());
  EXPECT_EQ(got.list, (std::vector<std::string>{"file and list"}));

  // List box and PsView: both, the list box first.
  setPsViewSink(&psv);
  dbgPrint("all three");
  EXPECT_EQ(got.order, (std::vector<std::string>{"list", "list", "psv"}));
  EXPECT_TRUE(got.debugger.empty());

  // PsView alone, file closed: no debugger either.
  setListBoxSink(nullptr);
  EXPECT_EQ(fileLines(), (std::vector<std::string>{"file only", "file and list", "all three"}));
  dbgPrint("psview only");
  EXPECT_EQ(got.psv.back(), "psview only");
  EXPECT_TRUE(got.debugger.empty());

  setPsViewSink(nullptr);
  dbgPrint("back to the debugger");
  EXPECT_EQ(got.debugger.size(), 2u);
}

TEST_F(DbgPrintTest, LongLinesAreCutTo199Characters) {
  const std::string longText(250, 'x');
  openFile();
  setListBoxSink(&list);
  dbgPrint("%s", longText.c_str());
  setListBoxSink(nullptr);
  dbgPrint("%s", longText.c_str());  // file only
  closeTraceFile();
  dbgPrint("%s", longText.c_str());  // debugger
  EXPECT_EQ(got.list.at(0), std::string(199, 'x'));
  EXPECT_EQ(got.debugger.at(0), std::string(199, 'x'));
  const auto lines = fileLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string(199, 'x'));
}

TEST_F(DbgPrintTest, PageModeEmptiesTheListWhenAScreenfulIsFull) {
  list.rows = 10;
  setListBoxSink(&list);
  dbgListScroll = false;
  for (int i = 1; i <= 10; ++i) dbgPrint("line %d", i);
  EXPECT_EQ(got.list.size(), 10u);
  dbgPrint("line 11");
  EXPECT_EQ(got.list, (std::vector<std::string>{"line 11"}));
  EXPECT_EQ(dbgListCount.load(), 1);
}

TEST_F(DbgPrintTest, SwitchingToPageModeWithAFullListEmptiesItAtOnce) {
  list.rows = 5;
  setListBoxSink(&list);
  for (int i = 0; i < 8; ++i) dbgPrint("scroll %d", i);
  EXPECT_EQ(got.list.size(), 8u);
  EXPECT_EQ(dbgListCount.load(), 8);
  dbgListScroll = false;
  dbgPrint("first of a page");
  EXPECT_EQ(got.list, (std::vector<std::string>{"first of a page"}));
}

TEST_F(DbgPrintTest, ManyThreadsLinesReachTheFileWholeAndNoneIsLost) {
  openFile();
  constexpr int kThreads = 8;
  constexpr int kLines = 2000;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t] {
      for (int i = 0; i < kLines; ++i)
        dbgPrint("thread %d line %d %s", t, i, "with some text after it");
    });
  }
  for (auto& th : threads) th.join();
  const auto lines = fileLines();
  ASSERT_EQ(lines.size(), static_cast<size_t>(kThreads * kLines));
  std::set<std::string> unique(lines.begin(), lines.end());
  EXPECT_EQ(unique.size(), lines.size());
  for (int t = 0; t < kThreads; ++t)
    for (int i = 0; i < kLines; i += 397) {
      char expect[100];
      std::snprintf(expect, sizeof expect, "thread %d line %d with some text after it", t, i);
      EXPECT_EQ(unique.count(expect), 1u) << expect;
    }
}

TEST_F(DbgPrintTest, ClosingASinkWhileThreadsWriteLosesNoLineToAClosedSink) {
  std::atomic<bool> stop{false};
  std::thread writer([&] {
    while (!stop) dbgPrint("busy");
  });
  for (int i = 0; i < 200; ++i) {
    setPsViewSink(&psv);
    setPsViewSink(nullptr);
    const size_t seen = [&] {
      std::lock_guard lock(got.mutex);
      return got.psv.size();
    }();
    // Once the slot is cleared, nothing more reaches the old sink, however
    // long the writer goes on.
    for (int spin = 0; spin < 200; ++spin) std::this_thread::yield();
    std::lock_guard lock(got.mutex);
    EXPECT_EQ(got.psv.size(), seen);
  }
  stop = true;
  writer.join();
}

TEST_F(DbgPrintTest, AFailingTraceFileIsReportedOncePerFileAndLosesNoLine) {
  std::vector<std::string> reports;
  setMessageBoxHandler([&](void*, unsigned style, const char* text, const char* caption) {
    EXPECT_EQ(style, MB_ICON_ERROR);
    EXPECT_STREQ(caption, "Kelvane");
    reports.push_back(text);
    return static_cast<int>(MB_IDOK);
  });
  const std::string full =
      "Cannot write the trace file /dev/full: " + std::string(std::strerror(ENOSPC));

  // Line by line, as the program opens it: the first line fails at once.
  std::FILE* lineBuffered = std::fopen("/dev/full", "a");
  ASSERT_NE(lineBuffered, nullptr);
  std::setvbuf(lineBuffered, nullptr, _IOLBF, 0);
  setTraceFile(lineBuffered, "/dev/full");
  for (int i = 0; i < 3; ++i) dbgPrint("kept %d", i);
  closeTraceFile();
  EXPECT_EQ(reports, (std::vector<std::string>{full}));
  EXPECT_EQ(got.debugger,
            (std::vector<std::string>{"kept 0", "\n", "kept 1", "\n", "kept 2", "\n"}))
      << "lines the file did not take go to the debugger output";

  // Fully buffered: the failure shows when the buffer is written or at the
  // close, and is reported once for this file too.
  reports.clear();
  setTraceFile(std::fopen("/dev/full", "w"), "/dev/full");
  const std::string text(150, 'b');
  for (int i = 0; i < 100; ++i) dbgPrint("%s", text.c_str());
  closeTraceFile();
  EXPECT_EQ(reports, (std::vector<std::string>{full}));

  // Without a name the report still says why; then a good file works on.
  reports.clear();
  setTraceFile(std::fopen("/dev/full", "w"));
  closeTraceFile();
  dbgPrint("nothing open");
  openFile();
  dbgPrint("after the failures");
  EXPECT_EQ(fileLines(), (std::vector<std::string>{"after the failures"}));
  EXPECT_TRUE(reports.empty()) << "an unwritten, empty buffer closes cleanly";
  setMessageBoxHandler(nullptr);
}

std::string boxText;
unsigned boxStyle = 0;
std::string boxCaption;

TEST(MsgBoxPrintf, FormatsAndCutsOnlyWithAPercent) {
  setMessageBoxHandler([](void*, unsigned style, const char* text, const char* caption) {
    boxText = text;
    boxStyle = style;
    boxCaption = caption;
    return 7;
  });
  EXPECT_EQ(msgBoxPrintf(nullptr, MB_ICON_ERROR, "%s is missing", "kelvane.html"), 7);
  EXPECT_EQ(boxText, "kelvane.html is missing");
  EXPECT_EQ(boxStyle, MB_ICON_ERROR);
  EXPECT_EQ(boxCaption, "Kelvane");

  const std::string longPlain(400, 'p');
  msgBoxPrintf(nullptr, 0, longPlain.c_str());
  EXPECT_EQ(boxText, longPlain) << "no '%': shown unchanged, whatever its length";
  const std::string longFormat = std::string(400, 'f') + "%d";
  msgBoxPrintf(nullptr, 0, longFormat.c_str(), 1);
  EXPECT_EQ(boxText, std::string(299, 'f'));
  setMessageBoxHandler(nullptr);
}

}  // namespace
}  // namespace kelvane
