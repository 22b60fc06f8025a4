// The Lens Control's "Light source" group: parallel light, a point or an
// object arrow, with its distance before the ingress vertex and its height.
// Each change is one undo step (a slider drag merges into one); the group
// shows the source in force after every retrace, undo and script line.
#pragma once

#include <QGroupBox>

#include "optics/light_source.h"

class QButtonGroup;
class QLabel;
class QSlider;

namespace kelvane {

class DialogUnits;

// The sliders' ranges, in lens units.
inline constexpr int kSourceDistanceSliderMax = 3000;
inline constexpr int kSourceHeightSliderMax = 400;

// Dialog units the group adds under the dialog's template.
inline constexpr int kSourceGroupDluH = 44;

class LensSourceGroup : public QGroupBox {
  Q_OBJECT
 public:
  LensSourceGroup(QWidget* dialog, const DialogUnits& du);

  void showSource(const LightSource& source);
  const LightSource& shown() const { return m_shown; }

  QButtonGroup* kinds() const { return m_kinds; }
  QSlider* distanceSlider() const { return m_distance; }
  QSlider* heightSlider() const { return m_height; }

 private:
  void change(const LightSource& source);

  QButtonGroup* m_kinds;
  QSlider* m_distance;
  QSlider* m_height;
  QLabel* m_distanceValue;
  QLabel* m_heightValue;
  LightSource m_shown;
};

}  // namespace kelvane
