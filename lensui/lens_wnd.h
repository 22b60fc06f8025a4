// The lens view "Kelvane Lens Demo": the one window in which the current
// lens and its traced beams are drawn. It owns the trace buffer (through
// setBeamMode), publishes its client size as the slider limits Xmax/Ymax and
// owns the Lens Control dialog. All of it lives on the user-interface thread.
#pragma once

#include <QMainWindow>
#include <QRect>
#include <QtGlobal>

#include "lensui/object_tip_drag.h"

class QAction;
class QCloseEvent;
class QMouseEvent;
class QResizeEvent;
class QPaintEvent;

namespace kelvane {
class LensViewOptions;
}

namespace kelvane {

// Menu commands of the lens view.
inline constexpr int IDM_LENS_PARAMETERS =
    100;                                     // "para&Meters": focus or open the Lens Control dialog
inline constexpr int IDM_LENS_PRINT = 101;   // "&Print": print the picture
inline constexpr int IDM_LENS_EXPORT = 102;  // "E&xport…": the picture to SVG, PNG or PDF
inline constexpr int IDM_LENS_LEGEND = 110;  // "&View" > "&Legend": show or hide the colour key

inline constexpr char kLensWndCaption[] = QT_TRANSLATE_NOOP("kelvane", "Kelvane Lens Demo");
// Outer rectangle of a new lens view, frame included.
inline constexpr QRect kLensWndOuterRect(100, 10, 860, 720);

// The drawing surface of the lens view: its size is the view's client size.
class LensCanvas : public QWidget {
  Q_OBJECT
 public:
  explicit LensCanvas(QWidget* parent);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The object's tip can be dragged.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ObjectTipDrag m_tipDrag;
};

class LensWnd : public QMainWindow {
  Q_OBJECT
 public:
  // A top-level window owned by `owner` (the main window); deleted on close.
  explicit LensWnd(QWidget* owner);
  ~LensWnd() override;

  // Runs a menu command by its id (IDM_LENS_*); other ids do nothing.
  void command(int id);
  LensCanvas* canvas() const { return m_canvas; }
  // Whether the picture shows its colour key ("&Legend", on at first).
  bool legendShown() const;
  // The classroom view, fans, zoom and full screen of the View menu.
  LensViewOptions* viewOptions() const { return m_options; }
  // Repaints the whole picture on a white background.
  void updateCanvas();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class LensCanvas;
  // Closing, done once: the owned dialog goes, a running script stops, the
  // trace buffer is released and the session has no view any more.
  void detach();
  bool m_detached = false;
  void canvasResized(int w, int h);
  LensCanvas* m_canvas;
  QAction* m_legend = nullptr;
  LensViewOptions* m_options = nullptr;
};

// Opens the lens view in `mode` (0 single-beam, 1 multi-beam), owned by
// `mainWindow`, or switches the open view to that mode; then opens or
// focuses the Lens Control dialog. Returns the view.
LensWnd* openLensView(QWidget* mainWindow, int mode);

// Moves and sizes a top-level window by its outer (frame) rectangle; the
// frame's size is taken from the window system once it is known.
void setOuterGeometry(QWidget* window, const QRect& outer);

// The resize rule: the client size becomes Xmax/Ymax, raised to the open
// dialog's X and Y slider values, whose ranges are then re-applied; with no
// dialog the slider values follow the lens instead.
void lensViewResized(int w, int h);

}  // namespace kelvane
