// The Listbox Trace: the first rectangle and the remembered one, the close
// box closing the sink, Clear and ScrollOff/ScrollOn, page mode, and lines
// from worker threads arriving in order.
#include "traceui/listbox_trace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <string>
#include <thread>
#include <vector>

#include "tests/qt_test_app.h"
#include "trace/dbgprint.h"
#include "traceui/list_box_sink.h"
#include "traceui/trace_windows.h"
#include "winui/place_window.h"
#include "winui/remembered_place.h"

namespace kelvane {
namespace {

std::vector<std::string> g_debugger;
void captureDebugger(const char* text) { g_debugger.emplace_back(text); }

class ListboxTrace : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ensureApplication();
    dbgListScroll.store(true);
    dbgListCount.store(0);
    g_debugger.clear();
    setDebuggerWriter(captureDebugger);
  }
  void TearDown() override {
    if (listboxTraceOpen()) toggleListboxTrace(nullptr);
    setDebuggerWriter(nullptr);
    dbgListScroll.store(true);
    FreeWindow& record = listboxTraceRecord();
    record.left = 4;
    record.top = 2;
    record.right = record.bottom = 0;
    forgetRememberedPlaces();
  }
  // Waits until every queued line has reached the list box.
  static int settledCount(TraceListBox* list) {
    QCoreApplication::processEvents();
    list->flushPending();
    return list->count();
  }
};

TEST(FreeWindowRect, FirstRectangleFromTheDivisors) {
  FreeWindow record{nullptr, 4, 2, 0, 0, nullptr};
  const QRect area(0, 0, 1600, 860);
  const QRect start = freeWindowStartRect(record, area);
  EXPECT_EQ(start, QRect(0, 0, 400, 430));
  // Placed into the bottom-right corner of the work area.
  EXPECT_EQ(placedPosition(start.size(), area, 3, 0, 0), QPoint(1200, 430));

  record.left = 0;  // read as 4
  record.top = 9;   // 9 or more: the full height
  EXPECT_EQ(freeWindowStartRect(record, QRect(100, 50, 1000, 700)), QRect(100, 50, 250, 700));
  record.left = -3;
  record.top = 3;
  EXPECT_EQ(freeWindowStartRect(record, QRect(0, 0, 1000, 700)), QRect(0, 0, 250, 233));

  // A remembered rectangle is used unchanged.
  FreeWindow remembered{nullptr, 10, 20, 310, 420, nullptr};
  EXPECT_EQ(freeWindowStartRect(remembered, area), QRect(10, 20, 300, 400));
}

TEST_F(ListboxTrace, OpensInTheCornerAndReopensWhereItWasLeft) {
  toggleListboxTrace(nullptr);
  ASSERT_TRUE(listboxTraceOpen());
  FreeWnd* frame = listboxTraceRecord().frame;
  EXPECT_EQ(frame->windowTitle(), "Listbox Trace");
  const QRect area = workArea();
  const QRect expected(area.x() + area.width() - area.width() / 4,
                       area.y() + area.height() - area.height() / 2, area.width() / 4,
                       area.height() / 2);
  EXPECT_EQ(frame->frameGeometry(), expected);

  const QRect moved(37, 41, 333, 222);
  setFrameRect(frame, moved);
  toggleListboxTrace(nullptr);
  EXPECT_FALSE(listboxTraceOpen());
  toggleListboxTrace(nullptr);
  ASSERT_TRUE(listboxTraceOpen());
  EXPECT_EQ(listboxTraceRecord().frame->frameGeometry(), moved);  // no corner placement
}

TEST_F(ListboxTrace, ANewRunOpensWhereTheLastRunLeftIt) {
  FreeWindow& record = listboxTraceRecord();
  const FreeWindow firstRun = record;
  toggleListboxTrace(nullptr);
  ASSERT_TRUE(listboxTraceOpen());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(record.frame));  // where the user can move it
  const QRect corner = record.frame->frameGeometry();
  const QRect moved(37, 41, 333, 222);
  setFrameRect(record.frame, moved);
  toggleListboxTrace(nullptr);
  record = firstRun;  // a new run keeps nothing in memory
  toggleListboxTrace(nullptr);
  ASSERT_TRUE(listboxTraceOpen());
  EXPECT_EQ(record.frame->frameGeometry(), moved);

  // Off every screen now: the corner again.
  toggleListboxTrace(nullptr);
  record = firstRun;
  keepPlace(kPlaceListboxTrace, moved.translated(-5000, 0));
  toggleListboxTrace(nullptr);
  ASSERT_TRUE(listboxTraceOpen());
  EXPECT_EQ(record.frame->frameGeometry(), corner);
}

TEST_F(ListboxTrace, CloseBoxClosesTheSink) {
  int notified = 0;
  setTraceWindowsListener([&notified] { ++notified; });
  toggleListboxTrace(nullptr);
  dbgPrint("before %d", 1);
  EXPECT_TRUE(g_debugger.empty());
  EXPECT_EQ(settledCount(listboxTrace()), 1);

  listboxTraceRecord().frame->close();
  EXPECT_FALSE(listboxTraceOpen());
  dbgPrint("after %d", 2);
  EXPECT_EQ(g_debugger, (std::vector<std::string>{"after 2", "\n"}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return notified >= 2; }, 2000));  // opened, then closed
  setTraceWindowsListener(nullptr);
}

TEST_F(ListboxTrace, ClearAndScrollCommands) {
  toggleListboxTrace(nullptr);
  FreeWindow& record = listboxTraceRecord();
  QAction* scroll = record.frame->menuAction(LISTBOX_CMD_SCROLL);
  ASSERT_NE(scroll, nullptr);
  EXPECT_EQ(record.frame->menuAction(LISTBOX_CMD_CLEAR)->text(), "&Clear");
  EXPECT_EQ(scroll->text(), "&ScrollOff");

  for (int i = 0; i < 5; ++i) dbgPrint("line %d", i);
  EXPECT_EQ(settledCount(record.child), 5);
  EXPECT_EQ(record.child->currentRow(), 4);  // the newest is selected
  record.frame->menuAction(LISTBOX_CMD_CLEAR)->trigger();
  EXPECT_EQ(settledCount(record.child), 0);
  EXPECT_EQ(dbgListCount.load(), 5);  // Clear leaves the count alone

  scroll->trigger();
  EXPECT_FALSE(dbgListScroll.load());
  EXPECT_EQ(scroll->text(), "&ScrollOn");
  EXPECT_EQ(record.frame->command(LISTBOX_CMD_SCROLL), 0);
  EXPECT_TRUE(dbgListScroll.load());
  EXPECT_EQ(scroll->text(), "&ScrollOff");
  EXPECT_EQ(record.frame->command(999), 1);

  // Page mode survives a reopening; the fresh menu reads "&ScrollOff" again.
  scroll->trigger();
  toggleListboxTrace(nullptr);
  toggleListboxTrace(nullptr);
  EXPECT_FALSE(dbgListScroll.load());
  EXPECT_EQ(listboxTraceRecord().frame->menuAction(LISTBOX_CMD_SCROLL)->text(), "&ScrollOff");
}

TEST_F(ListboxTrace, PageModeEmptiesTheListAfterAFullPage) {
  toggleListboxTrace(nullptr);
  TraceListBox* list = listboxTrace();
  dbgPrint("probe");  // gives the list an item to measure
  settledCount(list);
  const int rows = list->visibleRows();
  ASSERT_GE(rows, 2);

  dbgListScroll.store(false);
  dbgListCount.store(0);
  list->clearNow();
  for (int i = 0; i < rows; ++i) dbgPrint("page line %d", i);
  EXPECT_EQ(settledCount(list), rows);
  dbgPrint("next page");
  EXPECT_EQ(settledCount(list), 1);
  EXPECT_EQ(list->item(0)->text(), "next page");

  // After Clear, the page ends when the count (not the list) is full.
  for (int i = 0; i < 2; ++i) dbgPrint("more %d", i);
  listboxTraceRecord().frame->command(LISTBOX_CMD_CLEAR);
  for (int i = 0; i < rows - 3; ++i) dbgPrint("rest %d", i);
  EXPECT_EQ(settledCount(list), rows - 3);
  dbgPrint("new page");
  EXPECT_EQ(settledCount(list), 1);
}

TEST_F(ListboxTrace, LinesFromWorkersArriveInOrderWithoutBlocking) {
  toggleListboxTrace(nullptr);
  TraceListBox* list = listboxTrace();
  constexpr int kThreads = 4;
  constexpr int kLines = 2000;
  std::vector<std::thread> workers;
  for (int t = 0; t < kThreads; ++t) {
    workers.emplace_back([t] {
      for (int i = 0; i < kLines; ++i) dbgPrint("worker %d line %d", t, i);
    });
  }
  // The workers finish without the user-interface thread running events.
  for (auto& w : workers) w.join();
  EXPECT_TRUE(QTest::qWaitFor([&] { return list->count() == kThreads * kLines; }, 5000));
  int last[kThreads] = {-1, -1, -1, -1};
  for (int row = 0; row < list->count(); ++row) {
    int t, i;
    ASSERT_EQ(
        std::sscanf(list->item(row)->text().toUtf8().constData(), "worker %d line %d", &t, &i), 2);
    ASSERT_EQ(i, last[t] + 1);
    last[t] = i;
  }
}

}  // namespace
}  // namespace kelvane
