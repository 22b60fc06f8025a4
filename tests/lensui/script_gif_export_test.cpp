// "Animated GIF of a script…": the chosen script runs offscreen into a GIF
// with one frame per retrace, at the lens view's size; Cancel leaves no file.
#include "lensui/script_gif_export.h"

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "lens_test_support.h"
#include "script/headless_host.h"
#include "script/script_runner.h"
#include "trace/filerequest.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

constexpr char kFadeScript[] =
    "trace beam\n"
    "lens 219,163,143,260,112,CVCV\n"
    "fade 219,163,143,260,112,CVCV  300,200,300,200,80,CVCC  3\n";

class ScriptGifExport : public ::testing::Test {
 protected:
  void SetUp() override {
    test::resetLensSession();
    m_dir = fs::temp_directory_path() / ("kelvane-script-gif-" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
    m_oldChooser = setFileChooser([this](const FileDialogOptions& o) -> std::optional<std::string> {
      return (m_dir / (o.kind == FileDialogKind::Open ? "fade.ops" : "fade.gif")).string();
    });
  }
  void TearDown() override {
    test::resetLensSession();
    setFileChooser(m_oldChooser);
    fs::remove_all(m_dir);
  }
  void writeScript(const std::string& text) { std::ofstream(m_dir / "fade.ops") << text; }
  fs::path gif() const { return m_dir / "fade.gif"; }
  bool noFileButTheScript() const {
    for (const auto& entry : fs::directory_iterator(m_dir))
      if (entry.path().filename() != "fade.ops") return false;
    return true;
  }

 private:
  fs::path m_dir;
  FileChooser m_oldChooser;
};

// The retraces the script makes on a host of its own, run to its end.
int retracesOf(const std::string& script) {
  HeadlessHost host;
  ScriptRunner runner(host, script);
  runner.setDelaysEnabled(false);
  runner.toggleScript(script);
  runner.waitFor([](int, bool busy) { return !busy; });
  return host.refreshCount();
}

TEST_F(ScriptGifExport, EveryRetraceBecomesOneFrameAtTheViewsSize) {
  writeScript(kFadeScript);
  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  ASSERT_NE(view, nullptr);
  const int viewWidth = view->canvas()->width();
  const fs::path script = gif().parent_path() / "fade.ops";

  const ScriptGifResult result = exportScriptGif(nullptr, /*delays=*/false);
  ASSERT_TRUE(result.outcome.ok()) << result.outcome.message;
  EXPECT_FALSE(result.cancelled);
  EXPECT_GE(result.frames, 4);  // the lens line and the fade's steps
  EXPECT_EQ(result.frames, retracesOf(script.string()));

  int err = 0;
  GifFileType* file = DGifOpenFileName(gif().c_str(), &err);
  ASSERT_NE(file, nullptr) << err;
  ASSERT_EQ(DGifSlurp(file), GIF_OK);
  EXPECT_EQ(file->ImageCount, result.frames);
  EXPECT_EQ(file->SWidth, viewWidth);
  DGifCloseFile(file, &err);
  // The live session was not touched by the run.
  EXPECT_EQ(lensSession().model.lens().shape, kInitialLens.shape);
  EXPECT_EQ(lensSession().model.lens().evx, kInitialLens.evx);
}

TEST_F(ScriptGifExport, CancelStopsTheScriptAndLeavesNoFile) {
  writeScript("lens 219,163,143,260,112,CVCV\nsleep 60000\nlens 300,200,300,200,80,CVCC\n");
  // Cancel once the first retrace is shown.
  QTimer watch;
  watch.setInterval(10);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* progress = qobject_cast<QProgressDialog*>(w);
      if (progress && progress->isVisible() && progress->labelText().contains("1 retrace "))
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    }
  });
  watch.start();
  const ScriptGifResult result = exportScriptGif(nullptr);
  watch.stop();
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.frames, 1);
  EXPECT_TRUE(noFileButTheScript());
}

}  // namespace
}  // namespace kelvane
