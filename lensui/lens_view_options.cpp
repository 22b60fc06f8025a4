#include "lensui/lens_view_options.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>

#include "draw/zoom.h"
#include "lensui/picture_words.h"
#include "optics/focus.h"
#include "winui/remembered_place.h"

namespace kelvane {

LensViewOptions::LensViewOptions(QMainWindow* view, QMenu* menu)
    : QObject(view), m_view(view), m_fans(new QActionGroup(this)) {
  m_classroom = menu->addAction(tr("&Classroom view"));
  m_classroom->setCheckable(true);
  m_classroom->setChecked(rememberedOption(kClassroomOptionKey, false));
  connect(m_classroom, &QAction::toggled, this, [this](bool on) {
    keepOption(kClassroomOptionKey, on);
    m_fans->setEnabled(on);
    emit changed();
  });

  QMenu* fans = menu->addMenu(tr("F&ans"));
  auto addFan = [&](const QString& text, int fan) {
    QAction* a = fans->addAction(text);
    a->setCheckable(true);
    a->setData(fan);
    a->setChecked(fan == draw::kAllFans);
    m_fans->addAction(a);
  };
  addFan(tr("&All fans"), draw::kAllFans);
  for (int r = 0; r < FAN_COUNT; ++r) addFan(tr("%1° fan only").arg(kFanAngles[r]), r);
  m_fans->setEnabled(m_classroom->isChecked());
  connect(m_fans, &QActionGroup::triggered, this, [this] { emit changed(); });

  menu->addSeparator();
  m_fit = menu->addAction(tr("&Fit to window"));
  m_fit->setCheckable(true);
  connect(m_fit, &QAction::toggled, this, [this] { emit changed(); });
  QAction* trueScale = menu->addAction(tr("&True scale"));
  trueScale->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  connect(trueScale, &QAction::triggered, this, &LensViewOptions::trueScale);
  QAction* in = menu->addAction(tr("Zoom &in"));
  // Ctrl+= too: the + of a US keyboard needs Shift.
  in->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(in, &QAction::triggered, this, &LensViewOptions::zoomIn);
  QAction* out = menu->addAction(tr("Zoom &out"));
  out->setShortcut(QKeySequence::ZoomOut);
  connect(out, &QAction::triggered, this, &LensViewOptions::zoomOut);
  menu->addSeparator();
  m_fullScreen = menu->addAction(tr("F&ull screen"));
  m_fullScreen->setCheckable(true);
  m_fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
  connect(m_fullScreen, &QAction::triggered, this, [this] { toggleFullScreen(); });
  m_keys = {trueScale, in, out, m_fullScreen};
}

void LensViewOptions::addKeysTo(QWidget* window) const { window->addActions(m_keys); }

draw::PictureStyle LensViewOptions::style() const {
  draw::PictureStyle style;
  style.classroom = m_classroom->isChecked();
  if (QAction* fan = m_fans->checkedAction()) style.fan = fan->data().toInt();
  style.words = pictureWords;
  return style;
}

double LensViewOptions::zoomFor(const draw::LensDrawing& d, int W, int H, double dpiX, double dpiY,
                                const draw::PictureOptions& options) const {
  if (!m_fit->isChecked()) return m_zoom;
  m_fittedZoom = draw::fitZoom(d, W, H, dpiX, dpiY, options);
  return m_fittedZoom;
}

bool LensViewOptions::fitsWindow() const { return m_fit->isChecked(); }

void LensViewOptions::setClassroom(bool on) { m_classroom->setChecked(on); }

void LensViewOptions::setFan(int fan) {
  for (QAction* a : m_fans->actions())
    if (a->data().toInt() == fan) a->setChecked(true);
  emit changed();
}

void LensViewOptions::fitToWindow() { m_fit->setChecked(true); }

void LensViewOptions::trueScale() {
  m_zoom = 1;
  if (m_fit->isChecked())
    m_fit->setChecked(false);  // repaints
  else
    emit changed();
}

void LensViewOptions::step(int direction) {
  m_zoom = draw::zoomStep(m_fit->isChecked() ? m_fittedZoom : m_zoom, direction);
  if (m_fit->isChecked())
    m_fit->setChecked(false);
  else
    emit changed();
}

void LensViewOptions::zoomIn() { step(1); }
void LensViewOptions::zoomOut() { step(-1); }

void LensViewOptions::toggleFullScreen() {
  m_view->setWindowState(m_view->windowState() ^ Qt::WindowFullScreen);
  m_fullScreen->setChecked(m_view->isFullScreen());
}

}  // namespace kelvane
