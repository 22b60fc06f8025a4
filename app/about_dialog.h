// The About box ("About Kelvane": version "313" and the build's time stamp;
// no buttons, Enter or Escape closes it) and the Help dialog ("Kelvane Help":
// an OK button and a quick start).
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kelvane {

inline constexpr int ABOUT_ICON = 100;
inline constexpr int ABOUT_VERSION = 101;
inline constexpr int ABOUT_UPDATED = 102;
inline constexpr int ABOUT_COMPILED = 103;
inline constexpr int HELP_TEXT = 200;

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
  // The value fields 101 to 103.
  QLabel* field(int id) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* m_version;
  QLabel* m_updated;
  QLabel* m_compiled;
};

class HelpDialog : public QDialog {
  Q_OBJECT
 public:
  explicit HelpDialog(QWidget* parent = nullptr);
  QPlainTextEdit* text() const { return m_text; }
  QPushButton* okButton() const { return m_ok; }

 protected:
  void reject() override;

 private:
  QPushButton* m_ok;
  QPlainTextEdit* m_text;
};

}  // namespace kelvane
