// The main window offscreen: the menu tree, the item-text rules, the Calc
// items following a background calculation of the test's own, the demo
// messages, the hand-off handler and the About and Help boxes.
#include "app/main_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "app/about_dialog.h"
#include "app/command_ids.h"
#include "app/desktop_viewer.h"
#include "app/handoff.h"
#include "app/help_browser.h"
#include "app/wiring.h"
#include "app/workdirs.h"
#include "calc/calc_state.h"
#include "lensui/lens_session.h"
#include "optics/focus.h"
#include "trace/dbgprint.h"
#include "trace/filerequest.h"

namespace fs = std::filesystem;
using namespace kelvane;

namespace {

struct Item {
  int id;  // 0: separator
  const char* text;
  bool enabled;
};

// The menu bar as a user sees it at start, written out independently of the
// table the window is built from.
const std::vector<std::pair<const char*, std::vector<Item>>> kExpected = {
    {"&File", {{100, "e&Xit", true}}},
    {"&Open",
     {{200, "script", false},
      {201, "multi-beam", false},
      {203, "single-beam", false},
      {205, "lens &Maker", false}}},
    {"&Calc",
     {{300, "&Kill background calc", false},
      {301, "focus &Matrix", false},
      {302, "focus &Table", false},
      {303, "open focus &Results…", false},
      {0, "", false},
      {310, "&Basic info", false},
      {311, "&Normal refract table", false},
      {312, "&Face refract table", false},
      {313, "&Slope refract table", false},
      {314, "&Deflection table", false},
      {0, "", false},
      {315, "&Test refract formulas", false},
      {316, "test &Ellipse intersect", true},
      {317, "test findFocus", true},
      {318, "test multi-beam lens", true}}},
    {"&Debug",
     {{400, "open trace &File", true},
      {401, "open trace &PsView", false},
      {402, "open trace &Listbox", false},
      {403, "demo trace messages", true}}},
    {"&Settings", {{120, "&Language", true}}},
    {"&Help", {{110, "&HTML help", true}, {111, "h&Elp", true}, {112, "&About", true}}},
};

std::vector<std::string>* gLines = nullptr;
std::mutex gLinesMutex;
void collect(const char* text) {
  std::lock_guard lock(gLinesMutex);
  if (gLines && std::string(text) != "\n") gLines->push_back(text);
}

// Calls `inspect` on the next modal dialog once it is up, then closes it
// with the given key.
// Gives up after five seconds, so a dialog that never opens cannot leave a
// watcher behind for the next test.
void whenModalOpens(std::function<void(QWidget*)> inspect, Qt::Key key = Qt::Key_Escape) {
  auto* timer = new QTimer;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  QObject::connect(timer, &QTimer::timeout, [timer, inspect, key, deadline] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal && std::chrono::steady_clock::now() > deadline) {
      timer->stop();
      timer->deleteLater();
      return;
    }
    if (!modal) return;
    timer->stop();
    timer->deleteLater();
    inspect(modal);
    QTest::keyClick(modal, key);
  });
  timer->start(10);
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lines.clear();
    gLines = &lines;
    setDebuggerWriter(collect);
  }
  void TearDown() override {
    killBackgroundCalc();
    joinBackgroundCalc();
    setDebuggerWriter(nullptr);
    gLines = nullptr;
    setMessageBoxHandler(nullptr);
  }
  std::vector<std::string> snapshot() {
    std::lock_guard lock(gLinesMutex);
    return lines;
  }
  std::vector<std::string> lines;
};

TEST_F(MainWindowTest, MenuTreeHasEveryIdTextAndStartState) {
  MainWindow w;
  EXPECT_EQ(w.windowTitle(), "Kelvane");
  const QList<QAction*> bar = w.menuBar()->actions();
  ASSERT_EQ(bar.size(), static_cast<qsizetype>(kExpected.size()));
  for (size_t p = 0; p < kExpected.size(); ++p) {
    SCOPED_TRACE(kExpected[p].first);
    EXPECT_EQ(bar[p]->text(), kExpected[p].first);
    QMenu* menu = bar[p]->menu();
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu, w.popup(static_cast<int>(p)));
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(kExpected[p].second.size()));
    for (int i = 0; i < items.size(); ++i) {
      const Item& want = kExpected[p].second[i];
      SCOPED_TRACE(want.text);
      if (want.id == 0) {
        EXPECT_TRUE(items[i]->isSeparator());
        continue;
      }
      EXPECT_EQ(items[i]->data().toInt(), want.id);
      EXPECT_EQ(items[i]->text(), want.text);
      EXPECT_EQ(items[i]->isEnabled(), want.enabled);
      EXPECT_EQ(w.action(want.id), items[i]);
    }
  }
}

TEST_F(MainWindowTest, UnwiredCommandsAreRefusedAndWiringEnablesThem) {
  MainWindow w;
  EXPECT_FALSE(w.command(CMD_MULTI_BEAM));
  EXPECT_FALSE(w.command(CMD_SCRIPT));
  EXPECT_FALSE(w.command(9999));
  int runs = 0;
  w.setCommandHandler(CMD_BASIC_INFO, [&] { ++runs; });
  EXPECT_TRUE(w.action(CMD_BASIC_INFO)->isEnabled());
  w.action(CMD_BASIC_INFO)->trigger();
  EXPECT_EQ(runs, 1);
  std::vector<std::string> scripts;
  w.setScriptToggler([&](const std::string& s) { scripts.push_back(s); });
  EXPECT_TRUE(w.action(CMD_SCRIPT)->isEnabled());
  w.action(CMD_SCRIPT)->trigger();
  ASSERT_EQ(scripts.size(), 1u);
  EXPECT_EQ(scripts[0], "") << "command 200 asks for a file";
  w.runStartupArgument("");
  EXPECT_EQ(scripts.size(), 1u);
  w.runStartupArgument("/x/start.ops");
  EXPECT_EQ(scripts.back(), "/x/start.ops");
}

TEST_F(MainWindowTest, DebugPopupTextsFollowTheTraceWindows) {
  MainWindow w;
  bool psvOpen = false, listOpen = false;
  w.setTraceWindowQuery(CMD_TRACE_PSVIEW, [&] { return psvOpen; });
  w.setTraceWindowQuery(CMD_TRACE_LISTBOX, [&] { return listOpen; });
  QMenu* debug = w.popup(3);
  psvOpen = true;
  emit debug->aboutToShow();
  EXPECT_EQ(w.action(CMD_TRACE_PSVIEW)->text(), "close trace &PsView");
  EXPECT_EQ(w.action(CMD_TRACE_LISTBOX)->text(), "open trace &Listbox");
  psvOpen = false;  // closed by its own close box
  listOpen = true;
  emit debug->aboutToShow();
  EXPECT_EQ(w.action(CMD_TRACE_PSVIEW)->text(), "open trace &PsView");
  EXPECT_EQ(w.action(CMD_TRACE_LISTBOX)->text(), "close trace &Listbox");
  // Other popups leave them alone.
  listOpen = false;
  emit w.popup(2)->aboutToShow();
  EXPECT_EQ(w.action(CMD_TRACE_LISTBOX)->text(), "close trace &Listbox");
}

TEST_F(MainWindowTest, TraceFileItemTextFollowsCommand400) {
  const fs::path dir = fs::temp_directory_path() / ("kelvane-mw-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::optional<std::string> answer;
  FileChooser old = setFileChooser([&](const FileDialogOptions&) { return answer; });
  MainWindow w;
  QAction* item = w.action(CMD_TRACE_FILE);

  w.command(CMD_TRACE_FILE);  // cancelled
  EXPECT_EQ(item->text(), "open trace &File");
  EXPECT_FALSE(traceFileOpen());

  answer = (dir / "debug.trc").string();
  item->trigger();
  EXPECT_EQ(item->text(), "close trace &File");
  EXPECT_TRUE(traceFileOpen());
  EXPECT_TRUE(item->isEnabled());
  item->trigger();
  EXPECT_EQ(item->text(), "open trace &File");
  EXPECT_FALSE(traceFileOpen());

  setFileChooser(old);
  fs::remove_all(dir);
}

TEST_F(MainWindowTest, DemoTraceNumbersRunOnAcrossUses) {
  MainWindow w;
  for (int i = 0; i < 3; ++i) w.action(CMD_DEMO_TRACE)->trigger();
  const auto got = snapshot();
  ASSERT_EQ(got.size(), 30u);
  for (int i = 0; i < 30; ++i)
    EXPECT_EQ(got[i], "Trace message " + std::to_string(i) + " by dbgPrint");
}

// A list box that takes every line, as an open Listbox Trace window does.
struct TakingListBox : ListBoxSink {
  int visibleRows() const override { return 100; }
  void resetContent() override {}
  void addString(const char*) override {}
};

TEST_F(MainWindowTest, TheStatusLineSaysWhereTraceLinesNoWindowShowedWent) {
  MainWindow w;
  QStatusBar* bar = w.statusBar();
  w.command(CMD_DEMO_TRACE);
  EXPECT_EQ(bar->currentMessage(),
            "10 trace lines went to standard error: see Debug > open trace PsView");
  EXPECT_EQ(snapshot().size(), 10u) << "the lines still go where they went";

  // Lines printed by another window (Lens Control's "Copy") are seen by the timer.
  bar->clearMessage();
  dbgPrint("60,80,60,80,20,CVCV  ; F=257 W=63 dev=0.55%%");
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return bar->currentMessage().startsWith("1 trace line went to standard error"); },
      5000));

  const fs::path file =
      fs::temp_directory_path() / ("kelvane-notice-" + std::to_string(::getpid()) + ".trc");
  setTraceFile(std::fopen(file.c_str(), "w"), file.c_str());
  w.command(CMD_TEST_ELLIPSE_INTERSECT);
  EXPECT_TRUE(bar->currentMessage().contains(
      QString("went to the trace file %1: open it to see them").arg(file.filename().c_str())))
      << bar->currentMessage().toStdString();
  closeTraceFile();
  fs::remove(file);

  // Lines a trace window shows need no notice.
  TakingListBox listBox;
  setListBoxSink(&listBox);
  bar->clearMessage();
  w.command(CMD_DEMO_TRACE);
  setListBoxSink(nullptr);
  EXPECT_TRUE(bar->currentMessage().isEmpty()) << bar->currentMessage().toStdString();
}

TEST_F(MainWindowTest, TestCommandsPrintThroughTheTrace) {
  MainWindow w;
  w.action(CMD_TEST_MULTI_BEAM)->trigger();
  const auto got = snapshot();
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got.front(), "Test Find Foci");
  w.action(CMD_TEST_FIND_FOCUS)->trigger();
  w.action(CMD_TEST_ELLIPSE_INTERSECT)->trigger();
  EXPECT_GT(snapshot().size(), got.size());
}

// A background calculation of the test's own: it begins, polls calcState
// until a kill is requested (or it is released), then finishes.
struct TestCalculation {
  std::atomic<bool> release{false};
  std::atomic<int> runs{0};
  std::function<void()> body() {
    return [this] {
      ++runs;
      if (beginBackgroundCalc()) {
        while (calcState.load() != CALC_KILL_REQUESTED && !release.load())
          std::this_thread::yield();
      }
      finishBackgroundCalc();
    };
  }
};

TEST_F(MainWindowTest, CalcItemsFollowTheBackgroundCalculation) {
  MainWindow w;
  TestCalculation table, matrix;
  w.setCalculation(CMD_FOCUS_TABLE, table.body());
  w.setCalculation(CMD_FOCUS_MATRIX, matrix.body());
  QAction* kill = w.action(CMD_KILL_CALC);
  QAction* focusMatrix = w.action(CMD_FOCUS_MATRIX);
  QAction* focusTable = w.action(CMD_FOCUS_TABLE);
  EXPECT_FALSE(kill->isEnabled());
  EXPECT_TRUE(focusMatrix->isEnabled());
  EXPECT_TRUE(focusTable->isEnabled());

  // Kill with nothing running leaves the state idle.
  kill->setEnabled(true);
  kill->trigger();
  EXPECT_EQ(calcState.load(), CALC_IDLE);
  kill->setEnabled(false);

  focusMatrix->trigger();
  EXPECT_TRUE(kill->isEnabled());
  EXPECT_FALSE(focusMatrix->isEnabled());
  EXPECT_FALSE(focusTable->isEnabled());
  EXPECT_NE(calcState.load(), CALC_IDLE);
  EXPECT_TRUE(QTest::qWaitFor([] { return calcState.load() == CALC_RUNNING; }, 5000));

  // Another start is refused; a direct command does nothing either.
  EXPECT_EQ(startBackgroundCalc(table.body()), -2);
  w.command(CMD_FOCUS_TABLE);
  EXPECT_EQ(table.runs.load(), 0);

  kill->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return focusTable->isEnabled(); }, 5000));
  EXPECT_EQ(calcState.load(), CALC_IDLE);
  EXPECT_FALSE(kill->isEnabled());
  EXPECT_TRUE(focusMatrix->isEnabled());
  EXPECT_EQ(matrix.runs.load(), 1);
  joinBackgroundCalc();
}

// A calculation maker runs on the window's thread at each start, so the
// body copies what is in force then (the sweeps copy the index ratio).
TEST_F(MainWindowTest, ACalculationMakerRunsAtEachStartOnTheWindowsThread) {
  MainWindow w;
  TestCalculation quick;
  quick.release = true;
  int made = 0;
  std::thread::id madeOn;
  w.setCalculationMaker(CMD_FOCUS_TABLE, [&] {
    ++made;
    madeOn = std::this_thread::get_id();
    return quick.body();
  });
  EXPECT_EQ(made, 0);
  EXPECT_TRUE(w.action(CMD_FOCUS_TABLE)->isEnabled());
  for (int run = 1; run <= 2; ++run) {
    w.command(CMD_FOCUS_TABLE);
    EXPECT_EQ(made, run);
    EXPECT_EQ(madeOn, std::this_thread::get_id());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return quick.runs.load() == run && calcState.load() == CALC_IDLE; }, 5000));
    joinBackgroundCalc();
  }
  // While a calculation is active the maker is not even asked.
  TestCalculation slow;
  ASSERT_EQ(startBackgroundCalc(slow.body()), 0);
  w.command(CMD_FOCUS_TABLE);
  EXPECT_EQ(made, 2);
  killBackgroundCalc();
  ASSERT_TRUE(QTest::qWaitFor([] { return calcState.load() == CALC_IDLE; }, 5000));
  joinBackgroundCalc();
}

TEST_F(MainWindowTest, CalculationsThatEndAtOnceLeaveTheItemsIdle) {
  MainWindow w;
  TestCalculation quick;
  quick.release = true;
  w.setCalculation(CMD_FOCUS_TABLE, quick.body());
  for (int i = 0; i < 25; ++i) {
    ASSERT_TRUE(QTest::qWaitFor([] { return calcState.load() == CALC_IDLE; }, 5000));
    QCoreApplication::processEvents();
    w.command(CMD_FOCUS_TABLE);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return calcState.load() == CALC_IDLE && w.action(CMD_FOCUS_TABLE)->isEnabled(); },
        5000))
        << "pass " << i;
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.action(CMD_KILL_CALC)->isEnabled());
  }
  EXPECT_EQ(quick.runs.load(), 25);
  joinBackgroundCalc();
}

// The first run's "idle" is still queued when the second run starts: it must
// not gray "&Kill background calc" under the running second one.
TEST_F(MainWindowTest, ALateIdleFromTheLastRunDoesNotHideTheCurrentOne) {
  MainWindow w;
  TestCalculation quick, slow;
  quick.release = true;
  w.setCalculation(CMD_FOCUS_TABLE, quick.body());
  w.setCalculation(CMD_FOCUS_MATRIX, slow.body());
  w.command(CMD_FOCUS_TABLE);
  // Wait for the quick run's end without handling its queued "idle".
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (calcState.load() != CALC_IDLE && std::chrono::steady_clock::now() < deadline)
    std::this_thread::yield();
  ASSERT_EQ(calcState.load(), CALC_IDLE);
  joinBackgroundCalc();
  ASSERT_EQ(startBackgroundCalc(slow.body()), 0);
  QCoreApplication::processEvents();
  EXPECT_TRUE(w.action(CMD_KILL_CALC)->isEnabled());
  EXPECT_FALSE(w.action(CMD_FOCUS_TABLE)->isEnabled());
  w.action(CMD_KILL_CALC)->trigger();
  killBackgroundCalc();  // ends the run even when the item was wrongly grayed
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.action(CMD_FOCUS_TABLE)->isEnabled(); }, 5000));
  EXPECT_FALSE(w.action(CMD_KILL_CALC)->isEnabled());
  joinBackgroundCalc();
}

TEST_F(MainWindowTest, AltSlashAndAltQuestionOpenTheAboutBox) {
  MainWindow w;
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  using Press = std::pair<Qt::Key, Qt::KeyboardModifiers>;
  for (auto [key, mods] : {Press{Qt::Key_Slash, Qt::AltModifier},
                           Press{Qt::Key_Question, Qt::AltModifier | Qt::ShiftModifier}}) {
    int seen = 0;
    whenModalOpens(
        [&](QWidget* modal) {
          auto* about = qobject_cast<AboutDialog*>(modal);
          ASSERT_TRUE(about);
          ++seen;
          EXPECT_EQ(about->windowTitle(), "About Kelvane");
          EXPECT_EQ(about->field(ABOUT_VERSION)->text(), "313");
          EXPECT_EQ(about->field(ABOUT_UPDATED)->text().size(), 24);
          EXPECT_EQ(about->field(ABOUT_COMPILED)->text(), about->field(ABOUT_UPDATED)->text());
        },
        Qt::Key_Escape);
    QTest::keyClick(&w, key, mods);
    EXPECT_EQ(seen, 1) << "key " << key;
  }
}

TEST_F(MainWindowTest, AboutBoxHasNoButtonAndClosesOnEnterOrEscape) {
  AboutDialog about;
  EXPECT_TRUE(about.findChildren<QPushButton*>().isEmpty());
  about.show();
  QTest::keyClick(&about, Qt::Key_Return);
  EXPECT_EQ(about.result(), IDOK);
  about.show();
  QTest::keyClick(&about, Qt::Key_Escape);
  EXPECT_EQ(about.result(), IDCANCEL);
}

TEST_F(MainWindowTest, HelpDialogShowsAQuickStartThatNamesTheGuide) {
  MainWindow w;
  bool seen = false;
  whenModalOpens(
      [&](QWidget* modal) {
        auto* help = qobject_cast<HelpDialog*>(modal);
        ASSERT_TRUE(help);
        seen = true;
        EXPECT_EQ(help->windowTitle(), "Kelvane Help");
        const QString text = help->text()->toPlainText();
        for (const char* part : {"Open > single-beam", "Open > multi-beam", "Aberration", "Ctrl+Z",
                                 "Alt+?", "Help > HTML help"})
          EXPECT_TRUE(text.contains(part)) << part;
        EXPECT_TRUE(text.contains(QString::fromStdString(docDir().filePath("kelvane.html"))));
        EXPECT_TRUE(help->text()->isReadOnly());
        EXPECT_EQ(help->okButton()->text(), "OK");
        EXPECT_TRUE(help->okButton()->isDefault());
      },
      Qt::Key_Return);
  w.action(CMD_HELP)->trigger();
  EXPECT_TRUE(seen);
}

TEST_F(MainWindowTest, HandoffReadsTheFileAndHandsTheTextOn) {
  const fs::path root = fs::temp_directory_path() / ("kelvane-mwh-" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "home");
  WorkDirEnvironment env;
  env.programPath = (root / "bin" / "kelvane").string();
  const std::string home = (root / "home").string();
  env.getenv = [home](const char* n) -> const char* {
    return std::string(n) == "HOME" ? home.c_str() : nullptr;
  };
  initWorkDirs(WORKDIR_STORE, env);

  MainWindow w;
  std::vector<std::string> scripts;
  w.setScriptToggler([&](const std::string& s) { scripts.push_back(s); });
  QSignalSpy spy(&w, &MainWindow::scriptHandedOff);

  w.handleScriptHandoff();  // no file yet: nothing starts
  EXPECT_TRUE(scripts.empty());
  ASSERT_EQ(spy.count(), 1);

  ASSERT_GT(writeHandoffFile("/x/fade show.ops"), 0);
  w.handleScriptHandoff();
  ASSERT_EQ(scripts.size(), 1u);
  EXPECT_EQ(scripts[0], "/x/fade show.ops");
  EXPECT_EQ(spy.last().at(0).toString(), "/x/fade show.ops");
  fs::remove_all(root);
}

TEST_F(MainWindowTest, HtmlHelpReportsAMissingPage) {
  const fs::path root = fs::temp_directory_path() / ("kelvane-mwd-" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "bin" / "Doc");
  WorkDirEnvironment env;
  env.programPath = (root / "bin" / "kelvane").string();
  env.getenv = [](const char*) -> const char* { return nullptr; };
  initWorkDirs(WORKDIR_DOC, env);
  std::vector<std::string> boxes;
  setMessageBoxHandler([&](void*, unsigned, const char* text, const char*) {
    boxes.push_back(text);
    return 1;
  });
  MainWindow w;
  w.action(CMD_HTML_HELP)->trigger();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], (root / "bin" / "Doc" / "kelvane.html").string() + " is missing");
  fs::remove_all(root);
}

TEST_F(MainWindowTest, HtmlHelpShowsTheGuideInAWindowWhenNoViewerTakesIt) {
  const fs::path root = fs::temp_directory_path() / ("kelvane-mwh-" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "bin" / "Doc");
  std::ofstream(root / "bin" / "Doc" / "kelvane.html")
      << "<html><head><title>Guide of the test</title></head>"
         "<body><h1>Lenses</h1><p>Light bends at each face.</p></body></html>";
  WorkDirEnvironment env;
  env.programPath = (root / "bin" / "kelvane").string();
  env.getenv = [](const char*) -> const char* { return nullptr; };
  initWorkDirs(WORKDIR_DOC, env);
  std::vector<std::string> boxes;
  setMessageBoxHandler([&](void*, unsigned, const char* text, const char*) {
    boxes.push_back(text);
    return 1;
  });
  bool viewerOpens = false;
  std::vector<std::string> opened;
  setDocumentOpener([&](const std::string& path, std::function<void()>) {
    opened.push_back(path);
    return viewerOpens;
  });

  MainWindow w;
  w.action(CMD_HTML_HELP)->trigger();
  ASSERT_EQ(opened.size(), 1u) << "the desktop viewer is asked first";
  HelpBrowser* help = w.helpBrowser();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowTitle(), "Guide of the test");
  EXPECT_TRUE(help->browser()->toPlainText().contains("Light bends at each face."));
  EXPECT_TRUE(boxes.empty());
  w.action(CMD_HTML_HELP)->trigger();
  EXPECT_EQ(w.helpBrowser(), help) << "one help window";

  // A viewer that opens the page: no window of the program.
  help->close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.helpBrowser() == nullptr; }, 5000));
  viewerOpens = true;
  w.action(CMD_HTML_HELP)->trigger();
  EXPECT_EQ(opened.size(), 3u);
  EXPECT_EQ(w.helpBrowser(), nullptr);

  // The desktop's opener starts, but the browser it runs refuses (as root
  // a browser often does) and the opener ends with a failure: the guide is
  // shown here after all. One that ends well leaves it to the browser.
  setDocumentOpener(openInDesktopViewer);
  auto viewersRunning = [] { return !qApp->findChildren<QProcess*>().isEmpty(); };
  setDesktopViewerCommand({"sh", "-c", "exit 4", "xdg-open"});
  w.action(CMD_HTML_HELP)->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.helpBrowser() != nullptr; }, 5000));
  w.helpBrowser()->close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.helpBrowser() == nullptr; }, 5000));
  setDesktopViewerCommand({"true"});
  w.action(CMD_HTML_HELP)->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !viewersRunning(); }, 5000));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(w.helpBrowser(), nullptr);
  setDesktopViewerCommand({"xdg-open"});
  setDocumentOpener(nullptr);
  fs::remove_all(root);
}

TEST_F(MainWindowTest, HtmlHelpOpensTheGuideInTheLanguageOfTheUserInterface) {
  const fs::path root = fs::temp_directory_path() / ("kelvane-mwg-" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "bin" / "Doc");
  fs::create_directories(root / "bin" / "guide" / "de");
  for (const char* page : {"Doc/kelvane.html", "guide/index.html", "guide/de/index.html"})
    std::ofstream(root / "bin" / page) << "<html><body>page</body></html>";
  WorkDirEnvironment env;
  env.programPath = (root / "bin" / "kelvane").string();
  env.getenv = [](const char*) -> const char* { return nullptr; };
  initWorkDirs(WORKDIR_DOC, env);
  std::vector<std::string> opened;
  setDocumentOpener([&](const std::string& path, std::function<void()>) {
    opened.push_back(path);
    return true;
  });
  const QLocale before;
  MainWindow w;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  w.action(CMD_HTML_HELP)->trigger();
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  w.action(CMD_HTML_HELP)->trigger();
  QLocale::setDefault(before);
  setDocumentOpener(nullptr);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], (root / "bin" / "guide" / "index.html").string());
  EXPECT_EQ(opened[1], (root / "bin" / "guide" / "de" / "index.html").string());
  fs::remove_all(root);
}

TEST_F(MainWindowTest, TestCommandsTraceOnTheLensSessionWithItsIndex) {
  MainWindow w;
  LensSession& session = lensSession();
  const double savedIndex = session.model.indexRatio();
  session.model.setIndexRatio(1.0 / 1.8);  // not the initial 1.5

  // The same test run on a context of its own, at the index in force and at
  // the initial one.
  TracerContext expected;
  expected.indexRatio = session.model.indexRatio();
  testFindFocus(expected);
  TracerContext initial;
  testFindFocus(initial);
  ASSERT_NE(expected.results.focus, initial.results.focus) << "the index must matter";

  session.model.reportContext().results = TraceResults{};
  w.action(CMD_TEST_FIND_FOCUS)->trigger();
  EXPECT_EQ(&w.tracerContext(), &session.model.reportContext());
  EXPECT_EQ(session.model.results().focus, expected.results.focus);
  EXPECT_EQ(session.model.results().dev, expected.results.dev);
  EXPECT_EQ(session.model.results().beamCount, expected.results.beamCount);

  // The multi-beam test lays out its locked width and stops there.
  w.action(CMD_TEST_MULTI_BEAM)->trigger();
  EXPECT_EQ(session.model.results().width, 50.0);
  EXPECT_EQ(session.model.results().spacing, 5.0);
  session.model.setIndexRatio(savedIndex);
}

TEST_F(MainWindowTest, ExitClosesTheWindowAndStopsTheTimer) {
  MainWindow w;
  w.show();
  EXPECT_TRUE(w.refreshTimer()->isActive());
  EXPECT_EQ(w.refreshTimer()->interval(), 250);
  int refreshes = 0;
  w.setTimerRefresh([&] { ++refreshes; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return refreshes >= 2; }, 5000));
  w.action(CMD_EXIT)->trigger();
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(w.refreshTimer()->isActive());
}

// A close request (as the window manager sends it) while a menu is open
// ends the run like any other quit.
TEST_F(MainWindowTest, ClosingWithAMenuOpenQuits) {
  MainWindow w;
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QMenu* calc = w.popup(2);
  QTimer::singleShot(0, calc, [&] {
    calc->popup(w.mapToGlobal(QPoint(0, 0)));
    QTimer::singleShot(0, &w, [&] {
      EXPECT_EQ(QApplication::activePopupWidget(), calc);
      w.windowHandle()->close();
    });
  });
  QTimer watchdog;
  watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
  watchdog.start(5000);
  EXPECT_EQ(QApplication::exec(), 0) << "the close request was ignored";
  EXPECT_FALSE(w.isVisible());
}

}  // namespace

namespace {

TEST_F(MainWindowTest, WiredWindowEnablesTheSubsystemsAndTogglesPsView) {
  MainWindow w;
  w.show();
  kelvane::wireSubsystems(w);
  for (int id : {CMD_FOCUS_MATRIX, CMD_FOCUS_TABLE, CMD_BASIC_INFO, CMD_NORMAL_REFRACT_TABLE,
                 CMD_FACE_REFRACT_TABLE, CMD_SLOPE_REFRACT_TABLE, CMD_DEFLECTION_TABLE,
                 CMD_TEST_REFRACT_FORMULAS, CMD_TRACE_PSVIEW, CMD_TRACE_LISTBOX, CMD_FOCUS_RESULTS})
    EXPECT_TRUE(w.action(id)->isEnabled()) << id;
  EXPECT_FALSE(w.action(CMD_KILL_CALC)->isEnabled());

  QMenu* debug = w.popup(3);
  w.action(CMD_TRACE_PSVIEW)->trigger();
  emit debug->aboutToShow();
  EXPECT_EQ(w.action(CMD_TRACE_PSVIEW)->text(), "close trace &PsView");
  w.action(CMD_TRACE_LISTBOX)->trigger();
  emit debug->aboutToShow();
  EXPECT_EQ(w.action(CMD_TRACE_LISTBOX)->text(), "close trace &Listbox");
  w.action(CMD_TRACE_PSVIEW)->trigger();
  w.action(CMD_TRACE_LISTBOX)->trigger();
  emit debug->aboutToShow();
  EXPECT_EQ(w.action(CMD_TRACE_PSVIEW)->text(), "open trace &PsView");
  EXPECT_EQ(w.action(CMD_TRACE_LISTBOX)->text(), "open trace &Listbox");
}

}  // namespace
