// A script run in the real windows (offscreen): started from the Lens
// Control dialog's "&Script" button, it moves the sliders and the results;
// the button pauses, resumes and stops it, and closing the dialog ends it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTranslator>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "lens_test_support.h"
#include "lensui/lens_control.h"
#include "lensui/script_ui_host.h"
#include "trace/dbgprint.h"
#include "trace/filerequest.h"
#include "winui/ui_text.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
constexpr int kWaitMs = 20000;

class ScriptEndToEnd : public test::LensControlFixture {
 protected:
  void SetUp() override {
    test::LensControlFixture::SetUp();
    m_dir = fs::temp_directory_path() / ("kelvane-script-e2e-" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
    m_oldChooser = setFileChooser(
        [this](const FileDialogOptions&) -> std::optional<std::string> { return m_choice; });
    ui = std::make_unique<ScriptUi>(nullptr, (m_dir / "script.ops").string());
  }
  void TearDown() override {
    ui.reset();
    test::LensControlFixture::TearDown();
    setFileChooser(m_oldChooser);
    fs::remove_all(m_dir);
  }

  // The script the user picks in the open dialog.
  void choose(const std::string& name, const std::string& text) {
    pick(name);
    std::ofstream(m_choice) << text;
  }
  // The file the user picks, without writing it.
  void pick(const std::string& name) { m_choice = (m_dir / name).string(); }
  const std::string& choice() const { return m_choice; }
  QPushButton* scriptButton() const { return dlg->controlAs<QPushButton>(IDC_SCRIPT); }
  void press() { QTest::mouseClick(scriptButton(), Qt::LeftButton); }
  bool waitIdle() {
    return QTest::qWaitFor([&] { return !ui->runner().busy(); }, kWaitMs);
  }

  std::unique_ptr<ScriptUi> ui;

 private:
  fs::path m_dir;
  std::string m_choice;
  FileChooser m_oldChooser;
};

TEST_F(ScriptEndToEnd, TheButtonRunsAScriptThatMovesTheSlidersAndResults) {
  ASSERT_TRUE(scriptButton()->isEnabled());
  EXPECT_EQ(edit(IDC_FOCUS)->text(), "316");
  choose("demo.ops", "lens 300,200,300,200,80,CVCC\nwidth fade 100 150 2\n");
  press();
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(slider(0)->value(), 300);
  EXPECT_EQ(edit(100)->text(), "300");
  EXPECT_EQ(slider(4)->value(), 80);
  EXPECT_TRUE(dlg->controlAs<QPushButton>(IDC_EGRESS_CC)->isChecked());
  EXPECT_EQ(edit(IDC_WIDTH_EDIT)->text(), "150") << "the width fade ends locked at 150";
  const LensSession& s = lensSession();
  EXPECT_TRUE(s.model.settings().locked());
  EXPECT_EQ(s.model.results().width, 150);
  EXPECT_EQ(edit(IDC_FOCUS)->text(),
            QString::number(static_cast<int>(s.model.results().focus + 0.5)));
  EXPECT_NE(edit(IDC_FOCUS)->text(), "316");
  EXPECT_EQ(scriptButton()->text(), "&Script");
  EXPECT_FALSE(dlg->control(IDC_STATUS)->isEnabled()) << "the status line is disabled at the end";
  EXPECT_EQ(ui->runner().scriptPath().substr(ui->runner().scriptPath().size() - 8), "demo.ops")
      << "the chosen script becomes the current one";
}

TEST_F(ScriptEndToEnd, TheButtonPausesResumesAndStops) {
  choose("pause.ops",
         "lens 250,200,300,200,80,CVCC\npause\nlens 260,200,300,200,80,CVCC\n"
         "sleep 600000\nlens 270,200,300,200,80,CVCC\n");
  press();
  ASSERT_TRUE(QTest::qWaitFor([&] { return scriptButton()->text() == "re&Sume"; }, kWaitMs));
  EXPECT_EQ(ui->runner().scriptRunState(), SCRIPT_PAUSED);
  EXPECT_EQ(slider(0)->value(), 250);
  const auto* status = dlg->controlAs<QLabel>(IDC_STATUS);
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->text(), "pause.ops");
  EXPECT_TRUE(status->isEnabled());
  press();  // re&Sume
  ASSERT_TRUE(QTest::qWaitFor([&] { return slider(0)->value() == 260; }, kWaitMs));
  EXPECT_EQ(scriptButton()->text(), "&Stop");
  press();  // &Stop, while the script sleeps
  ASSERT_TRUE(waitIdle());
  ASSERT_TRUE(QTest::qWaitFor([&] { return scriptButton()->text() == "&Script"; }, kWaitMs));
  EXPECT_EQ(slider(0)->value(), 260);
}

TEST_F(ScriptEndToEnd, ClosingTheDialogWhilePausedEndsTheRun) {
  choose("pause.ops", "pause\nlens 270,200,300,200,80,CVCC\n");
  press();
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return ui->runner().scriptRunState() == SCRIPT_PAUSED; }, kWaitMs));
  dlg->close();
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(ui->runner().scriptRunState(), SCRIPT_STOPPED);
  EXPECT_EQ(lensSession().model.lens().ivx, 219) << "nothing after the pause ran";
}

TEST_F(ScriptEndToEnd, QuittingWhileAScriptSleepsEndsIt) {
  choose("sleep.ops", "lens 250,200,300,200,80,CVCC\nsleep 600000\n");
  press();
  ASSERT_TRUE(QTest::qWaitFor([&] { return slider(0)->value() == 250; }, kWaitMs));
  // The runner's owner goes away with the main window: it stops the run and
  // waits for the runner, which gives up its sleep at once.
  ui.reset();
  EXPECT_FALSE(scriptButton()->isEnabled()) << "no runner behind the button any more";
  EXPECT_FALSE(lensSession().stopScript);
}

// The trace lines that reach the debugger output.
std::mutex gTracedMutex;
std::vector<std::string> gTraced;
void traceToList(const char* text) {
  std::lock_guard lock(gTracedMutex);
  if (std::strcmp(text, "\n") != 0) gTraced.push_back(text);
}

TEST_F(ScriptEndToEnd, ScriptsHandedOverDuringARunAllRunInTurn) {
  {
    std::lock_guard lock(gTracedMutex);
    gTraced.clear();
  }
  setDebuggerWriter(traceToList);
  // Each script names itself by its one unreadable line, reported when its
  // run begins; the first one holds at its pause while the others arrive.
  std::vector<std::string> paths;
  for (int i = 0; i < 4; ++i) {
    choose("h" + std::to_string(i) + ".ops", "lens " + std::to_string(260 + i) +
                                                 ",200,300,200,80,CVCC\nwindow 1 2\n" +
                                                 (i == 0 ? "pause\n" : "sleep 20\n"));
    paths.push_back(choice());
  }
  ui->handOffScript(paths[0]);
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return ui->runner().scriptRunState() == SCRIPT_PAUSED; }, kWaitMs));
  for (int i = 1; i < 4; ++i) ui->handOffScript(paths[i]);
  EXPECT_EQ(ui->pendingHandoffs(), 3u);
  press();  // re&Sume: the first script ends, the others follow
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return ui->pendingHandoffs() == 0 && !ui->runner().busy(); }, kWaitMs));
  setDebuggerWriter(nullptr);

  std::vector<std::string> started;
  {
    std::lock_guard lock(gTracedMutex);
    for (const std::string& line : gTraced)
      for (const std::string& path : paths)
        if (line.rfind(path + ":2: ", 0) == 0) started.push_back(path);
  }
  EXPECT_EQ(started, paths) << "every script once, in the order handed over";
  EXPECT_EQ(slider(0)->value(), 263) << "the last one ran to its end";
}

TEST_F(ScriptEndToEnd, SaveAppendsASnapshotThatRunsAsAScript) {
  const LensSession& s = lensSession();
  pick("snap");  // no dot: ".lens" is added
  QTest::mouseClick(dlg->controlAs<QPushButton>(IDC_SAVE), Qt::LeftButton);
  const std::string saved = choice() + ".lens";
  ASSERT_EQ(ui->runner().scriptPath(), saved) << "the snapshot file becomes the current script";
  std::ifstream in(saved);
  std::string header, window, canvass, trace, rindex, lens;
  std::getline(in, header);
  std::getline(in, window);
  std::getline(in, canvass);
  std::getline(in, trace);
  std::getline(in, rindex);
  std::getline(in, lens);
  EXPECT_EQ(header, "; File: " + saved);
  const QRect outer = s.view->frameGeometry();
  EXPECT_EQ(window, "; window " + std::to_string(outer.left()) + "," + std::to_string(outer.top()) +
                        "," + std::to_string(outer.width()) + "," + std::to_string(outer.height()));
  EXPECT_EQ(canvass, "; canvass " + std::to_string(s.Xmax) + "," + std::to_string(s.Ymax));
  EXPECT_EQ(trace, "trace beam");
  EXPECT_EQ(rindex, "rindex 1.50");
  EXPECT_EQ(lens, "lens 219,163,143,260,112,CVCV");
  // Run it back after changing the lens: the snapshot restores it.
  lensSession().model.setLens(Lens{300, 163, 143, 260, 112, 0});
  pick("snap.lens");  // the open dialog picks the saved file
  press();
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(lensSession().model.lens().ivx, 219);
}

// Under German windows and a German default locale the snapshot still
// writes its numbers with a decimal point, as every script reader expects.
TEST_F(ScriptEndToEnd, SaveUnderGermanWindowsKeepsTheDecimalPoint) {
  QTranslator german;
  ASSERT_TRUE(german.load(QStringLiteral(KELVANE_QM_DIR "/kelvane_de.qm")));
  QCoreApplication::installTranslator(&german);
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(uiText(kLensControlCaption), "Linsensteuerung");
  pick("german");
  QTest::mouseClick(dlg->controlAs<QPushButton>(IDC_SAVE), Qt::LeftButton);
  QLocale::setDefault(before);
  QCoreApplication::removeTranslator(&german);
  std::ifstream in(choice() + ".lens");
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(in, line)) lines.push_back(line);
  EXPECT_THAT(lines, ::testing::Contains("rindex 1.50"));
  EXPECT_THAT(lines, ::testing::Contains("lens 219,163,143,260,112,CVCV"));
}

}  // namespace
}  // namespace kelvane
