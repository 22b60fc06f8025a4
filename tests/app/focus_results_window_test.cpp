// The Focus Results window offscreen, on a table made by the program's own
// focus table: sorting and filtering, the plot and the table selecting each
// other, stepping into a row's lens, and the ways the window is opened (the
// start-up argument, the menu, the main window's offer) or refused.
#include "app/results/focus_results_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScatterSeries>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "app/results/focus_results_model.h"
#include "app/results/focus_results_plot.h"
#include "app/results/results_commands.h"
#include "app/wiring.h"
#include "calc/calc_state.h"
#include "calc/focus_table.h"
#include "lensui/lens_control.h"
#include "lensui/lens_session.h"
#include "lensui/lens_undo.h"
#include "lensui/lens_wnd.h"
#include "optics/focus.h"
#include "optics/fpflags.h"
#include "trace/dbgprint.h"
#include "trace/filerequest.h"
#include "winui/place_window.h"
#include "winui/remembered_place.h"

namespace fs = std::filesystem;
using namespace kelvane;

namespace {

// A slice of the program's focus table, as its trace file would hold it.
const std::string& sweepText() {
  static const std::string text = [] {
    std::string out;
    std::mutex m;
    FocusTableOptions options;
    options.grid.depth = {30, 30, 1};
    options.grid.ivx = {203, 206, 1};
    options.writer = [&](const char* line) {
      std::lock_guard lock(m);
      out += line;
      out += '\n';
    };
    EXPECT_EQ(startBackgroundCalc([options] { runFocusTableWith(options); }), 0);
    joinBackgroundCalc();
    return out;
  }();
  return text;
}

class FocusResultsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("kelvane_results_ui_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    setMessageBoxHandler([this](void*, unsigned, const char* text, const char*) {
      messages.push_back(text);
      return static_cast<int>(MB_IDOK);
    });
  }
  void TearDown() override {
    for (QWidget* w : QApplication::topLevelWidgets()) delete qobject_cast<FocusResultsWindow*>(w);
    LensSession& s = lensSession();
    delete s.view.data();
    s.model.reset();
    setMessageBoxHandler(nullptr);
    fs::remove_all(dir);
  }
  std::string write(const std::string& name, const std::string& text) {
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  static std::vector<FocusResultsWindow*> openWindows() {
    std::vector<FocusResultsWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* r = qobject_cast<FocusResultsWindow*>(w); r && r->isVisible()) found.push_back(r);
    return found;
  }

  fs::path dir;
  std::vector<std::string> messages;
};

double shownValue(const FocusResultsWindow& w, int shownRow, int column) {
  return w.proxy()->index(shownRow, column).data(FocusResultsModel::ValueRole).toDouble();
}

TEST_F(FocusResultsWindowTest, SortsByAnyColumnAndFiltersWithTheCountAndPlotFollowing) {
  const std::string path = write("t30.csv", sweepText());
  FocusResultsWindow* w = openFocusResultsWindow(nullptr, path, {});
  ASSERT_TRUE(w);
  const int total = static_cast<int>(w->results().rows.size());
  ASSERT_GT(total, 20);
  EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Focus Results \u2014 t30.csv"));
  EXPECT_EQ(w->proxy()->rowCount(), total);
  EXPECT_EQ(w->countLabel()->text(), QString("%1 of %1 rows shown").arg(total));
  EXPECT_EQ(static_cast<int>(w->plot()->plottedRows().size()), total);
  // Unsorted, the rows stand in the file's order.
  EXPECT_EQ(w->proxy()->sourceRow(total - 1), total - 1);

  for (int column : {COL_DEVPCNT, COL_FOCUS, COL_EVY}) {
    w->table()->horizontalHeader()->setSortIndicator(column, Qt::AscendingOrder);
    for (int i = 1; i < total; ++i)
      ASSERT_LE(shownValue(*w, i - 1, column), shownValue(*w, i, column)) << column << " " << i;
    w->table()->horizontalHeader()->setSortIndicator(column, Qt::DescendingOrder);
    for (int i = 1; i < total; ++i)
      ASSERT_GE(shownValue(*w, i - 1, column), shownValue(*w, i, column)) << column << " " << i;
  }
  EXPECT_EQ(w->table()->model()->index(0, COL_DEV).data().toString().count('.'), 1);

  // A range over the middle of the foci, typed into the filter line.
  std::vector<double> foci;
  for (const FocusResultRow& r : w->results().rows) foci.push_back(r.focus);
  std::sort(foci.begin(), foci.end());
  const double low = foci[foci.size() / 4], high = foci[foci.size() * 3 / 4];
  const int inRange = static_cast<int>(
      std::count_if(foci.begin(), foci.end(), [&](double f) { return f >= low && f <= high; }));
  ASSERT_LT(inRange, total);
  w->filterEdit()->setFocus();
  QTest::keyClicks(w->filterEdit(), QString("focus %1-%2").arg(low).arg(high));
  QTest::keyClick(w->filterEdit(), Qt::Key_Return);
  EXPECT_EQ(w->proxy()->rowCount(), inRange);
  EXPECT_EQ(w->countLabel()->text(), QString("%1 of %2 rows shown").arg(inRange).arg(total));
  EXPECT_EQ(static_cast<int>(w->plot()->plottedRows().size()), inRange);
  for (int i = 0; i < inRange; ++i) {
    const double f = shownValue(*w, i, COL_FOCUS);
    ASSERT_TRUE(f >= low && f <= high) << f;
  }
  // Still sorted under the filter.
  for (int i = 1; i < inRange; ++i)
    ASSERT_GE(shownValue(*w, i - 1, COL_EVY), shownValue(*w, i, COL_EVY));

  // Typing alone filters after a pause; a line that cannot be read keeps
  // the rows and says why.
  w->filterEdit()->clear();
  QTest::keyClicks(w->filterEdit(), "depth 30");
  EXPECT_TRUE(QTest::qWaitFor([&] { return w->proxy()->rowCount() == total; }, 5000));
  EXPECT_FALSE(w->applyFilterText("depth 31 and fokus 2"));
  EXPECT_EQ(w->proxy()->rowCount(), total);
  EXPECT_TRUE(w->countLabel()->text().startsWith("unknown column \"fokus\""));
  EXPECT_TRUE(w->applyFilterText("depth 31"));
  EXPECT_EQ(w->proxy()->rowCount(), 0);
  EXPECT_EQ(w->countLabel()->text(), QString("0 of %1 rows shown").arg(total));
}

TEST_F(FocusResultsWindowTest, ThePlotAndTheTableSelectEachOther) {
  FocusResultsWindow* w = openFocusResultsWindow(nullptr, write("t.csv", sweepText()), {});
  ASSERT_TRUE(w);
  FocusResultsPlot* plot = w->plot();
  EXPECT_EQ(plot->xColumn(), COL_FOCUS);
  EXPECT_EQ(plot->yColumn(), COL_DEV);
  w->table()->sortByColumn(COL_WIDTH, Qt::DescendingOrder);

  // A row selected in the table is marked in the plot.
  QTest::mouseClick(w->table()->viewport(), Qt::LeftButton, {},
                    w->table()->visualRect(w->proxy()->index(2, 0)).center());
  const int row = w->proxy()->sourceRow(2);
  EXPECT_EQ(w->selectedSourceRow(), row);
  EXPECT_EQ(plot->selectedRow(), row);
  // A sort keeps the selection on its row.
  w->table()->sortByColumn(COL_DEVPCNT, Qt::AscendingOrder);
  EXPECT_EQ(w->selectedSourceRow(), row);
  EXPECT_EQ(w->table()->selectionModel()->selectedRows().size(), 1);

  // A click on a point selects the row behind it.
  plot->setAxes(COL_EVY, COL_IVY);
  const int last = static_cast<int>(w->results().rows.size()) - 1;
  const FocusResultRow& r = w->results().rows[last];
  emit plot->pointSeries()->clicked(QPointF(r.evy, r.ivy));
  const int picked = w->selectedSourceRow();
  ASSERT_GE(picked, 0);
  EXPECT_EQ(w->results().rows[picked].evy, r.evy);
  EXPECT_EQ(w->results().rows[picked].ivy, r.ivy);
  EXPECT_EQ(plot->selectedRow(), picked);
  // A row filtered out is no longer selected, nor marked.
  EXPECT_TRUE(w->applyFilterText(QString("evy < %1").arg(r.evy)));
  EXPECT_EQ(w->selectedSourceRow(), -1);
  EXPECT_EQ(plot->selectedRow(), -1);
  EXPECT_EQ(w->table()->selectionModel()->selectedRows().size(), 0);
}

TEST_F(FocusResultsWindowTest, SteppingIntoARowIsOneUndoStepUndoneAndRedone) {
  QWidget owner;
  FocusResultsWindow* w =
      openFocusResultsWindow(&owner, write("t.csv", sweepText()), programResultsHooks(&owner));
  ASSERT_TRUE(w);
  openLensView(&owner, kSingleBeamMode);
  // In white light through a glass: the row, traced at one index, brings
  // the Custom glass in air back; undo brings the glass and light back.
  LensState coloured = currentLensState();
  coloured.colour.glass = "N-BK7";
  coloured.colour.white = true;
  lensUndo().applyAsStep(coloured, "colour");
  lensUndo().clear();
  const LensState before = currentLensState();
  const TraceResults tracedBefore = lensSession().model.results();
  w->activateShownRow(0);
  const LensState stepped = currentLensState();
  ASSERT_FALSE(stepped == before);
  EXPECT_TRUE(stepped.colour.isDefault());
  QUndoStack& stack = lensUndo().stack();
  EXPECT_EQ(stack.count(), 1);
  stack.undo();
  EXPECT_TRUE(currentLensState() == before);
  EXPECT_EQ(lensSession().model.results().focus, tracedBefore.focus) << "retraced as it was";
  stack.redo();
  EXPECT_TRUE(currentLensState() == stepped);
  lensUndo().clear();
}

TEST_F(FocusResultsWindowTest, OpensWhereTheLastOneWasLeft) {
  forgetRememberedPlaces();
  const std::string table = write("t.csv", sweepText());
  FocusResultsWindow* w = openFocusResultsWindow(nullptr, table, {});
  ASSERT_TRUE(w);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  const QRect left(70, 50, 900, 500);
  setFrameRect(w, left);
  w->close();  // deleted on close
  w = openFocusResultsWindow(nullptr, table, {});
  ASSERT_TRUE(w);
  EXPECT_EQ(w->frameGeometry(), left);
  forgetRememberedPlaces();
}

TEST_F(FocusResultsWindowTest, ActivatingARowStepsIntoItsLensAndTheRetraceMatchesIt) {
  QWidget owner;
  const FocusResultsHooks hooks = programResultsHooks(&owner);
  FocusResultsWindow* w = openFocusResultsWindow(&owner, write("t.csv", sweepText()), hooks);
  ASSERT_TRUE(w);
  // The user had locked the width and left multi-beam mode on.
  LensSession& s = lensSession();
  s.model.setIndexRatio(kInitialIndexRatio);
  openLensView(&owner, kMultiBeamMode);
  setLockWidth(40);

  bool matched = false;
  QObject::connect(w, &FocusResultsWindow::lensStepped,
                   [&](const QString&, bool matches) { matched = matches; });
  w->table()->sortByColumn(COL_DEVPCNT, Qt::AscendingOrder);
  for (int shown : {0, w->proxy()->rowCount() / 2}) {
    const FocusResultRow row = w->results().rows[w->proxy()->sourceRow(shown)];
    w->table()->setFocus();
    w->table()->setCurrentIndex(w->proxy()->index(shown, 0));
    QTest::keyClick(w->table(), Qt::Key_Return);
    EXPECT_EQ(s.model.lens().ivx, row.ivx);
    EXPECT_EQ(s.model.lens().ivy, row.ivy);
    EXPECT_EQ(s.model.lens().evx, row.evx);
    EXPECT_EQ(s.model.lens().evy, row.evy);
    EXPECT_EQ(s.model.lens().depth, row.depth);
    EXPECT_EQ(s.model.lens().shape, 0);
    ASSERT_TRUE(s.view);
    ASSERT_TRUE(s.control);
    EXPECT_EQ(s.model.beamMode(), kSingleBeamMode);
    EXPECT_FALSE(s.model.settings().locked());
    EXPECT_NEAR(s.model.results().focus, row.focus, 0.5);
    EXPECT_NEAR(s.model.results().dev, row.dev, 0.0005);
    EXPECT_TRUE(matched) << w->statusBar()->currentMessage().toStdString();
    EXPECT_EQ(s.control->controlAs<QLineEdit>(IDC_FOCUS)->text(), QString::number(row.focus));
    EXPECT_TRUE(w->statusBar()->currentMessage().endsWith("as in the row"));
  }
  // Enter, and a double-click, bring the lens view to the front with the keys.
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == s.view; }, 5000));
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == w; }, 5000));
  w->table()->scrollToTop();
  // A double-click is a click and then a second press.
  const QPoint rowOne = w->table()->visualRect(w->proxy()->index(1, 0)).center();
  QTest::mouseClick(w->table()->viewport(), Qt::LeftButton, {}, rowOne);
  QTest::mouseDClick(w->table()->viewport(), Qt::LeftButton, {}, rowOne);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == s.view; }, 5000));

  // Another sweep's comment line: its shape and index, whatever is in force.
  const Lens lens{300, 200, 220, 260, 60, 1};
  const double ratio = ratioFromRindex(1.7);
  TracerContext ctx;
  ctx.indexRatio = ratio;
  fpClearFlags();
  ASSERT_GT(findFocus(ctx, lens, kBackgroundSettings), 0);
  const TraceResults& t = ctx.results;
  char line[200];
  std::snprintf(line, sizeof line, kFocusTableRowFormat, t.focus, t.width, lens.ivx, lens.ivy,
                lens.evx, lens.evy, lens.depth, t.dev, t.devpcnt);
  FocusResultsWindow* other = openFocusResultsWindow(
      &owner,
      write("cvcc.csv", std::string("# kelvane table shape=CVCC rindex=1.7\n") + kFocusTableHeader +
                            "\n" + line + "\n"),
      hooks);
  ASSERT_TRUE(other);
  QObject::connect(other, &FocusResultsWindow::lensStepped,
                   [&](const QString&, bool matches) { matched = matches; });
  matched = false;
  other->activateShownRow(0);
  EXPECT_EQ(s.model.lens().shape, 1);
  EXPECT_EQ(s.model.indexRatio(), ratio);
  EXPECT_TRUE(matched) << other->statusBar()->currentMessage().toStdString();
}

TEST_F(FocusResultsWindowTest, OpenedByArgumentMenuAndOfferAndRefusedWithTheLine) {
  MainWindow main;
  wireSubsystems(main);
  ASSERT_TRUE(main.action(CMD_FOCUS_RESULTS)->isEnabled());
  const std::string good = write("t30.csv", sweepText());

  // A ".csv" start-up argument opens the window instead of a script.
  main.runStartupArgument(good);
  ASSERT_TRUE(QTest::qWaitFor([&] { return openWindows().size() == 1; }, 5000));
  EXPECT_EQ(openWindows()[0]->path(), QString::fromStdString(good));

  // A malformed table opens nothing and names the line.
  std::string bad = sweepText();
  bad.insert(bad.find('\n', bad.find('\n') + 1) + 1, "250,63,203,180,x,251,30,0.012,0.00\n");
  main.runStartupArgument(write("bad.csv", bad));
  ASSERT_TRUE(QTest::qWaitFor([&] { return messages.size() == 1; }, 5000));
  EXPECT_EQ(openWindows().size(), 1u);
  EXPECT_NE(messages[0].find("line 3: evx (field 5) is not a number: \"x\""), std::string::npos)
      << messages[0];

  // The menu item asks for a file.
  FileChooser old = setFileChooser([&](const FileDialogOptions& options) {
    EXPECT_EQ(options.title, "Open Focus Results");
    return std::optional<std::string>(good);
  });
  main.command(CMD_FOCUS_RESULTS);
  setFileChooser(old);
  EXPECT_EQ(openWindows().size(), 2u);

  // When the program's own table ends (here killed at once) after writing
  // into the trace file, the status line offers that file; earlier trace
  // output in front of the table is passed over.
  const std::string trace = write("debug.trc", "Trace message 0 by dbgPrint\n");
  traceFileRequest().name = trace;
  setTraceFile(std::fopen(trace.c_str(), "a"));
  ASSERT_TRUE(main.command(CMD_FOCUS_TABLE));
  killBackgroundCalc();
  joinBackgroundCalc();
  EXPECT_FALSE(traceFileOpen());
  QLabel* offer = nullptr;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return (offer = main.statusBar()->findChild<QLabel*>("focusResultsOffer")); }, 5000));
  EXPECT_TRUE(offer->text().contains(kOpenResultsLink));
  EXPECT_TRUE(offer->text().contains("debug.trc"));
  emit offer->linkActivated("open");
  ASSERT_EQ(openWindows().size(), 3u);
  EXPECT_EQ(messages.size(), 1u);
  FocusResultsWindow* fromTrace = nullptr;
  for (FocusResultsWindow* w : openWindows())
    if (w->path().endsWith("debug.trc")) fromTrace = w;
  ASSERT_TRUE(fromTrace);
  EXPECT_EQ(fromTrace->results().otherLines, 1);
  EXPECT_EQ(fromTrace->results().headerLine, 2);
}

}  // namespace
