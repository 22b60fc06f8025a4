#include "lensui/lens_control.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <vector>

#include "lensui/dialog_fields.h"
#include "lensui/lens_paint.h"
#include "lensui/lens_session.h"
#include "lensui/lens_wnd.h"
#include "lensui/up_down.h"
#include "optics/focus.h"
#include "optics/fpflags.h"
#include "trace/dbgprint.h"
#include "trace/ui/place_window.h"

namespace kelvane {

namespace {

// Where the dialog first opens: inset from the view's bottom-right corner.
constexpr int kFirstPlaceInset = 4;
constexpr int kFillMin = 1;
constexpr int kFillMax = 99;

// Slider row geometry in dialog units: y of each row; the depth row's
// trackbar is shorter to make room for its label.
constexpr int kRowY[kSliderRows] = {16, 31, 60, 76, 93};
constexpr char kRowLabels[kSliderRows][6] = {"X", "Y", "X", "Y", "Depth"};

QLineEdit* makeEdit(QWidget* parent, const QRect& r, const QString& pattern) {
  auto* e = new QLineEdit(parent);
  e->setGeometry(r);
  e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  e->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), e));
  return e;
}

QLineEdit* makeReadOnly(QWidget* parent, const QRect& r, Qt::Alignment align) {
  auto* e = new QLineEdit(parent);
  e->setGeometry(r);
  e->setReadOnly(true);
  e->setAlignment(align | Qt::AlignVCenter);
  e->setFocusPolicy(Qt::ClickFocus);  // shown, selectable, but skipped by Tab
  return e;
}

QLabel* makeLabel(QWidget* parent, const QRect& r, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(r);
  return l;
}

QPushButton* makeButton(QWidget* parent, const QRect& r, const QString& text, bool checkable) {
  auto* b = new QPushButton(text, parent);
  b->setGeometry(r);
  b->setCheckable(checkable);
  b->setAutoDefault(false);  // Enter belongs to the fields, never to a button
  b->setDefault(false);
  return b;
}

QString indexText(double indexRatio) { return QString::asprintf("%2.2f", 1.0 / indexRatio); }

// The limit of a slider row: X semi-axes Xmax, Y semi-axes Ymax, depth
// Xmax / 2. Never below 1, so a range is never empty.
int rowLimit(int row) {
  const LensSession& s = lensSession();
  const int limit = row == 4 ? s.Xmax / 2 : (row % 2 == 1 ? s.Ymax : s.Xmax);
  return std::max(1, limit);
}

// The limit a typed row value is held to: depth may go up to Xmax.
int typedRowLimit(int row) {
  const LensSession& s = lensSession();
  return std::max(1, row % 2 == 1 ? s.Ymax : s.Xmax);
}

void commitSliders() {
  LensSession& s = lensSession();
  s.lens.ivx = s.sliderValues[0];
  s.lens.ivy = s.sliderValues[1];
  s.lens.evx = s.sliderValues[2];
  s.lens.evy = s.sliderValues[3];
  s.lens.depth = s.sliderValues[4];
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
  setWindowTitle(kLensControlCaption);
  lensSession().control = this;
  build();
  showBeamMode();
  showShapes();
  m_fillSpin->setup(kFillMin, kFillMax, static_cast<int>(lensSession().settings.fill * 100));
  applyRanges();
  commitAndRecompute();
  updateHookButtons();
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

void LensControl::build() {
  const DialogUnits du(font());
  setFixedSize(du.x(kLensControlDluW), du.y(kLensControlDluH));
  const QString digits = QStringLiteral("[0-9]*");

  // Group boxes are frames behind the controls, not their parents.
  auto* focusGroup = new QGroupBox(QStringLiteral("Focus"), this);
  focusGroup->setGeometry(du.rect(171, 15, 117, 24));
  auto* widthGroup = new QGroupBox(QStringLiteral("Width"), this);
  widthGroup->setGeometry(du.rect(171, 40, 117, 23));

  // Controls in template order, which is also the Tab order.
  auto faceButtons = [&](int cvId, int y, QButtonGroup*& group) {
    group = new QButtonGroup(this);
    group->setExclusive(true);
    QPushButton* cv = makeButton(this, du.rect(38, y, 25, 10), QStringLiteral("CV"), true);
    QPushButton* cc = makeButton(this, du.rect(63, y, 25, 10), QStringLiteral("CC"), true);
    group->addButton(cv, cvId);
    group->addButton(cc, cvId + 1);
    registerControl(cvId, cv);
    registerControl(cvId + 1, cc);
    connect(group, &QButtonGroup::idClicked, this, &LensControl::onShapeButton);
  };
  auto row = [&](int r) {
    const int y = kRowY[r];
    const QRect trackRect = r == 4 ? du.rect(30, y, 105, 13) : du.rect(14, y, 121, 13);
    makeLabel(this, r == 4 ? du.rect(3, y + 2, 26, 9) : du.rect(5, y + 2, 8, 9), kRowLabels[r]);
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setGeometry(trackRect);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setFocusPolicy(Qt::StrongFocus);
    m_sliders[r] = slider;
    m_rowEdits[r] = makeEdit(this, du.rect(135, y, 22, 13), digits);
    m_rowSpins[r] = new UpDown(m_rowEdits[r], this);
    m_rowSpins[r]->setGeometry(du.rect(157, y, 8, 13));
    registerControl(IDC_ROW_FIRST + 3 * r, m_rowEdits[r]);
    registerControl(IDC_ROW_FIRST + 3 * r + 1, m_rowSpins[r]);
    registerControl(IDC_ROW_FIRST + 3 * r + 2, slider);
    connect(slider, &QSlider::actionTriggered, this,
            [this, r](int action) { onSliderAction(r, action); });
    const int spinId = IDC_ROW_FIRST + 3 * r + 1;
    connect(m_rowSpins[r], &UpDown::thumbPosition, this,
            [this, spinId](int pos) { onSpinPosition(spinId, pos); });
  };

  makeLabel(this, du.rect(3, 4, 34, 9), QStringLiteral("Ingress"));
  faceButtons(IDC_INGRESS_CV, 3, m_ingressGroup);
  makeLabel(this, du.rect(90, 3, 44, 9), QStringLiteral("Eccentricity"));
  registerControl(IDC_INGRESS_ECC, makeReadOnly(this, du.rect(135, 1, 30, 12), Qt::AlignLeft));
  row(0);
  row(1);
  makeLabel(this, du.rect(3, 49, 34, 9), QStringLiteral("Egress"));
  faceButtons(IDC_EGRESS_CV, 48, m_egressGroup);
  makeLabel(this, du.rect(90, 49, 44, 9), QStringLiteral("Eccentricity"));
  registerControl(IDC_EGRESS_ECC, makeReadOnly(this, du.rect(135, 47, 30, 12), Qt::AlignLeft));
  row(2);
  row(3);
  row(4);

  makeLabel(this, du.rect(174, 3, 21, 9), QStringLiteral("Xmax"));
  registerControl(IDC_XMAX, makeEdit(this, du.rect(196, 1, 25, 12), digits));
  makeLabel(this, du.rect(229, 3, 21, 9), QStringLiteral("Ymax"));
  registerControl(IDC_YMAX, makeEdit(this, du.rect(251, 1, 25, 12), digits));

  makeLabel(this, du.rect(176, 27, 7, 9), QStringLiteral("@"));
  registerControl(IDC_FOCUS, makeReadOnly(this, du.rect(183, 25, 28, 12), Qt::AlignHCenter));
  makeLabel(this, du.rect(215, 27, 15, 9), QStringLiteral("dev"));
  registerControl(IDC_DEV, makeReadOnly(this, du.rect(231, 25, 22, 12), Qt::AlignHCenter));
  registerControl(IDC_DEVPCNT, makeReadOnly(this, du.rect(256, 25, 22, 12), Qt::AlignHCenter));
  makeLabel(this, du.rect(280, 27, 7, 9), QStringLiteral("%"));

  m_lock = new QCheckBox(QStringLiteral("&Lock"), this);
  m_lock->setGeometry(du.rect(174, 50, 31, 10));
  registerControl(IDC_LOCK, m_lock);
  connect(m_lock, &QCheckBox::clicked, this, [this] { onCommand(IDC_LOCK); });
  auto* widthEdit = makeEdit(this, du.rect(207, 47, 22, 13), digits);
  m_widthSpin = new UpDown(widthEdit, this);
  m_widthSpin->setGeometry(du.rect(229, 47, 8, 13));
  registerControl(IDC_WIDTH_EDIT, widthEdit);
  registerControl(IDC_WIDTH_SPIN, m_widthSpin);
  auto* fillEdit = makeEdit(this, du.rect(242, 47, 22, 13), digits);
  m_fillSpin = new UpDown(fillEdit, this);
  m_fillSpin->setGeometry(du.rect(264, 47, 8, 13));
  registerControl(IDC_FILL_EDIT, fillEdit);
  registerControl(IDC_FILL_SPIN, m_fillSpin);
  makeLabel(this, du.rect(274, 49, 8, 9), QStringLiteral("%"));
  connect(m_widthSpin, &UpDown::thumbPosition, this,
          [this](int pos) { onSpinPosition(IDC_WIDTH_SPIN, pos); });
  connect(m_fillSpin, &UpDown::thumbPosition, this,
          [this](int pos) { onSpinPosition(IDC_FILL_SPIN, pos); });

  makeLabel(this, du.rect(172, 68, 57, 9), QStringLiteral("Refractive Index"));
  registerControl(IDC_RINDEX,
                  makeEdit(this, du.rect(230, 66, 22, 12), QStringLiteral("[0-9]*\\.?[0-9]*")));

  m_status = new QLabel(this);
  m_status->setGeometry(du.rect(170, 80, 118, 12));
  m_status->setFrameStyle(QFrame::Box | QFrame::Plain);
  m_status->setEnabled(false);
  registerControl(IDC_STATUS, m_status);

  m_multi = makeButton(this, du.rect(170, 94, 29, 13), QStringLiteral("Multi"), true);
  registerControl(IDC_MULTI, m_multi);
  auto* copy = makeButton(this, du.rect(204, 94, 22, 13), QStringLiteral("Copy"), false);
  registerControl(IDC_COPY, copy);
  m_save = makeButton(this, du.rect(229, 94, 22, 13), QStringLiteral("Save"), false);
  registerControl(IDC_SAVE, m_save);
  m_script = makeButton(this, du.rect(254, 94, 34, 13), QStringLiteral("&Script"), false);
  registerControl(IDC_SCRIPT, m_script);
  for (int id : {IDC_MULTI, IDC_COPY, IDC_SAVE, IDC_SCRIPT}) {
    connect(static_cast<QPushButton*>(control(id)), &QPushButton::clicked, this,
            [this, id] { onCommand(id); });
  }
  focusGroup->lower();
  widthGroup->lower();

  // Enter in a value field applies that field.
  std::vector<int> enterFields;
  for (int r = 0; r < kSliderRows; ++r) enterFields.push_back(IDC_ROW_FIRST + 3 * r);
  enterFields.insert(enterFields.end(),
                     {IDC_WIDTH_EDIT, IDC_FILL_EDIT, IDC_XMAX, IDC_YMAX, IDC_RINDEX});
  for (int id : enterFields) {
    connect(controlAs<QLineEdit>(id), &QLineEdit::returnPressed, this,
            [this, id] { sendMessage(WM_EDIT_ENTER, id); });
  }
  // Alt+1 .. Alt+5 put the keyboard focus on the trackbar of row 0 .. 4.
  for (int r = 0; r < kSliderRows; ++r) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | (Qt::Key_1 + r)), this);
    connect(shortcut, &QShortcut::activated, this,
            [this, r] { m_sliders[r]->setFocus(Qt::ShortcutFocusReason); });
  }
}

bool LensControl::sendMessage(int message, int wParam) {
  switch (message) {
    case WM_EDIT_ENTER:
      onEditEnter(wParam);
      return true;
    case WM_LENS_APPLY_RANGES:
      showRanges();
      return true;
    case WM_LENS_RECOMPUTE:
      recomputeLens();
      return true;
    default:
      return false;
  }
}

void LensControl::commitAndRecompute() {
  commitSliders();
  recomputeLens();
}

void LensControl::recomputeLens() {
  LensSession& s = lensSession();
  const auto& v = s.sliderValues;
  controlAs<QLineEdit>(IDC_INGRESS_ECC)
      ->setText(QString::asprintf("%.3f", eccentricity(v[0], v[1])));
  controlAs<QLineEdit>(IDC_EGRESS_ECC)
      ->setText(QString::asprintf("%.3f", eccentricity(v[2], v[3])));
  // The tracer reads the sticky floating-point flags; whatever the drawing
  // and layout code of this thread left in them is not the lens's doing.
  fpClearFlags();
  if (s.beamMode == kMultiBeamMode)
    findFoci(s.ctx, s.lens, s.settings);
  else
    findFocus(s.ctx, s.lens, s.settings);
  const TraceResults& res = s.ctx.results;
  s.widthValue = roundUnit(res.width);
  writeIntField(controlAs<QLineEdit>(IDC_WIDTH_EDIT), s.widthValue);
  auto* focus = controlAs<QLineEdit>(IDC_FOCUS);
  auto* dev = controlAs<QLineEdit>(IDC_DEV);
  auto* pcnt = controlAs<QLineEdit>(IDC_DEVPCNT);
  if (res.focus != 0 && !std::isnan(res.focus)) {
    writeIntField(focus, roundUnit(res.focus));
    writeIntField(dev, roundUnit(res.dev));
    pcnt->setText(QString::asprintf("%.2f", res.devpcnt));
  } else {
    focus->setText(kNoFocusText);
    dev->setText(kNoFocusText);
    pcnt->setText(kNoFocusText);
  }
  if (s.view) s.view->updateCanvas();
}

void LensControl::showRanges() {
  const LensSession& s = lensSession();
  for (int r = 0; r < kSliderRows; ++r) {
    const int limit = rowLimit(r);
    m_sliders[r]->setRange(1, limit);
    m_sliders[r]->setPageStep(std::max(1, limit / 5));
    m_sliders[r]->setValue(s.sliderValues[r]);
    m_rowSpins[r]->setup(1, limit, s.sliderValues[r]);
  }
  m_widthSpin->setup(1, std::max(1, s.Xmax / 2), s.widthValue);
  writeIntField(controlAs<QLineEdit>(IDC_XMAX), s.Xmax);
  writeIntField(controlAs<QLineEdit>(IDC_YMAX), s.Ymax);
  controlAs<QLineEdit>(IDC_RINDEX)->setText(indexText(s.ctx.indexRatio));
}

void LensControl::showShapes() {
  const Lens& lens = lensSession().lens;
  static_cast<QPushButton*>(control(lens.ingressConcave() ? IDC_INGRESS_CC : IDC_INGRESS_CV))
      ->setChecked(true);
  static_cast<QPushButton*>(control(lens.egressConcave() ? IDC_EGRESS_CC : IDC_EGRESS_CV))
      ->setChecked(true);
}

void LensControl::showBeamMode() { m_multi->setChecked(lensSession().beamMode == kMultiBeamMode); }

void LensControl::showLock(bool locked) { m_lock->setChecked(locked); }

void LensControl::showFill(int percent) { m_fillSpin->setPosition(percent); }

void LensControl::setScriptButtonText(const QString& text) { m_script->setText(text); }

void LensControl::setStatusText(const QString& text) { m_status->setText(text); }

void LensControl::setStatusEnabled(bool enabled) { m_status->setEnabled(enabled); }

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
    s.settings.lockedWidth = pos;
    s.settings.flags |= BEAM_LOCKED;
    m_lock->setChecked(true);
    commitAndRecompute();
  } else if (id == IDC_FILL_SPIN) {
    s.settings.flags &= ~BEAM_LOCKED;
    s.settings.fill = pos * 0.01;
    m_lock->setChecked(false);
    commitAndRecompute();
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
      s.settings.lockedWidth = s.widthValue;
      s.settings.flags |= BEAM_LOCKED;
      m_lock->setChecked(true);
      commitAndRecompute();
      return;
    case IDC_FILL_EDIT: {
      int p = static_cast<int>(s.settings.fill * 100);
      readClampedField(p, edit, kFillMin, kFillMax);
      s.settings.flags &= ~BEAM_LOCKED;
      s.settings.fill = p * 0.01;
      m_lock->setChecked(false);
      commitAndRecompute();
      return;
    }
    case IDC_XMAX:
    case IDC_YMAX: {
      // A limit that is no number or 0 would leave the sliders without a
      // range: pass it over and show the limit in force.
      int& limit = id == IDC_XMAX ? s.Xmax : s.Ymax;
      const std::optional<long long> v = readUnsignedField(edit->text());
      if (v && *v > 0) limit = static_cast<int>(std::min<long long>(*v, 999999999));
      writeIntField(edit, limit);
      if (id == IDC_XMAX) s.settings.rayEndX = s.Xmax;
      applyRanges();
      recomputeLens();
      return;
    }
    case IDC_RINDEX: {
      // An empty, zero, negative or non-numeric index is passed over: the
      // field shows the index in force again.
      const std::optional<double> r = readDoubleField(edit->text());
      if (!r || !(*r > 0) || !std::isfinite(*r)) {
        edit->setText(indexText(s.ctx.indexRatio));
        return;
      }
      s.ctx.indexRatio = 1.0 / *r;
      commitAndRecompute();
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
  Lens& lens = lensSession().lens;
  const int bit = id == IDC_INGRESS_CV || id == IDC_INGRESS_CC ? SHAPE_INGRESS_CC : SHAPE_EGRESS_CC;
  const bool wantConcave = id == IDC_INGRESS_CC || id == IDC_EGRESS_CC;
  if (((lens.shape & bit) != 0) == wantConcave) return;  // already that shape
  lens.shape = wantConcave ? (lens.shape | bit) : (lens.shape & ~bit);
  commitAndRecompute();
}

void LensControl::onCommand(int id) {
  LensSession& s = lensSession();
  switch (id) {
    case IDC_LOCK:
      // No retrace: the picture stays until the next change.
      if (m_lock->isChecked()) {
        s.settings.lockedWidth = s.ctx.results.width;
        s.settings.flags |= BEAM_LOCKED;
      } else {
        s.settings.flags &= ~BEAM_LOCKED;
      }
      return;
    case IDC_MULTI:
      setBeamMode(m_multi->isChecked() ? kMultiBeamMode : kSingleBeamMode);
      commitAndRecompute();
      return;
    case IDC_COPY: {
      const Lens& l = s.lens;
      const TraceResults& res = s.ctx.results;
      dbgPrint("%.f,%.f,%.f,%.f,%.f,%s  ; F=%.f W=%.f dev=%.2f%%", l.ivx, l.ivy, l.evx, l.evy,
               l.depth, std::string(shapeName(l.shape)).c_str(), res.focus, res.width, res.devpcnt);
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

bool LensControl::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    // Working in the dialog brings the lens view back to its normal state.
    LensWnd* view = lensSession().view;
    if (view && (view->isMinimized() || view->isMaximized())) view->showNormal();
  }
  return QWidget::event(event);
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

// ---- operations for the lens view and the script runner ----

void openLensControl() {
  LensSession& s = lensSession();
  if (s.control) {
    s.control->activateWindow();
    s.control->raise();
    s.control->setFocus();
    return;
  }
  if (!s.view) return;
  auto* dialog = new LensControl(s.view);
  if (s.savedDialogRect.right() > 0) {
    dialog->move(s.savedDialogRect.topLeft());
    dialog->show();
  } else {
    dialog->show();
    placeWindow(dialog, s.view, kCornerBottomRight, kFirstPlaceInset, kFirstPlaceInset);
  }
  dialog->activateWindow();
}

void showFaceShapes() {
  if (LensControl* c = lensSession().control) c->showShapes();
}

void slidersFromLens() {
  LensSession& s = lensSession();
  const Lens& l = s.lens;
  s.sliderValues = {roundUnit(l.ivx), roundUnit(l.ivy), roundUnit(l.evx), roundUnit(l.evy),
                    roundUnit(l.depth)};
  s.widthValue = roundUnit(s.settings.lockedWidth);
}

void applyRanges() {
  LensSession& s = lensSession();
  if (s.control) s.control->showRanges();
  s.settings.rayEndX = s.Xmax;
}

void refreshLensControl() {
  LensSession& s = lensSession();
  showFaceShapes();
  slidersFromLens();
  applyRanges();
  if (s.view) s.view->updateCanvas();
  if (s.control) s.control->sendMessage(WM_LENS_RECOMPUTE);
}

void setLockWidth(int a) {
  LensSession& s = lensSession();
  if (a < 0) {
    s.settings.flags &= ~BEAM_LOCKED;
  } else {
    if (a > 0) s.settings.lockedWidth = a;
    s.settings.flags |= BEAM_LOCKED;
  }
  if (s.control) s.control->showLock(a >= 0);
  refreshLensControl();
}

void setFillPercent(int p) {
  LensSession& s = lensSession();
  p = std::clamp(p, kFillMin, kFillMax);
  s.settings.flags &= ~BEAM_LOCKED;
  s.settings.fill = p * 0.01;
  if (s.control) {
    s.control->showLock(false);
    s.control->showFill(p);
  }
  refreshLensControl();
}

}  // namespace kelvane
