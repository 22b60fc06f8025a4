// The Lens Control dialog's behaviour: what each control does to the lens,
// the retrace and how the results are shown. Its controls are laid out in
// lens_control_layout.cpp, the operations for the view and the script runner
// are in lens_control_ops.cpp.
#include "lensui/lens_control.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "lensui/dialog_fields.h"
#include "lensui/lens_colour_group.h"
#include "lensui/lens_paint.h"
#include "lensui/lens_session.h"
#include "lensui/lens_source_group.h"
#include "lensui/lens_status_line.h"
#include "lensui/lens_undo.h"
#include "lensui/lens_wnd.h"
#include "lensui/up_down.h"
#include "trace/dbgprint.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

QString indexText(double indexRatio) { return QString::asprintf("%2.2f", 1.0 / indexRatio); }

// The Refractive Index field is the Custom glass's index; with a catalogue
// glass it shows the index traced and cannot be typed in.
void showIndexField(QLineEdit* field, const LensModel& model) {
  const bool custom = model.colour().glass.empty();
  field->setText(indexText(custom ? model.state().indexRatio : model.indexRatio()));
  field->setEnabled(custom);
}

// What one step of the dialog is called on the undo stack.
QString stepText() { return uiText(kLensControlCaption); }

// The state in force with the slider values as the lens.
LensState committedState() {
  const LensSession& s = lensSession();
  LensState state = s.model.state();
  const auto& v = s.sliderValues;
  state.lens =
      Lens{double(v[0]), double(v[1]), double(v[2]), double(v[3]), double(v[4]), state.lens.shape};
  return state;
}

}  // namespace

int sliderGroupOf(int id) {
  if (id < IDC_ROW_FIRST || id > IDC_ROW_LAST) return -1;
  return (id - IDC_ROW_FIRST) / 3;
}

LensControl::LensControl(LensWnd* view)
    : QWidget(view, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(uiText(kLensControlCaption));
  lensSession().control = this;
  build();
  showBeamMode();
  showShapes();
  m_fillSpin->setup(kFillMinPercent, kFillMaxPercent,
                    static_cast<int>(lensSession().model.settings().fill * 100));
  // The dialog shows the lens as it is: a lens set with fractions (a preset,
  // an undo) keeps them until the user changes a value here.
  slidersFromLens();
  applyRanges();
  recomputeLens();
  updateHookButtons();
  lensUndo().addActionsTo(this);
  // Every press starts a new undo step; what one press does is one step.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

LensControl::~LensControl() { detach(); }

void LensControl::detach() {
  if (m_detached) return;
  m_detached = true;
  LensSession& s = lensSession();
  if (s.stopScript) s.stopScript();
  s.savedDialogRect = frameGeometry();
  if (s.control == this) s.control = nullptr;
}

void LensControl::closeEvent(QCloseEvent* event) {
  // The dialog is gone for everyone at once; the widget itself is deleted
  // when the event loop comes round.
  detach();
  QWidget::closeEvent(event);
}

void LensControl::registerControl(int id, QWidget* w) {
  m_controls[id] = w;
  w->setObjectName(QStringLiteral("ctl%1").arg(id));
}

QWidget* LensControl::control(int id) const {
  auto it = m_controls.find(id);
  return it == m_controls.end() ? nullptr : it->second;
}

bool LensControl::sendMessage(int message, int wParam) {
  switch (message) {
    case WM_EDIT_ENTER:
      onEditEnter(wParam);
      return true;
    case WM_LENS_APPLY_RANGES:
      onApplyRanges();
      return true;
    case WM_LENS_RECOMPUTE:
      recomputeLens();
      return true;
    default:
      return false;
  }
}

void LensControl::commitAndRecompute() { commit(committedState()); }

void LensControl::commit(const LensState& after) {
  // The command's redo retraces and shows the results; a running script
  // shows its lens only at its next refresh, so the dialog shows it now.
  if (!lensUndo().change(after, stepText(), Show::Results) || lensUndo().scriptRunning())
    recomputeLens();
}

void LensControl::recomputeLens() {
  LensSession& s = lensSession();
  const auto& v = s.sliderValues;
  controlAs<QLineEdit>(IDC_INGRESS_ECC)
      ->setText(QString::asprintf("%.3f", eccentricity(v[0], v[1])));
  controlAs<QLineEdit>(IDC_EGRESS_ECC)
      ->setText(QString::asprintf("%.3f", eccentricity(v[2], v[3])));
  retraceLens();
  const bool multi = s.model.beamMode() == kMultiBeamMode;
  const TraceResults& res = s.model.results();
  s.widthValue = roundUnit(res.width);
  writeIntField(controlAs<QLineEdit>(IDC_WIDTH_EDIT), s.widthValue);
  auto* focus = controlAs<QLineEdit>(IDC_FOCUS);
  auto* dev = controlAs<QLineEdit>(IDC_DEV);
  auto* pcnt = controlAs<QLineEdit>(IDC_DEVPCNT);
  // The multi-beam trace finds no focus: what the results still hold is the
  // last single-beam trace's.
  if (!multi && res.focus != 0 && !std::isnan(res.focus)) {
    writeIntField(focus, roundUnit(res.focus));
    writeIntField(dev, roundUnit(res.dev));
    pcnt->setText(QString::asprintf("%.2f", res.devpcnt));
  } else {
    focus->setText(kNoFocusText);
    dev->setText(kNoFocusText);
    pcnt->setText(kNoFocusText);
  }
  std::optional<std::array<int, 5>> fans;
  if (multi)
    fans = std::array<int, 5>{res.fanCounts[0], res.fanCounts[1], res.fanCounts[2],
                              res.fanCounts[3], res.fanCounts[4]};
  m_status->setFanCounts(fans);
  m_sourceGroup->showSource(s.model.source());
  m_colourGroup->showColour(s.model.colour());
  // The field keeps what was typed into it; it changes with the glass.
  auto* rindex = controlAs<QLineEdit>(IDC_RINDEX);
  if (!s.model.colour().glass.empty() || !rindex->isEnabled()) showIndexField(rindex, s.model);
}

void LensControl::showRanges() {
  const LensSession& s = lensSession();
  for (int r = 0; r < kSliderRows; ++r) {
    const int limit = sliderRowLimit(r);
    m_sliders[r]->setRange(1, limit);
    m_sliders[r]->setPageStep(std::max(1, limit / 5));
    m_sliders[r]->setValue(s.sliderValues[r]);
    m_rowSpins[r]->setup(1, limit, s.sliderValues[r]);
    // The fields show the values in force, also where the ranges of the
    // trackbar and the up-down stop short of them (a typed depth above
    // Xmax / 2, a lens written by a script).
    writeIntField(m_rowEdits[r], s.sliderValues[r]);
  }
  m_widthSpin->setup(1, std::max(1, s.Xmax / 2), s.widthValue);
  writeIntField(controlAs<QLineEdit>(IDC_WIDTH_EDIT), s.widthValue);
  writeIntField(controlAs<QLineEdit>(IDC_XMAX), s.Xmax);
  writeIntField(controlAs<QLineEdit>(IDC_YMAX), s.Ymax);
  showIndexField(controlAs<QLineEdit>(IDC_RINDEX), s.model);
}

void LensControl::showShapes() {
  const Lens& lens = lensSession().model.lens();
  static_cast<QPushButton*>(control(lens.ingressConcave() ? IDC_INGRESS_CC : IDC_INGRESS_CV))
      ->setChecked(true);
  static_cast<QPushButton*>(control(lens.egressConcave() ? IDC_EGRESS_CC : IDC_EGRESS_CV))
      ->setChecked(true);
}

void LensControl::showBeamMode() {
  m_multi->setChecked(lensSession().model.beamMode() == kMultiBeamMode);
}

void LensControl::showLock(bool locked) { m_lock->setChecked(locked); }

void LensControl::showFill(int percent) { m_fillSpin->setPosition(percent); }

void LensControl::setScriptButtonText(const QString& text) { m_script->setText(text); }

void LensControl::setStatusText(const QString& text) { m_status->setScriptText(text); }

void LensControl::setStatusEnabled(bool enabled) { m_status->setScriptRunning(enabled); }

void LensControl::updateHookButtons() {
  const LensSession& s = lensSession();
  m_save->setEnabled(static_cast<bool>(s.writeLensScript));
  m_script->setEnabled(static_cast<bool>(s.toggleScript));
}

void LensControl::onSliderAction(int row, int action) {
  QSlider* slider = m_sliders[row];
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepAdd:
    case QAbstractSlider::SliderPageStepSub:
    case QAbstractSlider::SliderMove: {
      LensSession& s = lensSession();
      s.sliderValues[row] = slider->sliderPosition();
      writeIntField(m_rowEdits[row], s.sliderValues[row]);
      m_rowSpins[row]->setPosition(s.sliderValues[row]);
      commitAndRecompute();
      break;
    }
    default:
      // Jumps to either end are not taken: the thumb stays on the value.
      slider->setSliderPosition(lensSession().sliderValues[row]);
      break;
  }
}

void LensControl::onSpinPosition(int id, int pos) {
  LensSession& s = lensSession();
  if (id == IDC_WIDTH_SPIN) {
    s.widthValue = pos;
    m_lock->setChecked(true);
    commit(committedState().withLock(pos));
  } else if (id == IDC_FILL_SPIN) {
    m_lock->setChecked(false);
    commit(committedState().withFill(pos * 0.01));
  } else if (const int row = sliderGroupOf(id); row >= 0) {
    s.sliderValues[row] = pos;
    m_sliders[row]->setValue(pos);
    commitAndRecompute();
  }
}

void LensControl::onEditEnter(int id) {
  LensSession& s = lensSession();
  auto* edit = controlAs<QLineEdit>(id);
  if (!edit) return;
  switch (id) {
    case IDC_WIDTH_EDIT:
      readClampedField(s.widthValue, edit, 1, std::max(1, s.Ymax));
      m_lock->setChecked(true);
      commit(committedState().withLock(s.widthValue));
      return;
    case IDC_FILL_EDIT: {
      int p = static_cast<int>(s.model.settings().fill * 100);
      readClampedField(p, edit, kFillMinPercent, kFillMaxPercent);
      m_lock->setChecked(false);
      commit(committedState().withFill(p * 0.01));
      return;
    }
    case IDC_XMAX:
    case IDC_YMAX: {
      // A limit that is no number or 0 would leave the sliders without a
      // range: pass it over and show the limit in force.
      int& limit = id == IDC_XMAX ? s.Xmax : s.Ymax;
      const std::optional<long long> v = readUnsignedField(edit->text());
      if (v && *v > 0) limit = static_cast<int>(std::min<long long>(*v, kLimitMax));
      writeIntField(edit, limit);
      // A value above its new limit is held to it and becomes the lens's,
      // so the lens, the fields, "Copy" and "Save" all tell the same.
      const bool clamped = clampSlidersToLimits();
      applyRanges();
      if (clamped)
        commitAndRecompute();
      else
        recomputeLens();
      return;
    }
    case IDC_RINDEX: {
      // An empty, zero, negative or non-numeric index is passed over: the
      // field shows the index in force again.
      const std::optional<double> r = readDoubleField(edit->text());
      if (!r || !(*r > 0) || !std::isfinite(*r)) {
        showIndexField(edit, s.model);
        return;
      }
      LensState after = committedState();
      after.indexRatio = 1.0 / *r;
      commit(after);
      return;
    }
    default: {
      const int row = sliderGroupOf(id);
      if (row < 0) return;
      readClampedField(s.sliderValues[row], edit, 1, typedRowLimit(row));
      m_sliders[row]->setValue(s.sliderValues[row]);
      m_rowSpins[row]->setPosition(s.sliderValues[row]);
      writeIntField(edit, s.sliderValues[row]);
      commitAndRecompute();
      return;
    }
  }
}

void LensControl::onShapeButton(int id) {
  const int shape = lensSession().model.lens().shape;
  const int bit = id == IDC_INGRESS_CV || id == IDC_INGRESS_CC ? SHAPE_INGRESS_CC : SHAPE_EGRESS_CC;
  const bool wantConcave = id == IDC_INGRESS_CC || id == IDC_EGRESS_CC;
  if (((shape & bit) != 0) == wantConcave) return;  // already that shape
  LensState after = committedState();
  after.lens.shape = wantConcave ? (shape | bit) : (shape & ~bit);
  commit(after);
}

void LensControl::onCommand(int id) {
  LensSession& s = lensSession();
  switch (id) {
    case IDC_LOCK: {
      // No retrace: the picture stays until the next change.
      LensState after = s.model.state();
      after.locked = m_lock->isChecked();
      if (after.locked) after.lockedWidth = s.model.results().width;
      lensUndo().change(after, stepText(), Show::Controls);
      return;
    }
    case IDC_MULTI:
      setBeamMode(m_multi->isChecked() ? kMultiBeamMode : kSingleBeamMode);
      commitAndRecompute();  // the commit rounds a lens set with fractions
      return;
    case IDC_COPY: {
      const QString line = copyLine();
      dbgPrint("%s", line.toUtf8().constData());
      QApplication::clipboard()->setText(line);
      m_status->showNotice(tr("Copied to the clipboard"));
      return;
    }
    case IDC_SAVE:
      if (s.writeLensScript) s.writeLensScript();
      return;
    case IDC_SCRIPT:
      if (s.toggleScript) s.toggleScript();
      return;
    default:
      return;
  }
}

void LensControl::onApplyRanges() {
  LensSession& s = lensSession();
  const double oldRayEnd = s.model.settings().rayEndX;
  const bool clamped = clampSlidersToLimits();
  applyRanges();
  // The exit rays are recorded up to rayEndX: a new one needs a new trace
  // to reach the new edge.
  if (clamped)
    commitAndRecompute();
  else if (s.model.settings().rayEndX != oldRayEnd)
    recomputeLens();
}

QString LensControl::copyLine() const {
  const LensSession& s = lensSession();
  const Lens& l = s.model.lens();
  const TraceResults& res = s.model.results();
  const std::string shape(shapeName(l.shape));
  if (s.model.beamMode() == kMultiBeamMode) {
    // No focus in multi-beam mode, as the fields show.
    return QString::asprintf("%.f,%.f,%.f,%.f,%.f,%s  ; F=-- W=%.f dev=--", l.ivx, l.ivy, l.evx,
                             l.evy, l.depth, shape.c_str(), res.width);
  }
  return QString::asprintf("%.f,%.f,%.f,%.f,%.f,%s  ; F=%.f W=%.f dev=%.2f%%", l.ivx, l.ivy, l.evx,
                           l.evy, l.depth, shape.c_str(), res.focus, res.width, res.devpcnt);
}

bool LensControl::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    // Working in the dialog brings the lens view back to its normal state.
    LensWnd* view = lensSession().view;
    if (view && (view->isMinimized() || view->isMaximized())) view->showNormal();
  }
  return QWidget::event(event);
}

bool LensControl::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      lensUndo().beginGesture();
      break;
    case QEvent::KeyPress: {
      // A held key repeats: its repeats belong to the step of its press.
      // Not every window system marks them, so a press of the same key
      // hard on the heels of the last one counts as a repeat too.
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool repeat =
          key->isAutoRepeat() || (key->key() == m_lastKey && m_keyPressed.isValid() &&
                                  m_keyPressed.elapsed() < kKeyRepeatMs);
      m_lastKey = key->key();
      m_keyPressed.start();
      if (!repeat) lensUndo().beginGesture();
      break;
    }
    case QEvent::Wheel:
      // A wheel turned in one go is one step; a pause starts the next.
      if (!m_wheelTurning.isValid() || m_wheelTurning.elapsed() > kWheelPauseMs)
        lensUndo().beginGesture();
      m_wheelTurning.start();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void LensControl::keyPressEvent(QKeyEvent* event) {
  // Esc and a stray Enter do nothing: the dialog closes only by its close box.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace kelvane
