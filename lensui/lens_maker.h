// The Lens Maker dialog: the lens designer's front end. Its target focus,
// depth and width fields, the two faces with their X and Y, the index and
// the bounds searched for the values left empty make the request; "&Make"
// runs the designer on a worker thread with a progress bar and "Cancel",
// and the list shows each designed lens with its focus and dev %.
// Double-clicking a lens shows it in the lens view as one undo step; "Copy"
// puts its script line on the clipboard. The CV/CC choice of the two faces
// is remembered between openings; the number fields start afresh.
#pragma once

#include <QDialog>
#include <QTimer>
#include <QtGlobal>
#include <memory>

#include "calc/lens_design.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

namespace kelvane {

class DesignWorker;

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
inline constexpr int IDC_MAKER_CANCEL = 122;
inline constexpr int IDC_MAKER_COPY = 123;
inline constexpr int IDC_MAKER_PROGRESS = 124;
inline constexpr int IDC_MAKER_STATUS = 125;
// The index and the bounds of the values left empty.
inline constexpr int IDC_MAKER_INDEX = 130;
inline constexpr int IDC_MAKER_AXES_LEAST = 131;
inline constexpr int IDC_MAKER_AXES_MOST = 132;
inline constexpr int IDC_MAKER_DEPTHS_LEAST = 133;
inline constexpr int IDC_MAKER_DEPTHS_MOST = 134;

// The dialog's closing commands: Enter and Esc (or the close box).
inline constexpr int IDOK_COMMAND = 1;
inline constexpr int IDCANCEL_COMMAND = 2;

inline constexpr char kLensMakerCaption[] = QT_TRANSLATE_NOOP("kelvane", "Lens Maker");

// The faces chosen last: bit 1 ingress CC, bit 0 egress CC. Kept for the
// whole run; nothing else reads it.
int lensMakerShape();

class LensMaker : public QDialog {
  Q_OBJECT
 public:
  explicit LensMaker(QWidget* owner);
  ~LensMaker() override;
  QWidget* control(int id) const;
  QListWidget* list() const { return m_list; }
  // The message shown next to field `id`; empty when it reads.
  QString fieldMessage(int id) const;
  bool running() const { return m_worker != nullptr; }

  // Ends a run in progress first.
  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildLayout();
  void make();
  void cancelRun();
  void poll();
  void endRun();
  void showLens(QListWidgetItem* item);
  void copyLine();
  void setStatus(const QString& text);

  QListWidget* m_list = nullptr;
  QPushButton* m_make = nullptr;
  QPushButton* m_cancel = nullptr;
  QPushButton* m_copy = nullptr;
  QProgressBar* m_progress = nullptr;
  QLabel* m_status = nullptr;
  QTimer m_poll;
  DesignRequest m_request;                 // of the run in progress
  std::unique_ptr<DesignWorker> m_worker;  // while a run is in progress
};

// Runs the modal dialog over `mainWindow`; returns the command that closed
// it (1 for Enter, 2 for Esc or the close box).
int runLensMaker(QWidget* mainWindow);

}  // namespace kelvane
