#include "trace/ui/file_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>

#include "trace/dbgprint.h"
#include "trace/ui/dialog_units.h"

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

QWidget* ownerWidget(void* owner) {
  if (owner) return static_cast<QWidget*>(owner);
  return QApplication::activeWindow();
}

}  // namespace

QString qtFilterText(const FileFilter& filter) {
  QString patterns = QString::fromStdString(filter.pattern);
  patterns.replace(';', ' ');
  return QString::fromStdString(filter.description) + " (" + patterns + ")";
}

std::optional<std::string> chooseFileWithDialog(const FileDialogOptions& options) {
  const bool save = options.kind == FileDialogKind::Save;
  QString title = QString::fromStdString(options.title);
  if (title.isEmpty()) title = save ? QStringLiteral("Save As") : QStringLiteral("Open");

  QFileDialog dialog(QApplication::activeWindow(), title);
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
  setWindowTitle(QStringLiteral("Existing File"));
  setModal(true);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);

  m_path = new QLabel(QStringLiteral("This file exists"), this);
  m_path->setFrameStyle(QFrame::Box | QFrame::Plain);
  m_path->setText(path);
  m_path->setToolTip(path);
  m_overwrite = new QPushButton(QStringLiteral("Overwrite"), this);
  m_append = new QPushButton(QStringLiteral("Append"), this);
  m_cancel = new QPushButton(QStringLiteral("Cancel"), this);

  // Fixed geometry in dialog units; no button is the default.
  m_path->setGeometry(dialogUnitsRect(this, 6, 4, 170, 10));
  m_overwrite->setGeometry(dialogUnitsRect(this, 78, 19, 36, 14));
  m_append->setGeometry(dialogUnitsRect(this, 117, 19, 29, 14));
  m_cancel->setGeometry(dialogUnitsRect(this, 148, 19, 27, 14));
  for (QPushButton* b : {m_overwrite, m_append, m_cancel}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  setFixedSize(dialogUnitsX(this, 180), dialogUnitsY(this, 39));

  connect(m_overwrite, &QPushButton::clicked, this, [this] { done(EXISTING_OVERWRITE); });
  connect(m_append, &QPushButton::clicked, this, [this] { done(EXISTING_APPEND); });
  connect(m_cancel, &QPushButton::clicked, this, [this] { done(EXISTING_CANCEL); });
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
  box.setWindowTitle(QString::fromUtf8(caption));
  box.setText(QString::fromUtf8(text));
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
