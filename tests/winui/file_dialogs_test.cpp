// The Qt file dialogs: the "Existing File" question driven by real clicks
// and keys, and promptOpenFile called from a worker thread while the dialogs
// run on the user-interface thread.
#include "winui/file_dialogs.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

#include "tests/qt_test_app.h"
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

TEST_F(FileDialogsTest, ExistingFileButtonsShowTheirWholeCaption) {
  ExistingFileDialog dialog(dir.filePath("debug.trc"));
  int lastRight = -1;
  for (int id : {EXISTING_OVERWRITE, EXISTING_APPEND, EXISTING_CANCEL}) {
    QPushButton* b = dialog.button(id);
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.rect = b->rect();
    opt.text = b->text();
    const QRect contents = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
    EXPECT_GE(contents.width(), b->fontMetrics().horizontalAdvance(b->text()))
        << b->text().toStdString();
    EXPECT_GT(b->geometry().left(), lastRight) << "in order, apart";
    lastRight = b->geometry().right();
    EXPECT_TRUE(dialog.rect().contains(b->geometry())) << b->text().toStdString();
  }
  EXPECT_TRUE(dialog.rect().contains(dialog.pathLabel()->geometry()));
}

// The chooser lists a folder without opening the files in it: a file that
// blocks when read (under /proc, say) would otherwise hang the dialog.
TEST_F(FileDialogsTest, ChooserNeverOpensTheFilesItLists) {
  const QString probe = dir.filePath("probe");  // no extension: only its contents tell its type
  {
    std::ofstream out(probe.toStdString());
    out << "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  }
  const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(inotify_add_watch(watch, probe.toLocal8Bit().constData(), IN_OPEN | IN_ACCESS), 0);

  bool listed = false;
  whenModalOpens<QFileDialog>([&](QFileDialog* chooser) {
    auto* model = chooser->findChild<QFileSystemModel*>();
    if (model) {
      // The type column is filled by the thread that gathers icons and types.
      listed = QTest::qWaitFor(
          [&] {
            const QModelIndex index = model->index(probe);
            return index.isValid() && !model->type(index).isEmpty();
          },
          10000);
    }
    chooser->reject();
  });
  FileDialogOptions options;
  options.initialDir = dir.path().toStdString();
  EXPECT_FALSE(chooseFileWithDialog(options).has_value());
  EXPECT_TRUE(listed);

  char events[4096];
  const ssize_t n = read(watch, events, sizeof events);
  close(watch);
  EXPECT_LE(n, 0) << "the chooser opened or read the listed file";
}

// A pipe, or a file of the kernel's own file systems, would block the
// thread that opens or reads it: the chooser refuses them with a word and
// stays open.
TEST_F(FileDialogsTest, ChooserRefusesNamesThatCouldBlock) {
  const QString fifo = dir.filePath("pipe");
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  const QString procFile = QStringLiteral("/proc/self/status");
  std::vector<QString> warnings;
  bool stayedOpen = true;
  whenModalOpens<QFileDialog>([&](QFileDialog* chooser) {
    for (const QString& name : {fifo, procFile}) {
      whenModalOpens<QMessageBox>([&](QMessageBox* box) {
        warnings.push_back(box->text());
        box->close();
      });
      chooser->selectFile(name);
      QMetaObject::invokeMethod(chooser, "accept");
      stayedOpen = stayedOpen && chooser->isVisible();
    }
    chooser->reject();
  });
  FileDialogOptions options;
  options.initialDir = dir.path().toStdString();
  EXPECT_FALSE(chooseFileWithDialog(options).has_value());
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_TRUE(warnings[0].contains(fifo)) << warnings[0].toStdString();
  EXPECT_TRUE(warnings[1].contains(procFile)) << warnings[1].toStdString();
  // An ordinary file, new or old, is no matter for refusal.
  EXPECT_TRUE(refusedChoiceReason(dir.filePath("new.trc")).isEmpty());
  std::ofstream(dir.filePath("old.trc").toStdString()) << "x\n";
  EXPECT_TRUE(refusedChoiceReason(dir.filePath("old.trc")).isEmpty());
}

}  // namespace
}  // namespace kelvane
