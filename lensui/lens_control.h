// The Lens Control dialog: the one place where the user shapes the lens.
// Five slider rows (ingress X and Y, egress X and Y, depth), CV/CC buttons
// per face, the limits Xmax/Ymax, the refractive index, the width lock and
// fill percentage, the traced focus, deviation and percentage, the glass,
// medium and light, and the light source. Every
// change copies the slider values into the lens, retraces and repaints the
// lens view. Modeless, owned by the lens view, at most one.
//
// Everything here runs on the user-interface thread.
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <QtGlobal>
#include <map>

#include "model/lens_model.h"

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QPushButton;
class QCheckBox;
class QSlider;

namespace kelvane {

class DialogUnits;
class LensColourGroup;
class LensSourceGroup;
class LensStatusLine;
class LensWnd;
class UpDown;

// Control ids.
inline constexpr int IDC_ROW_FIRST = 100;  // row r: edit 100+3r, up-down 101+3r, trackbar 102+3r
inline constexpr int IDC_ROW_LAST = 114;
inline constexpr int IDC_WIDTH_EDIT = 115;
inline constexpr int IDC_WIDTH_SPIN = 116;
inline constexpr int IDC_FILL_EDIT = 117;
inline constexpr int IDC_FILL_SPIN = 118;
inline constexpr int IDC_INGRESS_CV = 130;
inline constexpr int IDC_INGRESS_CC = 131;
inline constexpr int IDC_EGRESS_CV = 132;
inline constexpr int IDC_EGRESS_CC = 133;
inline constexpr int IDC_XMAX = 140;
inline constexpr int IDC_YMAX = 141;
inline constexpr int IDC_RINDEX = 142;
inline constexpr int IDC_INGRESS_ECC = 150;
inline constexpr int IDC_EGRESS_ECC = 151;
inline constexpr int IDC_LOCK = 160;
inline constexpr int IDC_FOCUS = 161;
inline constexpr int IDC_DEV = 162;
inline constexpr int IDC_DEVPCNT = 163;
inline constexpr int IDC_MULTI = 170;
inline constexpr int IDC_SAVE = 171;
inline constexpr int IDC_COPY = 172;
inline constexpr int IDC_SCRIPT = 173;
inline constexpr int IDC_STATUS = 174;
inline constexpr int IDC_GLASS = 180;
inline constexpr int IDC_MEDIUM = 181;
inline constexpr int IDC_LIGHT = 182;
inline constexpr int IDC_WAVELENGTH = 183;

// Private messages (WM_USER = 1024).
inline constexpr int WM_EDIT_ENTER = 1225;         // wParam: the edit's id; apply its value
inline constexpr int WM_LENS_APPLY_RANGES = 1424;  // re-apply every slider range, no retrace
inline constexpr int WM_LENS_RECOMPUTE = 1425;     // retrace and show the results

inline constexpr char kLensControlCaption[] = QT_TRANSLATE_NOOP("kelvane", "Lens Control");
inline constexpr char kNoFocusText[] = "--";

// Dialog size and position in dialog units.
inline constexpr int kLensControlDluX = 22;
inline constexpr int kLensControlDluY = 17;
inline constexpr int kLensControlDluW = 291;
// 110 units of the first template, and under them the "Colour" (42) and
// "Light source" (44) groups.
inline constexpr int kLensControlDluH = 196;

// The largest Xmax or Ymax the dialog takes, and its digits: the limit
// fields are sized to show it whole.
inline constexpr int kLimitMaxDigits = 5;
inline constexpr int kLimitMax = 99999;

// The row of a control id 100..114, else -1.
int sliderGroupOf(int id);

// The range of row r's trackbar and up-down: X semi-axes 1..Xmax, Y
// semi-axes 1..Ymax, depth 1..Xmax / 2 (never an empty range).
int sliderRowLimit(int row);
// The largest value row r takes: as sliderRowLimit, but depth up to Xmax.
int typedRowLimit(int row);
// Holds every slider value to 1..typedRowLimit after a change of Xmax or
// Ymax; true when one moved (the caller then commits and retraces).
bool clampSlidersToLimits();

class LensControl : public QWidget {
  Q_OBJECT
 public:
  explicit LensControl(LensWnd* view);
  ~LensControl() override;

  // The dialog's private messages (WM_EDIT_ENTER, WM_LENS_APPLY_RANGES,
  // WM_LENS_RECOMPUTE), handled at once. Returns false for any other number.
  bool sendMessage(int message, int wParam = 0);

  // The control with this id, or null.
  QWidget* control(int id) const;
  template <class T>
  T* controlAs(int id) const {
    return qobject_cast<T*>(control(id));
  }

  // The slider values become the lens, through one undo command whose redo
  // retraces and shows it: the common end of every value change.
  void commitAndRecompute();
  // The same for `after` (the slider values as its lens, with a new index,
  // lock, fill or shape); recomputes when nothing changed.
  void commit(const LensState& after);
  // Eccentricities, retrace, width and results, repaint of the view.
  void recomputeLens();
  // Shows the ranges and values of every slider row, the width spin box,
  // Xmax, Ymax and the refractive index.
  void showRanges();
  // Checks the CV/CC buttons after the lens shape.
  void showShapes();
  // Ticks "Multi" exactly in multi-beam mode.
  void showBeamMode();
  // Ticks "&Lock" as given.
  void showLock(bool locked);
  // The fill spin box position (a percentage).
  void showFill(int percent);

  // For the script runner: the "&Script" button's text ("&Script", "&Stop",
  // "re&Sume"), the script's name on the status line and whether it runs.
  void setScriptButtonText(const QString& text);
  void setStatusText(const QString& text);
  void setStatusEnabled(bool enabled);
  // Enables "Save" and "&Script" after their hooks in the session.
  void updateHookButtons();
  LensStatusLine* statusLine() const { return m_status; }
  LensSourceGroup* sourceGroup() const { return m_sourceGroup; }
  LensColourGroup* colourGroup() const { return m_colourGroup; }
  // The line "Copy" traces and puts on the clipboard.
  QString copyLine() const;

 protected:
  bool event(QEvent* event) override;
  // Marks where undo steps begin: each mouse or key press in the dialog.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // What closing means, done once: stop a running script, remember the
  // outer rectangle, and leave the session without a dialog.
  void detach();
  bool m_detached = false;
  void build();
  void buildLimitFields(const DialogUnits& du);
  void registerControl(int id, QWidget* w);
  // WM_LENS_APPLY_RANGES: the new limits hold the slider values, rayEndX
  // follows Xmax, and a change of either is retraced.
  void onApplyRanges();
  void onSliderAction(int row, int action);
  void onSpinPosition(int id, int pos);
  void onEditEnter(int id);
  void onShapeButton(int id);
  void onCommand(int id);

  std::map<int, QWidget*> m_controls;
  QSlider* m_sliders[5] = {};
  QLineEdit* m_rowEdits[5] = {};
  UpDown* m_rowSpins[5] = {};
  UpDown* m_widthSpin = nullptr;
  UpDown* m_fillSpin = nullptr;
  QButtonGroup* m_ingressGroup = nullptr;
  QButtonGroup* m_egressGroup = nullptr;
  QCheckBox* m_lock = nullptr;
  QPushButton* m_multi = nullptr;
  QPushButton* m_script = nullptr;
  QPushButton* m_save = nullptr;
  LensStatusLine* m_status = nullptr;
  LensSourceGroup* m_sourceGroup = nullptr;
  LensColourGroup* m_colourGroup = nullptr;
  // Wheel turns closer together than this are one undo step.
  static constexpr int kWheelPauseMs = 500;
  QElapsedTimer m_wheelTurning;
  // Presses of one key closer together than this are one undo step (the
  // repeats of a held key).
  static constexpr int kKeyRepeatMs = 150;
  int m_lastKey = 0;
  QElapsedTimer m_keyPressed;
};

// Opens the dialog over the lens view, or gives the open one the focus. The
// first opening puts it 4 pixels in from the view's bottom-right corner,
// later ones where it was when it last closed.
void openLensControl();

// The operations the script runner uses (through the user-interface thread).
// Shows the lens as it is now: shapes, slider values, ranges, repaint and a
// retrace; with the dialog closed only the slider values, rayEndX and the
// repaint take effect.
void refreshLensControl();
// a < 0 unlocks; a > 0 locks at width a; 0 locks at the width locked before.
void setLockWidth(int a);
// Unlocks and sets the fill to p percent, held to 1..99.
void setFillPercent(int p);
// The slider values and width value from the lens (add 0.5, truncate).
void slidersFromLens();
// The slider ranges from Xmax/Ymax (held to kLimitMax), and rayEndX = Xmax;
// no retrace.
void applyRanges();
// The CV/CC buttons after the lens shape.
void showFaceShapes();

}  // namespace kelvane
