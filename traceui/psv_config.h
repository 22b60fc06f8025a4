// "PsView Window Configuration": the ring's longest line and its size.
// Ok checks both fields and keeps the dialog open with a message for a bad
// one; the ring is rebuilt only when a value changed.
#pragma once

#include <QDialog>
#include <QtGlobal>
#include <optional>

class QLineEdit;
class QPushButton;

namespace kelvane {

class PsView;

inline constexpr int PSV_CONFIG_MAX_LINE = 500;
inline constexpr int PSV_CONFIG_BUFFER_SIZE = 501;
inline constexpr const char* kPsViewConfigCaption =
    QT_TRANSLATE_NOOP("kelvane", "PsView Window Configuration");
inline constexpr const char* kInvalidMaxLine =
    QT_TRANSLATE_NOOP("kelvane", "Invalid max line value");
inline constexpr const char* kInvalidBufferSize =
    QT_TRANSLATE_NOOP("kelvane", "Invalid buffer size value");
// The caption a message box gets when its caller names none.
inline constexpr const char* kDefaultBoxCaption = QT_TRANSLATE_NOOP("kelvane", "Error");

class PsvConfigDialog : public QDialog {
  Q_OBJECT
 public:
  PsvConfigDialog(PsView& view, QWidget* parent = nullptr);

  QLineEdit* field(int id) const;
  QPushButton* okButton() const { return m_ok; }
  QPushButton* cancelButton() const { return m_cancel; }

  // The Ok button: checks, applies, and ends with 1; or shows why not.
  void okPressed();
  // Cancel, Escape and the close box end with 2 and change nothing.
  void reject() override { done(2); }

 private:
  PsView& m_view;
  QLineEdit* m_maxLine;
  QLineEdit* m_bufferSize;
  QPushButton* m_ok;
  QPushButton* m_cancel;
};

// Reads an unsigned decimal number from the whole text; nothing if it is not one.
std::optional<unsigned long> readUnsigned(const QString& text);

}  // namespace kelvane
