// How the lens view draws its picture, the choices of its View menu:
// "Classroom view" (kept for later runs; the described drawing is the
// default), which fans a classroom multi-beam picture shows, the zoom -
// "Fit to window", "True scale" (Ctrl+0), "Zoom in" (Ctrl++) and "Zoom out"
// (Ctrl+-) - and "Full screen" (F11). The view owns one; prints, exports and
// GIFs take its style at true scale, the screen adds its zoom.
#pragma once

#include <QList>
#include <QObject>

#include "draw/lens_picture.h"

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QWidget;

namespace kelvane {

inline constexpr char kClassroomOptionKey[] = "ClassroomView";

class LensViewOptions : public QObject {
  Q_OBJECT
 public:
  // Adds the choices to `menu` of `view`.
  LensViewOptions(QMainWindow* view, QMenu* menu);

  // The classroom choice and the fan shown, at true scale.
  draw::PictureStyle style() const;
  // The zoom of a W x H canvas of dpiX x dpiY showing `d`: the fitted one
  // while "Fit to window" is on, else the one the keys chose.
  // `options` says whether the key needs room.
  double zoomFor(const draw::LensDrawing& d, int W, int H, double dpiX, double dpiY,
                 const draw::PictureOptions& options = {}) const;
  bool fitsWindow() const;

  void setClassroom(bool on);
  void setFan(int fan);  // draw::kAllFans or 0..4
  void fitToWindow();
  void trueScale();
  void zoomIn();
  void zoomOut();
  void toggleFullScreen();

  // The zoom and full-screen keys work in `window` too (the Lens Control
  // dialog, which mostly has the focus).
  void addKeysTo(QWidget* window) const;

  QAction* classroomAction() const { return m_classroom; }
  QAction* fullScreenAction() const { return m_fullScreen; }

 signals:
  void changed();

 private:
  void step(int direction);
  QMainWindow* m_view;
  QAction* m_classroom;
  QAction* m_fit;
  QAction* m_fullScreen;
  QActionGroup* m_fans;
  QList<QAction*> m_keys;  // True scale, Zoom in, Zoom out, Full screen
  double m_zoom = 1;
  // The last fitted zoom, where a key step starts from while fitting.
  mutable double m_fittedZoom = 1;
};

}  // namespace kelvane
