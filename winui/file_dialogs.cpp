#include "winui/file_dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>

#ifdef __linux__
#include <sys/vfs.h>
#endif

#include "trace/dbgprint.h"
#include "winui/dialog_units.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

// Set when the application starts quitting: a thread waiting for a dialog
// then gives up instead of waiting for an event loop that has ended.
std::atomic<bool> gQuitting{false};

// Runs `fn` on the user-interface thread and returns its result. From
// another thread the call is posted and the caller waits, never the other
// way round, so the user-interface thread cannot deadlock on it.
template <typename R, typename F>
R callOnUiThread(F fn, R fallback) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return fallback;
  if (QThread::currentThread() == app->thread()) return fn();
  auto promise = std::make_shared<std::promise<R>>();
  std::future<R> result = promise->get_future();
  QMetaObject::invokeMethod(
      app, [promise, fn] { promise->set_value(fn()); }, Qt::QueuedConnection);
  using namespace std::chrono_literals;
  while (result.wait_for(100ms) != std::future_status::ready) {
    if (gQuitting.load()) return fallback;
  }
  try {
    return result.get();
  } catch (const std::future_error&) {  // the event was dropped at quit
    return fallback;
  }
}

// Icons and type names for the chooser's list, from the kind of entry and
// the name alone. Qt's own provider opens files to sniff their type, and a
// file that blocks when read (under /proc, a device behind a regular name)
// would hang the chooser's information thread, and with it the closing of
// the dialog and every later one.
class NameOnlyIconProvider : public QFileIconProvider {
 public:
  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override {
    if (info.isRoot()) return icon(Drive);
    if (info.isDir()) return icon(Folder);
    return icon(File);
  }
  QString type(const QFileInfo& info) const override {
    if (info.isDir() || info.isRoot()) return QFileIconProvider::type(info);
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
  }
};

// A chooser that refuses, with a word to the user, the names no caller can
// safely open: what is not a regular file (a pipe opens only when someone
// writes to it, a device may never answer) and the files of the kernel's
// own file systems. Each caller opens and reads the chosen file on a thread
// that others wait for, so such a choice would freeze the program.
class GuardedFileDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty() && !QFileInfo(chosen.front()).isDir()) {
      const QString why = refusedChoiceReason(chosen.front());
      if (!why.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), why);
        return;
      }
    }
    QFileDialog::accept();
  }
};

// The area of a push button that holds its caption, for a button of size `size`.
QRect buttonContents(const QPushButton* button, QSize size) {
  QStyleOptionButton opt;
  opt.initFrom(button);
  opt.rect = QRect(QPoint(0, 0), size);
  opt.text = button->text();
  return button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
}

// The narrowest width at which the button shows its caption whole, with the
// style's margin on either side of the text.
int buttonWidthForCaption(const QPushButton* button, int height) {
  QStyleOptionButton opt;
  opt.initFrom(button);
  const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, button);
  const int text = button->fontMetrics().horizontalAdvance(button->text());
  const int probe = text + 2 * margin;
  const int frame = probe - buttonContents(button, QSize(probe, height)).width();
  return probe + frame;
}

QWidget* ownerWidget(void* owner) {
  if (owner) return static_cast<QWidget*>(owner);
  return QApplication::activeWindow();
}

}  // namespace

QString refusedChoiceReason(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return {};  // a new file: opening it creates it
  if (!info.isFile())
    return QCoreApplication::translate("kelvane", "\"%1\" is not a regular file.").arg(path);
#ifdef __linux__
  // Kernel file systems, whose files may block when read.
  constexpr unsigned long kProc = 0x9fa0, kSysfs = 0x62656572, kDebugfs = 0x64626720,
                          kTracefs = 0x74726163, kSecurityfs = 0x73636673;
  struct statfs fs {};
  if (statfs(QFile::encodeName(info.absoluteFilePath()).constData(), &fs) == 0) {
    const auto type = static_cast<unsigned long>(fs.f_type);
    if (type == kProc || type == kSysfs || type == kDebugfs || type == kTracefs ||
        type == kSecurityfs)
      return QCoreApplication::translate("kelvane",
                                         "\"%1\" is a system file, not one to open here.")
          .arg(path);
  }
#endif
  return {};
}

QString qtFilterText(const FileFilter& filter) {
  QString patterns = QString::fromStdString(filter.pattern);
  patterns.replace(';', ' ');
  return uiText(filter.description.c_str()) + " (" + patterns + ")";
}

std::optional<std::string> chooseFileWithDialog(const FileDialogOptions& options) {
  const bool save = options.kind == FileDialogKind::Save;
  QString title = uiText(options.title.c_str());
  if (title.isEmpty())
    title = save ? QCoreApplication::translate("kelvane", "Save As")
                 : QCoreApplication::translate("kelvane", "Open");

  // Declared first: the dialog's information thread uses it until the
  // dialog is gone.
  NameOnlyIconProvider iconProvider;
  GuardedFileDialog dialog(QApplication::activeWindow(), title);
  // Our own dialog, so that nothing in it reads the files it lists: a
  // platform dialog would sniff contents by its own rules.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::DontUseCustomDirectoryIcons, true);
  dialog.setIconProvider(&iconProvider);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The patterns already stand in the descriptions ("Trace Files (*.trc,*.csv)").
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  if (!options.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);

  QStringList filters;
  for (const FileFilter& f : options.filter) filters << qtFilterText(f);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
  }

  const QString name = QString::fromStdString(options.initialName);
  const QFileInfo nameInfo(name);
  if (nameInfo.isAbsolute()) {
    dialog.setDirectory(nameInfo.absolutePath());
    dialog.selectFile(nameInfo.fileName());
  } else {
    if (!options.initialDir.empty())
      dialog.setDirectory(QString::fromStdString(options.initialDir));
    if (!name.isEmpty()) dialog.selectFile(name);
  }

  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  if (options.pathMustExist && !QFileInfo(chosen.front()).absoluteDir().exists())
    return std::nullopt;
  return QDir::toNativeSeparators(chosen.front()).toStdString();
}

ExistingFileDialog::ExistingFileDialog(const QString& path, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Existing File"));
  setModal(true);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);

  m_path = new QLabel(tr("This file exists"), this);
  m_path->setFrameStyle(QFrame::Box | QFrame::Plain);
  m_path->setText(path);
  m_path->setToolTip(path);
  m_overwrite = new QPushButton(tr("Overwrite"), this);
  m_append = new QPushButton(tr("Append"), this);
  m_cancel = new QPushButton(tr("Cancel"), this);

  // No button is the default.
  for (QPushButton* b : {m_overwrite, m_append, m_cancel}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  layOut();

  connect(m_overwrite, &QPushButton::clicked, this, [this] { done(EXISTING_OVERWRITE); });
  connect(m_append, &QPushButton::clicked, this, [this] { done(EXISTING_APPEND); });
  connect(m_cancel, &QPushButton::clicked, this, [this] { done(EXISTING_CANCEL); });
}

void ExistingFileDialog::layOut() {
  // The template's places in dialog units, but every button at least as
  // large as its caption needs in this font and style: the row of buttons
  // keeps its gaps and right margin, and the dialog widens when it must.
  struct Place {
    QPushButton* button;
    int duWidth;
  };
  const Place places[] = {{m_overwrite, 36}, {m_append, 29}, {m_cancel, 27}};
  const int rightMargin = dialogUnitsX(this, 180 - 175);
  const int height = dialogUnitsY(this, 14);
  int widths[3];
  for (int i = 0; i < 3; ++i)
    widths[i] = std::max(dialogUnitsX(this, places[i].duWidth),
                         buttonWidthForCaption(places[i].button, height));
  const int gaps[2] = {dialogUnitsX(this, 117 - 114), dialogUnitsX(this, 148 - 146)};
  // From the first button's left edge to the last one's right edge.
  const int rowWidth = widths[0] + gaps[0] + widths[1] + gaps[1] + widths[2];
  const int dialogWidth =
      std::max(dialogUnitsX(this, 180), dialogUnitsX(this, 78) + rowWidth + rightMargin);
  const int top = dialogUnitsY(this, 19);
  int right = dialogWidth - rightMargin;
  for (int i = 2; i >= 0; --i) {
    places[i].button->setGeometry(right - widths[i], top, widths[i], height);
    right -= widths[i] + (i > 0 ? gaps[i - 1] : 0);
  }
  const int left = dialogUnitsX(this, 6);
  m_path->setGeometry(left, dialogUnitsY(this, 4), dialogWidth - 2 * left + dialogUnitsX(this, 2),
                      dialogUnitsY(this, 10));
  setFixedSize(dialogWidth, dialogUnitsY(this, 39));
}

QPushButton* ExistingFileDialog::button(int id) const {
  switch (id) {
    case EXISTING_OVERWRITE:
      return m_overwrite;
    case EXISTING_APPEND:
      return m_append;
    case EXISTING_CANCEL:
      return m_cancel;
    default:
      return nullptr;
  }
}

void ExistingFileDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    done(EXISTING_ENTER);
    return;
  }
  QDialog::keyPressEvent(event);  // Escape ends up in reject()
}

void ExistingFileDialog::reject() { done(EXISTING_CANCEL); }

int showQtMessageBox(void* owner, unsigned style, const char* text, const char* caption) {
  QMessageBox box(ownerWidget(owner));
  // Fixed messages are translated; formatted ones keep their words.
  box.setWindowTitle(uiText(caption));
  box.setText(uiText(text));
  box.setIcon((style & MB_ICON_ERROR) ? QMessageBox::Critical : QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  if (style & MB_TASK_MODAL) box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  return static_cast<int>(MB_IDOK);
}

void installFileDialogs() {
  gQuitting = false;
  if (QCoreApplication* app = QCoreApplication::instance())
    QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { gQuitting = true; });

  setFileChooser([](const FileDialogOptions& options) {
    return callOnUiThread<std::optional<std::string>>(
        [options] { return chooseFileWithDialog(options); }, std::nullopt);
  });
  setExistingFileAsker([](const std::string& path) {
    return callOnUiThread<int>(
        [path] {
          ExistingFileDialog dialog(QString::fromStdString(path), QApplication::activeWindow());
          return dialog.exec();
        },
        EXISTING_CANCEL);
  });
  setMessageBoxHandler([](void* owner, unsigned style, const char* text, const char* caption) {
    const std::string t = text, c = caption;
    return callOnUiThread<int>(
        [owner, style, t, c] { return showQtMessageBox(owner, style, t.c_str(), c.c_str()); },
        static_cast<int>(MB_IDOK));
  });
}

}  // namespace kelvane
