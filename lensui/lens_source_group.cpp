#include "lensui/lens_source_group.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "lensui/dialog_fields.h"
#include "lensui/lens_undo.h"

namespace kelvane {

namespace {

QSlider* makeSlider(QWidget* parent, const QRect& r, int max) {
  auto* s = new QSlider(Qt::Horizontal, parent);
  s->setGeometry(r);
  s->setRange(1, max);
  s->setPageStep(std::max(1, max / 10));
  s->setFocusPolicy(Qt::StrongFocus);
  return s;
}

// A value beyond the slider's reach (from a script, a link or a drag) is
// shown in the label as it is; the slider stops at its end.
void showValue(QSlider* slider, QLabel* label, double value) {
  const QSignalBlocker block(slider);
  slider->setValue(
      static_cast<int>(std::lround(std::clamp(value, 1.0, double(slider->maximum())))));
  label->setText(QString::number(value, 'g', 6));
}

}  // namespace

LensSourceGroup::LensSourceGroup(QWidget* dialog, const DialogUnits& du)
    : QGroupBox(tr("Light source"), dialog), m_kinds(new QButtonGroup(this)) {
  // Child geometry is relative to the group.
  const QString names[] = {tr("Parallel"), tr("Point"), tr("Object")};
  for (int k = 0; k < 3; ++k) {
    auto* b = new QRadioButton(names[k], this);
    b->setGeometry(du.rect(6 + 40 * k, 11, 38, 10));
    m_kinds->addButton(b, k);
  }
  auto* distanceLabel = new QLabel(tr("Distance"), this);
  distanceLabel->setGeometry(du.rect(6, 26, 32, 9));
  m_distance = makeSlider(this, du.rect(38, 24, 90, 13), kSourceDistanceSliderMax);
  m_distanceValue = new QLabel(this);
  m_distanceValue->setGeometry(du.rect(130, 26, 24, 9));
  auto* heightLabel = new QLabel(tr("Height"), this);
  heightLabel->setGeometry(du.rect(158, 26, 24, 9));
  m_height = makeSlider(this, du.rect(182, 24, 72, 13), kSourceHeightSliderMax);
  m_heightValue = new QLabel(this);
  m_heightValue->setGeometry(du.rect(256, 26, 24, 9));

  connect(m_kinds, &QButtonGroup::idClicked, this, [this](int id) {
    LightSource s = m_shown;
    s.kind = static_cast<SourceKind>(id);
    change(s);
  });
  connect(m_distance, &QSlider::valueChanged, this, [this](int v) {
    LightSource s = m_shown;
    s.distance = v;
    change(s);
  });
  connect(m_height, &QSlider::valueChanged, this, [this](int v) {
    LightSource s = m_shown;
    s.height = v;
    change(s);
  });
  showSource(m_shown);
}

void LensSourceGroup::showSource(const LightSource& source) {
  m_shown = source;
  {
    const QSignalBlocker block(m_kinds);
    m_kinds->button(static_cast<int>(source.kind))->setChecked(true);
  }
  showValue(m_distance, m_distanceValue, source.distance);
  showValue(m_height, m_heightValue, source.height);
  m_distance->setEnabled(source.finite());
  m_height->setEnabled(source.kind == SourceKind::Object);
}

void LensSourceGroup::change(const LightSource& source) {
  if (source == m_shown) return;
  LensState after = currentLensState();
  after.source = source;
  m_shown = source;
  // The retrace that shows the results shows the group too.
  lensUndo().change(after, tr("Light source"), Show::Results);
}

}  // namespace kelvane
