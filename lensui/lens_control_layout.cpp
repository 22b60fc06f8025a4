// The Lens Control dialog's controls, placed in dialog units of its font in
// template order (which is also the Tab order), and wired to the handlers.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <vector>

#include "lensui/dialog_fields.h"
#include "lensui/lens_colour_group.h"
#include "lensui/lens_control.h"
#include "lensui/lens_session.h"
#include "lensui/lens_source_group.h"
#include "lensui/lens_status_line.h"
#include "lensui/up_down.h"
#include "script/script_runner.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

// Slider row geometry in dialog units: y of each row; the depth row's
// trackbar is shorter to make room for its label.
constexpr int kRowY[kSliderRows] = {16, 31, 60, 76, 93};
constexpr const char* kRowLabels[kSliderRows] = {"X", "Y", "X", "Y",
                                                 QT_TRANSLATE_NOOP("kelvane", "Depth")};

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

// The outer width a line edit needs to show `text` whole: the text, the
// edit's own margins and its frame as the style draws it.
// The width a button needs for the longest of its captions.
int captionWidth(const QPushButton* b, const QStringList& captions) {
  int widest = 0;
  for (QString c : captions)
    widest = std::max(widest, b->fontMetrics().horizontalAdvance(c.remove('&')));
  return widest + 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
}

// The row's buttons keep their places while their captions fit, as the
// English ones do. A translation's longer caption takes room from the
// buttons with room to spare: each then gets what its captions need plus an
// equal share of what is left, the gaps between them unchanged, the row's
// ends where they were.
void fitButtonRow(const std::vector<QPushButton*>& row,
                  const std::vector<QStringList>& laterCaptions) {
  std::vector<int> needed;
  bool fits = true;
  int widths = 0;
  int neededSum = 0;
  for (size_t i = 0; i < row.size(); ++i) {
    QStringList captions = laterCaptions[i];
    captions << row[i]->text();
    needed.push_back(captionWidth(row[i], captions));
    fits = fits && needed.back() <= row[i]->width();
    widths += row[i]->width();
    neededSum += needed.back();
  }
  if (fits) return;
  // Too little room even so: each gets its share of the row by its need.
  if (neededSum > widths)
    for (int& n : needed) n = n * widths / neededSum;
  const int spare = std::max(0, widths - neededSum) / static_cast<int>(row.size());
  int x = row.front()->x();
  for (size_t i = 0; i < row.size(); ++i) {
    const int gap = i + 1 < row.size() ? row[i + 1]->x() - row[i]->geometry().right() - 1 : 0;
    QRect r = row[i]->geometry();
    r.moveLeft(x);
    r.setWidth(needed[i] + spare);
    row[i]->setGeometry(r);
    x = r.right() + 1 + gap;
  }
}

int lineEditWidthFor(const QLineEdit* edit, const QString& text) {
  constexpr int kInnerMargin = 2;  // QLineEdit keeps 2 pixels each side of the text
  const QMargins tm = edit->textMargins();
  const int contents = edit->fontMetrics().horizontalAdvance(text) + 2 * kInnerMargin + tm.left() +
                       tm.right() + 1;  // + the cursor
  QStyleOptionFrame opt;
  opt.initFrom(edit);
  opt.rect = edit->rect();
  opt.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit);
  opt.midLineWidth = 0;
  opt.state |= QStyle::State_Sunken;
  opt.features = QStyleOptionFrame::None;
  return edit->style()
      ->sizeFromContents(QStyle::CT_LineEdit, &opt, QSize(contents, edit->height()), edit)
      .width();
}

}  // namespace

void LensControl::build() {
  const DialogUnits du(font());
  setFixedSize(du.x(kLensControlDluW), du.y(kLensControlDluH));
  const QString digits = QStringLiteral("[0-9]*");

  // Group boxes are frames behind the controls, not their parents.
  auto* focusGroup = new QGroupBox(tr("Focus"), this);
  focusGroup->setGeometry(du.rect(171, 15, 117, 24));
  auto* widthGroup = new QGroupBox(tr("Width"), this);
  widthGroup->setGeometry(du.rect(171, 40, 117, 23));

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
    makeLabel(this, r == 4 ? du.rect(3, y + 2, 26, 9) : du.rect(5, y + 2, 8, 9),
              uiText(kRowLabels[r]));
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

  makeLabel(this, du.rect(3, 4, 34, 9), tr("Ingress"));
  faceButtons(IDC_INGRESS_CV, 3, m_ingressGroup);
  makeLabel(this, du.rect(90, 3, 44, 9), tr("Eccentricity"));
  registerControl(IDC_INGRESS_ECC, makeReadOnly(this, du.rect(135, 1, 30, 12), Qt::AlignLeft));
  row(0);
  row(1);
  makeLabel(this, du.rect(3, 49, 34, 9), tr("Egress"));
  faceButtons(IDC_EGRESS_CV, 48, m_egressGroup);
  makeLabel(this, du.rect(90, 49, 44, 9), tr("Eccentricity"));
  registerControl(IDC_EGRESS_ECC, makeReadOnly(this, du.rect(135, 47, 30, 12), Qt::AlignLeft));
  row(2);
  row(3);
  row(4);

  buildLimitFields(du);

  makeLabel(this, du.rect(176, 27, 7, 9), QStringLiteral("@"));
  registerControl(IDC_FOCUS, makeReadOnly(this, du.rect(183, 25, 28, 12), Qt::AlignHCenter));
  makeLabel(this, du.rect(215, 27, 15, 9), QStringLiteral("dev"));
  registerControl(IDC_DEV, makeReadOnly(this, du.rect(231, 25, 22, 12), Qt::AlignHCenter));
  registerControl(IDC_DEVPCNT, makeReadOnly(this, du.rect(256, 25, 22, 12), Qt::AlignHCenter));
  makeLabel(this, du.rect(280, 27, 7, 9), QStringLiteral("%"));

  m_lock = new QCheckBox(tr("&Lock"), this);
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

  makeLabel(this, du.rect(172, 68, 57, 9), tr("Refractive Index"));
  registerControl(IDC_RINDEX,
                  makeEdit(this, du.rect(230, 66, 22, 12), QStringLiteral("[0-9]*\\.?[0-9]*")));

  m_status = new LensStatusLine(this);
  m_status->setGeometry(du.rect(170, 80, 118, 12));
  registerControl(IDC_STATUS, m_status);

  m_multi = makeButton(this, du.rect(170, 94, 29, 13), tr("Multi"), true);
  registerControl(IDC_MULTI, m_multi);
  auto* copy = makeButton(this, du.rect(204, 94, 22, 13), tr("Copy"), false);
  registerControl(IDC_COPY, copy);
  m_save = makeButton(this, du.rect(229, 94, 22, 13), tr("Save"), false);
  registerControl(IDC_SAVE, m_save);
  m_script = makeButton(this, du.rect(254, 94, 34, 13), tr("&Script"), false);
  registerControl(IDC_SCRIPT, m_script);
  fitButtonRow({m_multi, copy, m_save, m_script},
               {{}, {}, {}, {uiText(kScriptButtonRunning), uiText(kScriptButtonPaused)}});
  for (int id : {IDC_MULTI, IDC_COPY, IDC_SAVE, IDC_SCRIPT}) {
    connect(static_cast<QPushButton*>(control(id)), &QPushButton::clicked, this,
            [this, id] { onCommand(id); });
  }
  focusGroup->lower();
  widthGroup->lower();

  m_colourGroup = new LensColourGroup(this, du);
  m_colourGroup->setGeometry(du.rect(3, kLensControlDluH - kSourceGroupDluH - kColourGroupDluH,
                                     kLensControlDluW - 6, kColourGroupDluH - 2));
  registerControl(IDC_GLASS, m_colourGroup->glassChoice());
  registerControl(IDC_MEDIUM, m_colourGroup->mediumChoice());
  registerControl(IDC_LIGHT, m_colourGroup->lightChoice());
  registerControl(IDC_WAVELENGTH, m_colourGroup->wavelengthSlider());

  m_sourceGroup = new LensSourceGroup(this, du);
  m_sourceGroup->setGeometry(
      du.rect(3, kLensControlDluH - kSourceGroupDluH, kLensControlDluW - 6, kSourceGroupDluH - 2));

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

void LensControl::buildLimitFields(const DialogUnits& du) {
  // The template's fields are too narrow for the largest limit in most
  // fonts: each gets at least the width its largest value needs, and the
  // Ymax pair moves right as far as the Xmax field grows.
  const QString digits = QStringLiteral("[0-9]{0,%1}").arg(kLimitMaxDigits);
  const QString widest = QString(kLimitMaxDigits, QLatin1Char('9'));
  const int gap = du.x(3);
  makeLabel(this, du.rect(174, 3, 21, 9), QStringLiteral("Xmax"));
  QLineEdit* xmax = makeEdit(this, du.rect(196, 1, 25, 12), digits);
  xmax->setFixedWidth(std::max(du.x(25), lineEditWidthFor(xmax, widest)));
  const int ymaxLabelX = std::max(du.x(229), xmax->geometry().right() + 1 + gap);
  QLabel* ymaxLabel =
      makeLabel(this, QRect(ymaxLabelX, du.y(3), du.x(21), du.y(9)), QStringLiteral("Ymax"));
  const int ymaxX = std::max(du.x(251), ymaxLabel->geometry().right() + 1);
  QLineEdit* ymax = makeEdit(this, QRect(ymaxX, du.y(1), du.x(25), du.y(12)), digits);
  ymax->setFixedWidth(std::max(du.x(25), lineEditWidthFor(ymax, widest)));
  for (QLineEdit* e : {xmax, ymax}) e->setMaxLength(kLimitMaxDigits);
  registerControl(IDC_XMAX, xmax);
  registerControl(IDC_YMAX, ymax);
  // A large font may push the Ymax field past the template's right edge.
  const int right = ymax->geometry().right() + 1 + du.x(3);
  if (right > width()) setFixedWidth(right);
}

}  // namespace kelvane
