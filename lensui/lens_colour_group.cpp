#include "lensui/lens_colour_group.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <cmath>

#include "draw/wavelength_rgb.h"
#include "lensui/dialog_fields.h"
#include "lensui/lens_control.h"
#include "lensui/lens_session.h"
#include "lensui/lens_status_line.h"
#include "lensui/lens_undo.h"
#include "optics/glass_catalogue.h"

namespace kelvane {

namespace {

constexpr int kWhiteItem = 1;  // the light choice: 0 one wavelength, 1 white

QLabel* makeLabel(QWidget* parent, const QRect& r, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(r);
  return l;
}

QComboBox* makeChoice(QWidget* parent, const QRect& r, const QStringList& items) {
  auto* c = new QComboBox(parent);
  c->setGeometry(r);
  c->addItems(items);
  c->setFocusPolicy(Qt::StrongFocus);
  return c;
}

QStringList glassItems() {
  QStringList items{QCoreApplication::translate("kelvane", "Custom")};
  for (const Glass& g : glassCatalogue()) items << QString::fromStdString(g.name);
  return items;
}

}  // namespace

LensColourGroup::LensColourGroup(QWidget* dialog, const DialogUnits& du)
    : QGroupBox(tr("Colour"), dialog) {
  // Child geometry is relative to the group.
  makeLabel(this, du.rect(6, 13, 22, 9), tr("Glass"));
  m_glass = makeChoice(this, du.rect(28, 11, 62, 12), glassItems());
  m_glass->setAccessibleName(tr("Glass"));
  m_glass->setToolTip(
      tr("Custom: the Refractive Index field, the same for every "
         "colour; a catalogue glass bends blue more than red"));
  makeLabel(this, du.rect(95, 13, 30, 9), tr("Medium"));
  m_medium = makeChoice(this, du.rect(126, 11, 44, 12), {tr("air"), tr("water")});
  m_medium->setAccessibleName(tr("Medium"));
  makeLabel(this, du.rect(176, 13, 20, 9), tr("Light"));
  m_light = makeChoice(this, du.rect(198, 11, 80, 12), {tr("One wavelength"), tr("White")});
  m_light->setAccessibleName(tr("Light"));
  m_wavelength = new QSlider(Qt::Horizontal, this);
  m_wavelength->setGeometry(du.rect(6, 25, 186, 13));
  m_wavelength->setRange(static_cast<int>(kMinWavelength), static_cast<int>(kMaxWavelength));
  m_wavelength->setPageStep(20);
  m_wavelength->setFocusPolicy(Qt::StrongFocus);
  m_wavelength->setAccessibleName(tr("Wavelength"));
  m_swatch = new QLabel(this);
  m_swatch->setGeometry(du.rect(196, 26, 16, 10));
  m_swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
  m_swatch->setAutoFillBackground(true);
  m_wavelengthText = makeLabel(this, du.rect(216, 27, 64, 9), {});

  connect(m_glass, &QComboBox::activated, this, [this](int index) {
    ColourState c = m_shown;
    c.glass = index == 0 ? std::string() : m_glass->itemText(index).toStdString();
    change(c);
  });
  connect(m_medium, &QComboBox::activated, this, [this](int index) {
    ColourState c = m_shown;
    c.water = index == 1;
    change(c);
  });
  connect(m_light, &QComboBox::activated, this, [this](int index) {
    ColourState c = m_shown;
    c.white = index == kWhiteItem;
    change(c);
  });
  connect(m_wavelength, &QSlider::valueChanged, this, [this](int nm) {
    ColourState c = m_shown;
    c.wavelength = nm;
    change(c);
  });
  showColour(m_shown);
}

void LensColourGroup::showColour(const ColourState& colour) {
  m_shown = colour;
  const QSignalBlocker b1(m_glass), b2(m_medium), b3(m_light), b4(m_wavelength);
  const int glass =
      colour.glass.empty() ? 0 : m_glass->findText(QString::fromStdString(colour.glass));
  m_glass->setCurrentIndex(std::max(0, glass));
  m_medium->setCurrentIndex(colour.water ? 1 : 0);
  m_light->setCurrentIndex(colour.white ? kWhiteItem : 0);
  m_wavelength->setValue(static_cast<int>(std::lround(colour.wavelength)));
  m_wavelength->setEnabled(!colour.white);
  const double nm = colour.white ? kLineD : colour.wavelength;
  const draw::Rgb rgb = draw::spectrumColour(nm);
  QPalette palette = m_swatch->palette();
  palette.setColor(QPalette::Window,
                   colour.white ? QColor(Qt::white) : QColor(rgb.r, rgb.g, rgb.b));
  m_swatch->setPalette(palette);
  m_wavelengthText->setText(colour.white ? tr("white light")
                                         : QString::fromStdString(draw::wavelengthLabel(nm)));
}

bool LensColourGroup::change(const ColourState& colour) {
  if (colour == m_shown) return false;
  const std::string problem = colourProblem(colour);
  if (!problem.empty()) {
    if (LensControl* dialog = lensSession().control)
      dialog->statusLine()->showNotice(QString::fromStdString(problem), kColourRefusalMs,
                                       tr("Not changed"));
    showColour(m_shown);
    return false;
  }
  LensState after = currentLensState();
  after.colour = colour;
  m_shown = colour;
  // The retrace that shows the results shows the group too.
  lensUndo().change(after, tr("Colour"), Show::Results);
  return true;
}

}  // namespace kelvane
