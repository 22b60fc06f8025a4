// The PsView Trace window: opening, placement and the remembered rectangle,
// the close box closing the sink, painting rows, scrolling, Save, Inspect
// with its one-at-a-time rule, Test message and the configuration dialog.
#include "traceui/psv_wnd.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/qt_test_app.h"
#include "trace/dbgprint.h"
#include "traceui/free_window.h"
#include "traceui/list_box_sink.h"
#include "traceui/psv_config.h"
#include "traceui/trace_windows.h"
#include "winui/place_window.h"
#include "winui/remembered_place.h"

namespace kelvane {
namespace {

struct Box {
  unsigned style;
  std::string text;
  std::string caption;
};

class PsViewWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ensureApplication();
    boxes.clear();
    setMessageBoxHandler([this](void*, unsigned style, const char* text, const char* caption) {
      boxes.push_back({style, text, caption});
      if (onBox) onBox();
      return 1;
    });
  }
  void TearDown() override {
    if (psViewOpen()) togglePsView(nullptr);
    psViewPlace().rect = QRect();
    forgetRememberedPlaces();
    setMessageBoxHandler(nullptr);
    setFileChooser(nullptr);
  }
  PsvWnd* open() {
    togglePsView(nullptr);
    PsvWnd* w = psViewWindow();
    EXPECT_NE(w, nullptr);
    QTest::qWaitForWindowExposed(w);
    return w;
  }
  // Client y in the middle of text row `row`.
  static int rowY(PsvWnd* w, int row) {
    return row * w->view().lineHeight() + w->view().lineHeight() / 2;
  }

  std::vector<Box> boxes;
  std::function<void()> onBox;
};

TEST_F(PsViewWindow, OpensInTheBottomRightCornerAndReopensWhereItWasLeft) {
  EXPECT_EQ(psViewStartRect(QRect(0, 0, 1600, 860)), QRect(1200, 860 - 645, 400, 645));
  PsvWnd* w = open();
  EXPECT_EQ(w->windowTitle(), "PsView Trace");
  EXPECT_EQ(w->frameGeometry(), psViewStartRect(workArea()));
  EXPECT_EQ(w->view().lines(), std::vector<std::string>{"Top of Buffer"});

  const QRect moved(20, 30, 300, 200);
  setFrameRect(w, moved);
  togglePsView(nullptr);
  EXPECT_FALSE(psViewOpen());
  w = open();
  EXPECT_EQ(w->frameGeometry(), moved);
}

TEST_F(PsViewWindow, ANewRunOpensWhereTheLastRunLeftIt) {
  PsvWnd* w = open();
  const QRect moved(20, 30, 300, 200);
  setFrameRect(w, moved);
  togglePsView(nullptr);
  psViewPlace().rect = QRect();  // a new run keeps nothing in memory
  w = open();
  EXPECT_EQ(w->frameGeometry(), moved);

  // Off every screen now: the corner again.
  togglePsView(nullptr);
  psViewPlace().rect = QRect();
  keepPlace(kPlacePsViewTrace, moved.translated(0, 5000));
  w = open();
  EXPECT_EQ(w->frameGeometry(), psViewStartRect(workArea()));
}

TEST_F(PsViewWindow, CloseBoxClosesTheSink) {
  static std::vector<std::string> debugger;
  debugger.clear();
  setDebuggerWriter([](const char* text) { debugger.emplace_back(text); });
  PsvWnd* w = open();
  dbgPrint("to the ring %d", 1);
  EXPECT_EQ(w->view().lines().back(), "to the ring 1");
  EXPECT_TRUE(debugger.empty());
  w->close();
  EXPECT_FALSE(psViewOpen());
  dbgPrint("to the debugger");
  EXPECT_EQ(debugger, (std::vector<std::string>{"to the debugger", "\n"}));
  setDebuggerWriter(nullptr);
}

TEST_F(PsViewWindow, RightClickAndF1ShowThePopup) {
  PsvWnd* w = open();
  const QPoint at(30, rowY(w, 1));
  QTest::mouseClick(w->client(), Qt::RightButton, Qt::NoModifier, at);
  EXPECT_EQ(w->inspectY(), at.y());
  EXPECT_TRUE(w->popupMenu()->isVisible());
  w->popupMenu()->hide();
  QTest::keyClick(w->area(), Qt::Key_F1);
  EXPECT_TRUE(w->popupMenu()->isVisible());
  w->popupMenu()->hide();
  EXPECT_EQ(w->inspectY(), at.y());  // F1 leaves the Inspect position alone
}

TEST_F(PsViewWindow, BothTraceWindowsReceiveEveryLine) {
  static std::vector<std::string> debugger;
  debugger.clear();
  setDebuggerWriter([](const char* text) { debugger.emplace_back(text); });
  PsvWnd* w = open();
  toggleListboxTrace(nullptr);
  for (int n = 0; n < 10; ++n) dbgPrint("Trace message %d %s", n, "by dbgPrint");
  const auto lines = w->view().lines();
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines.back(), "Trace message 9 by dbgPrint");
  EXPECT_TRUE(QTest::qWaitFor([] { return listboxTrace()->count() == 10; }, 2000));
  EXPECT_EQ(listboxTrace()->item(9)->text(), "Trace message 9 by dbgPrint");
  EXPECT_TRUE(debugger.empty());
  toggleListboxTrace(nullptr);
  setDebuggerWriter(nullptr);
}

TEST_F(PsViewWindow, MenusHoldTheirItems) {
  PsvWnd* w = open();
  QStringList bar;
  for (QAction* a : w->menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, (QStringList{"&Clear", "&Save", "con&Figure"}));
  QStringList popup;
  for (QAction* a : w->popupMenu()->actions()) popup << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(popup, (QStringList{"&Inspect", "&Clear", "&Save", "-", "&Test message"}));
}

TEST_F(PsViewWindow, PaintsTopOfBufferInTheSecondRow) {
  PsvWnd* w = open();
  const QImage image = w->client()->grab().toImage();
  const int lh = w->view().lineHeight();
  auto darkInRow = [&](int row) {
    for (int y = row * lh; y < (row + 1) * lh && y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
  };
  EXPECT_FALSE(darkInRow(0));
  EXPECT_TRUE(darkInRow(1));
  EXPECT_FALSE(darkInRow(2));
  // The text starts one column in.
  for (int y = lh; y < 2 * lh; ++y)
    for (int x = 0; x < w->view().charWidth(); ++x) ASSERT_GT(qGray(image.pixel(x, y)), 128);
}

TEST_F(PsViewWindow, ScrollBarFollowsTheRingAndHoldsAScrolledBackView) {
  PsvWnd* w = open();
  for (int i = 0; i < 300; ++i) dbgPrint("line %d", i);
  QScrollBar* bar = w->area()->verticalScrollBar();
  EXPECT_EQ(bar->maximum(), w->view().vmax());
  EXPECT_EQ(bar->value(), w->view().vmax());

  for (int i = 0; i < 20; ++i) bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(w->view().vmax() - w->view().vpos(), 20);
  EXPECT_EQ(bar->value(), w->view().vpos());
  const std::string top = *w->view().lineAtY(rowY(w, 1));

  // Lines from a worker: the view stays 20 lines back, the bar follows.
  std::thread worker([] {
    for (int i = 0; i < 100; ++i) dbgPrint("worker %d", i);
  });
  worker.join();
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return bar->maximum() == w->view().vmax() && bar->value() == w->view().vpos(); },
      2000));
  EXPECT_EQ(w->view().vmax() - w->view().vpos(), 20);
  EXPECT_NE(*w->view().lineAtY(rowY(w, 1)), top);  // the text moved up with the new lines

  bar->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(w->view().vpos(), 0);
  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(w->view().vpos(), w->view().vmax());
}

TEST_F(PsViewWindow, HorizontalRangeGrowsWithALongerLine) {
  PsvWnd* w = open();
  QScrollBar* bar = w->area()->horizontalScrollBar();
  const int columns = w->client()->width() / w->view().charWidth();
  ASSERT_LT(columns, 78);  // the window is narrower than an 80-character line
  EXPECT_EQ(bar->maximum(), 0);

  // No resize: the range follows the new longest line, here or from a worker.
  dbgPrint("%s", std::string(60, 'x').c_str());
  EXPECT_TRUE(QTest::qWaitFor([&] { return bar->maximum() == std::max(0, 62 - columns); }, 2000))
      << bar->maximum();
  std::thread worker([] { dbgPrint("%s", std::string(80, 'y').c_str()); });
  worker.join();
  EXPECT_TRUE(QTest::qWaitFor([&] { return bar->maximum() == 82 - columns; }, 2000))
      << bar->maximum();
  EXPECT_EQ(w->view().scrollState().hmax, 82 - columns);

  // Scrolling right reaches the end of the longest line.
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(w->view().scrollState().hpos, std::min(8, 82 - columns));
}

TEST_F(PsViewWindow, SaveWritesTheRingOldestFirst) {
  PsvWnd* w = open();
  for (int i = 0; i < 150; ++i)
    dbgPrint("saved line %03d with some text to fill the ring %s", i, "abcdefghij");
  QTemporaryDir dir;
  const std::string path = dir.filePath("out.txt").toStdString();
  FileDialogOptions seen;
  setFileChooser([&](const FileDialogOptions& o) -> std::optional<std::string> {
    seen = o;
    return path;
  });
  w->menuAction(PSV_CMD_SAVE)->trigger();
  EXPECT_EQ(seen.title, "Save in File");
  EXPECT_EQ(seen.initialName, "PsvTrace");
  EXPECT_TRUE(seen.confirmOverwrite);
  EXPECT_EQ(seen.kind, FileDialogKind::Save);

  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  std::string expected;
  const auto lines = w->view().lines();
  ASSERT_LT(lines.size(), 151u);  // the oldest have dropped
  for (const auto& l : lines) expected += l + "\n";
  EXPECT_EQ(text.str(), expected);

  // A cancelled dialog writes nothing.
  setFileChooser([](const FileDialogOptions&) { return std::optional<std::string>{}; });
  w->command(PSV_CMD_SAVE);
}

TEST_F(PsViewWindow, InspectShowsTheLineUnderTheClickAsItIs) {
  PsvWnd* w = open();
  w->rightClick(QPoint(5, rowY(w, 1)));
  w->popupMenu()->hide();
  w->menuAction(PSV_CMD_INSPECT)->trigger();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Top of Buffer");
  EXPECT_EQ(boxes[0].caption, "Kelvane");
  EXPECT_EQ(boxes[0].style, MB_OK_PLAIN);

  w->rightClick(QPoint(5, rowY(w, 0)));  // the empty top row
  w->popupMenu()->hide();
  w->command(PSV_CMD_INSPECT);
  w->rightClick(QPoint(5, rowY(w, 2)));  // below the last line
  w->popupMenu()->hide();
  w->command(PSV_CMD_INSPECT);
  EXPECT_EQ(boxes.size(), 1u);

  dbgPrint("%s", "deviation 12.5% %d %s");
  w->command(PSV_CMD_INSPECT);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, "deviation 12.5% %d %s");
}

TEST_F(PsViewWindow, OnlyOneInspectAtATime) {
  PsvWnd* w = open();
  w->rightClick(QPoint(5, rowY(w, 1)));
  w->popupMenu()->hide();
  bool reentered = false;
  onBox = [&] {
    if (reentered) return;
    reentered = true;
    w->command(PSV_CMD_INSPECT);  // while the first box is open
  };
  w->command(PSV_CMD_INSPECT);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Top of Buffer");
  EXPECT_EQ(boxes[1].text, kAlreadyInspecting);
  EXPECT_EQ(boxes[1].style, MB_ICON_ERROR);
  onBox = nullptr;
  w->command(PSV_CMD_INSPECT);  // the flag cleared when the box closed
  EXPECT_EQ(boxes.back().text, "Top of Buffer");
}

TEST_F(PsViewWindow, ClearAndTestMessage) {
  PsvWnd* w = open();
  for (int i = 0; i < 10; ++i) dbgPrint("x %d", i);
  w->menuAction(PSV_CMD_TEST_MESSAGE)->trigger();
  EXPECT_EQ(w->view().lines().back(), "Test Message");
  w->menuAction(PSV_CMD_CLEAR)->trigger();
  EXPECT_EQ(w->view().lines(), std::vector<std::string>{"Top of Buffer"});
  EXPECT_EQ(w->command(9999), 1);
}

class PsViewConfig : public PsViewWindow {
 protected:
  // Types both values and presses Ok; returns the dialog's result (0 while open).
  int ok(PsvConfigDialog& dialog, const char* maxLine, const char* size) {
    dialog.field(PSV_CONFIG_MAX_LINE)->setText(maxLine);
    dialog.field(PSV_CONFIG_BUFFER_SIZE)->setText(size);
    dialog.setResult(0);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    return dialog.result();
  }
};

TEST_F(PsViewConfig, LimitsAndMessages) {
  PsView view;
  PsvConfigDialog dialog(view);
  EXPECT_EQ(dialog.windowTitle(), "PsView Window Configuration");
  EXPECT_EQ(dialog.field(PSV_CONFIG_MAX_LINE)->text(), "80");
  EXPECT_EQ(dialog.field(PSV_CONFIG_BUFFER_SIZE)->text(), "8000");

  EXPECT_EQ(ok(dialog, "1", "2048"), 0);
  EXPECT_EQ(ok(dialog, "255", "2048"), 0);
  EXPECT_EQ(ok(dialog, "", "2048"), 0);
  ASSERT_EQ(boxes.size(), 3u);
  for (const Box& b : boxes) EXPECT_EQ(b.text, "Invalid max line value");
  boxes.clear();
  EXPECT_EQ(ok(dialog, "60", "180"), 0);
  EXPECT_EQ(ok(dialog, "60", "65521"), 0);
  EXPECT_EQ(ok(dialog, "60", ""), 0);
  ASSERT_EQ(boxes.size(), 3u);
  for (const Box& b : boxes) EXPECT_EQ(b.text, "Invalid buffer size value");
  EXPECT_EQ(view.maxLine(), 80);  // nothing changed while refused

  EXPECT_EQ(ok(dialog, "60", "181"), 1);
  EXPECT_EQ(view.maxLine(), 60);
  EXPECT_EQ(view.bufferSize(), 181);

  PsvConfigDialog second(view);
  EXPECT_EQ(ok(second, "5", "181"), 1);  // 5 is accepted though the label says 6
  EXPECT_EQ(view.maxLine(), 5);
}

TEST_F(PsViewConfig, UnchangedValuesKeepTheLinesAndChangedOnesEmptyTheRing) {
  PsView view;
  view.append("kept", 0);
  PsvConfigDialog dialog(view);
  EXPECT_EQ(ok(dialog, "80", "8000"), 1);
  EXPECT_EQ(view.lines(), (std::vector<std::string>{"Top of Buffer", "kept"}));

  PsvConfigDialog cancelled(view);
  cancelled.field(PSV_CONFIG_MAX_LINE)->setText("10");
  QTest::mouseClick(cancelled.cancelButton(), Qt::LeftButton);
  EXPECT_EQ(cancelled.result(), 2);
  EXPECT_EQ(view.maxLine(), 80);

  PsvConfigDialog changed(view);
  EXPECT_EQ(ok(changed, "10", "8000"), 1);
  EXPECT_EQ(view.lines(), std::vector<std::string>{"Top of Buf"});  // cut to the new maximum
  view.append("a line longer than ten", 0);
  EXPECT_EQ(view.lines().back(), "a line lon");
}

}  // namespace
}  // namespace kelvane
