// The Qt faces of the Qt-free file requests and message boxes: the file
// chooser (QFileDialog), the "Existing File" question and the message box
// behind msgBoxPrintf. Each may be asked from any thread; the dialog itself
// always runs on the user-interface thread while the asking thread waits.
#pragma once

#include <QDialog>
#include <QString>

#include "trace/filerequest.h"

class QLabel;
class QPushButton;

namespace kelvane {

// Installs the chooser, the "Existing File" question and the message box
// handler. Call once, after the QApplication exists.
void installFileDialogs();

// The QFileDialog-based chooser (exposed for tests).
std::optional<std::string> chooseFileWithDialog(const FileDialogOptions& options);
// Why the chooser refuses `path`, or an empty text when it may be chosen:
// an existing name that is not a regular file, or a file of the kernel's own
// file systems (/proc, /sys), which may block when read.
QString refusedChoiceReason(const QString& path);
// The Qt filter string for one FileFilter: "Trace Files (*.trc,*.csv) (*.trc *.csv)".
QString qtFilterText(const FileFilter& filter);

// "Existing File": the chosen path, then Overwrite (101), Append (102) and
// Cancel (2); no default button. Enter ends it with 1, Escape and the close
// box with 2.
class ExistingFileDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ExistingFileDialog(const QString& path, QWidget* parent = nullptr);

  QLabel* pathLabel() const { return m_path; }
  QPushButton* button(int id) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void layOut();
  QLabel* m_path;
  QPushButton* m_overwrite;
  QPushButton* m_append;
  QPushButton* m_cancel;
};

// Shows one message box: the caption, the text, the icon from `style`
// (0x10: error) and an OK button; returns 1.
int showQtMessageBox(void* owner, unsigned style, const char* text, const char* caption);

}  // namespace kelvane
