// The Lens Maker dialog: fields for a target focus, depth and width and for
// the two faces, and a "&Make" button with a result list. It computes no
// lens: it remembers the CV/CC choice of the two faces between openings and
// "&Make" adds one fixed test line to its list.
#pragma once

#include <QDialog>

class QButtonGroup;
class QListWidget;
class QPushButton;

namespace kelvane {

// Control ids.
inline constexpr int IDC_MAKER_FOCUS = 100;
inline constexpr int IDC_MAKER_DEPTH = 101;
inline constexpr int IDC_MAKER_WIDTH = 102;
inline constexpr int IDC_MAKER_INGRESS_X = 103;
inline constexpr int IDC_MAKER_INGRESS_Y = 104;
inline constexpr int IDC_MAKER_EGRESS_X = 105;
inline constexpr int IDC_MAKER_EGRESS_Y = 106;
inline constexpr int IDC_MAKER_INGRESS_CV = 110;
inline constexpr int IDC_MAKER_INGRESS_CC = 111;
inline constexpr int IDC_MAKER_EGRESS_CV = 112;
inline constexpr int IDC_MAKER_EGRESS_CC = 113;
inline constexpr int IDC_MAKER_MAKE = 120;
inline constexpr int IDC_MAKER_LIST = 121;

// The dialog's closing commands: Enter and Esc (or the close box).
inline constexpr int IDOK_COMMAND = 1;
inline constexpr int IDCANCEL_COMMAND = 2;

inline constexpr char kLensMakerCaption[] = "Lens Maker";
inline constexpr char kLensMakerTestLine[] = "Lens Maker test line: no lens is computed yet";

// The faces chosen last: bit 1 ingress CC, bit 0 egress CC. Kept for the
// whole run; nothing else reads it.
int lensMakerShape();

class LensMaker : public QDialog {
  Q_OBJECT
 public:
  explicit LensMaker(QWidget* owner);
  QWidget* control(int id) const;
  QListWidget* list() const { return m_list; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QListWidget* m_list = nullptr;
};

// Runs the modal dialog over `mainWindow`; returns the command that closed
// it (1 for Enter, 2 for Esc or the close box).
int runLensMaker(QWidget* mainWindow);

}  // namespace kelvane
