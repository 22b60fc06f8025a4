// The Qt file dialogs: the "Existing File" question driven by real clicks
// and keys, and promptOpenFile called from a worker thread while the dialogs
// run on the user-interface thread.
#include "trace/ui/file_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <thread>

#include "qt_test_app.h"
#include "trace/dbgprint.h"
#include "trace/filerequest.h"

namespace kelvane {
namespace {

class FileDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ensureApplication();
    ASSERT_TRUE(dir.isValid());
  }
  void TearDown() override {
    setFileChooser({});
    setExistingFileAsker({});
    setMessageBoxHandler(nullptr);
  }
  // The dialog runs its own event loop inside the one that waits for it, so
  // a timer acts on it from within that loop.
  template <typename T>
  void whenModalOpens(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act, deadline] {
      T* modal = qobject_cast<T*>(QApplication::activeModalWidget());
      if (!modal && std::chrono::steady_clock::now() < deadline) return;
      timer->stop();
      timer->deleteLater();
      if (modal) act(modal);
    });
    timer->start(10);
  }
  QTemporaryDir dir;
};

TEST_F(FileDialogsTest, ExistingFileDialogShowsThePathAndAnswersByButton) {
  const QString path = dir.filePath("debug.trc");
  for (int id : {EXISTING_OVERWRITE, EXISTING_APPEND, EXISTING_CANCEL}) {
    ExistingFileDialog dialog(path);
    EXPECT_EQ(dialog.windowTitle(), "Existing File");
    EXPECT_EQ(dialog.pathLabel()->text(), path);
    EXPECT_EQ(dialog.button(EXISTING_OVERWRITE)->text(), "Overwrite");
    EXPECT_EQ(dialog.button(EXISTING_APPEND)->text(), "Append");
    EXPECT_EQ(dialog.button(EXISTING_CANCEL)->text(), "Cancel");
    for (int b : {EXISTING_OVERWRITE, EXISTING_APPEND, EXISTING_CANCEL})
      EXPECT_FALSE(dialog.button(b)->isDefault() || dialog.button(b)->autoDefault());
    dialog.show();
    QTest::mouseClick(dialog.button(id), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), id);
    EXPECT_FALSE(dialog.isVisible());
  }
}

TEST_F(FileDialogsTest, ExistingFileDialogKeysAndCloseBox) {
  ExistingFileDialog dialog(dir.filePath("x"));
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.result(), EXISTING_CANCEL);
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), EXISTING_ENTER);
  dialog.show();
  dialog.close();
  EXPECT_EQ(dialog.result(), EXISTING_CANCEL);
}

TEST(QtFilterText, PatternsGoInParenthesesSeparatedByBlanks) {
  EXPECT_EQ(qtFilterText({"Trace Files (*.trc,*.csv)", "*.trc;*.csv"}),
            "Trace Files (*.trc,*.csv) (*.trc *.csv)");
  EXPECT_EQ(qtFilterText({"ops", "*.ops"}), "ops (*.ops)");
}

// A script runner's thread asks while the user-interface thread answers.
TEST_F(FileDialogsTest, WorkerThreadAppendsThroughTheQtQuestion) {
  const std::string path = dir.filePath("old.lens").toStdString();
  std::ofstream(path) << "old\n";
  installFileDialogs();
  setFileChooser([&](const FileDialogOptions&) { return std::optional<std::string>(path); });

  std::atomic<bool> done{false};
  bool opened = false, isNew = true;
  std::thread worker([&] {
    FileRequest request{"", nullptr, {}, nullptr, "at"};
    FilePtr f = promptOpenFile(request);
    opened = static_cast<bool>(f);
    isNew = fileIsNew();
    if (f) std::fputs("new\n", f.get());
    done = true;
  });
  bool asked = false;
  whenModalOpens<ExistingFileDialog>([&](ExistingFileDialog* question) {
    asked = true;
    EXPECT_EQ(question->pathLabel()->text().toStdString(), path);
    QTest::mouseClick(question->button(EXISTING_APPEND), Qt::LeftButton);
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 10000));
  worker.join();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(opened);
  EXPECT_FALSE(isNew);
  std::ifstream in(path);
  std::string a, b;
  std::getline(in, a);
  std::getline(in, b);
  EXPECT_EQ(a, "old");
  EXPECT_EQ(b, "new");
}

TEST_F(FileDialogsTest, WorkerThreadOpenFailureShowsAMessageBoxOnTheUiThread) {
  const std::string path = dir.filePath("no-dir/x.trc").toStdString();
  installFileDialogs();
  setFileChooser([&](const FileDialogOptions&) { return std::optional<std::string>(path); });
  std::atomic<bool> done{false};
  std::thread worker([&] {
    FileRequest request{"", nullptr, {}, nullptr, "wt"};
    EXPECT_FALSE(promptOpenFile(request));
    done = true;
  });
  bool shown = false;
  whenModalOpens<QMessageBox>([&](QMessageBox* box) {
    shown = true;
    EXPECT_EQ(box->text(), "Unable to open file");
    EXPECT_EQ(box->windowTitle().toStdString(), path);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 10000));
  worker.join();
  EXPECT_TRUE(shown);
}

TEST_F(FileDialogsTest, QtChooserGetsTitleFiltersAndStartingDirectory) {
  installFileDialogs();
  setFileDialogDir(dir.path().toStdString());
  std::atomic<bool> done{false};
  FilePtr result;
  std::thread worker([&] {
    result = promptOpenFile(traceFileRequest());
    done = true;
  });
  bool chosen = false;
  whenModalOpens<QFileDialog>([&](QFileDialog* chooser) {
    chosen = true;
    EXPECT_EQ(chooser->windowTitle(), "Open Trace File");
    EXPECT_EQ(chooser->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(chooser->nameFilters().size(), 2);
    EXPECT_TRUE(chooser->nameFilters().value(1).startsWith("Trace Files (*.trc,*.csv)"));
    EXPECT_EQ(chooser->directory().absolutePath(), QDir(dir.path()).absolutePath());
    chooser->selectFile(dir.filePath("run1.trc"));
    QMetaObject::invokeMethod(chooser, "accept");
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 10000));
  worker.join();
  EXPECT_TRUE(chosen);
  EXPECT_TRUE(result);
  EXPECT_TRUE(QFileInfo::exists(dir.filePath("run1.trc")));
  EXPECT_EQ(traceFileRequest().name, dir.filePath("run1.trc").toStdString());
  setFileDialogDir("");
  traceFileRequest().name = "debug.trc";
}

}  // namespace
}  // namespace kelvane
