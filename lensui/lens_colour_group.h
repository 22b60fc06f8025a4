// The Lens Control's "Colour" group: the glass (Custom, which is the
// Refractive Index field, or a catalogue glass), the medium around it (air
// or water) and the light (one wavelength on a 380-780 nm slider with a
// swatch of its colour, or white). Each change is one undo step through the
// model; a state the tracer cannot take (a wavelength the glass was never
// measured at) is refused with its reason on the status line and changes
// nothing.
#pragma once

#include <QGroupBox>

#include "model/colour_state.h"

class QComboBox;
class QLabel;
class QSlider;

namespace kelvane {

class DialogUnits;

// Dialog units the group adds to the dialog, between the template and the
// "Light source" group.
inline constexpr int kColourGroupDluH = 42;

// How long a refusal stays on the status line.
inline constexpr int kColourRefusalMs = 8000;

class LensColourGroup : public QGroupBox {
  Q_OBJECT
 public:
  LensColourGroup(QWidget* dialog, const DialogUnits& du);

  void showColour(const ColourState& colour);
  const ColourState& shown() const { return m_shown; }

  QComboBox* glassChoice() const { return m_glass; }
  QComboBox* mediumChoice() const { return m_medium; }
  QComboBox* lightChoice() const { return m_light; }
  QSlider* wavelengthSlider() const { return m_wavelength; }
  QLabel* swatch() const { return m_swatch; }
  QLabel* wavelengthText() const { return m_wavelengthText; }

  // Makes `colour` the session's through one undo step, or shows why it
  // cannot be traced and shows the state in force again. True when taken.
  bool change(const ColourState& colour);

 private:
  QComboBox* m_glass;
  QComboBox* m_medium;
  QComboBox* m_light;
  QSlider* m_wavelength;
  QLabel* m_swatch;
  QLabel* m_wavelengthText;
  ColourState m_shown;
};

}  // namespace kelvane
