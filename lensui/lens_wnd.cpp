#include "lensui/lens_wnd.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

#include "lensui/lens_control.h"
#include "lensui/lens_export.h"
#include "lensui/lens_paint.h"
#include "lensui/lens_print.h"
#include "lensui/lens_readout.h"
#include "lensui/lens_session.h"
#include "lensui/lens_teaching.h"
#include "lensui/lens_view_options.h"
#include "winui/place_window.h"
#include "winui/remembered_place.h"
#include "winui/ui_text.h"

namespace kelvane {

LensCanvas::LensCanvas(QWidget* parent) : QWidget(parent) {
  // Erased to white before every repaint.
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
}

QSize LensCanvas::sizeHint() const { return kLensWndOuterRect.size(); }

void LensCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const LensDrawing d = draw::pictureOf(lensSession().model);
  PictureOptions options = currentPictureOptions();
  if (auto* view = qobject_cast<LensWnd*>(window()))  // the screen adds the view's zoom
    options.style.zoom =
        view->viewOptions()->zoomFor(d, width(), height(), logicalDpiX(), logicalDpiY(), options);
  paintLens(painter, width(), height(), d, options);
}

void LensCanvas::resizeEvent(QResizeEvent* event) {
  // Only the session's view publishes its size (not one already closed).
  if (lensSession().view != window()) return;
  lensViewResized(event->size().width(), event->size().height());
}

void LensCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_tipDrag.press(*this, event->position()))
    QWidget::mousePressEvent(event);
}

void LensCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (!m_tipDrag.move(*this, event->position())) QWidget::mouseMoveEvent(event);
}

void LensCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (!m_tipDrag.release()) QWidget::mouseReleaseEvent(event);
}

// A window of the dialog type is one the window system keeps above its owner
// (on X11 it is transient for it); the hints keep the frame of an ordinary
// window.
LensWnd::LensWnd(QWidget* owner)
    : QMainWindow(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_canvas(new LensCanvas(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(uiText(kLensWndCaption));
  setCentralWidget(m_canvas);
  // Two plain commands right on the menu bar.
  QAction* parameters = menuBar()->addAction(tr("para&Meters"));
  QAction* print = menuBar()->addAction(tr("&Print"));
  parameters->setData(IDM_LENS_PARAMETERS);
  print->setData(IDM_LENS_PRINT);
  connect(parameters, &QAction::triggered, this, [this] { command(IDM_LENS_PARAMETERS); });
  connect(print, &QAction::triggered, this, [this] { command(IDM_LENS_PRINT); });
  QAction* exportPicture = menuBar()->addAction(tr("E&xport…"));
  exportPicture->setData(IDM_LENS_EXPORT);
  connect(exportPicture, &QAction::triggered, this, [this] { command(IDM_LENS_EXPORT); });
  // What the picture adds to explain itself.
  QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
  m_legend = viewMenu->addAction(tr("&Legend"));
  m_legend->setData(IDM_LENS_LEGEND);
  m_legend->setCheckable(true);
  m_legend->setChecked(true);
  connect(m_legend, &QAction::triggered, this, [this] { updateCanvas(); });
  m_options = new LensViewOptions(this, viewMenu);
  connect(m_options, &LensViewOptions::changed, this, &LensWnd::updateCanvas);
  addLensReadout(this);
  addTeachingActions(this);
  LensSession& s = lensSession();
  s.view = this;
  setBeamMode(s.model.beamMode());  // adopts a buffer already allocated for this mode
}

LensWnd::~LensWnd() { detach(); }

void LensWnd::detach() {
  if (m_detached) return;
  m_detached = true;
  LensSession& s = lensSession();
  // The owned dialog goes first, while the view is still whole; it saves
  // its position and stops a running script itself.
  delete s.control.data();
  if (s.stopScript) s.stopScript();
  if (s.view == this) s.view = nullptr;
  s.model.releaseBuffer();
}

void LensWnd::closeEvent(QCloseEvent* event) {
  detach();
  QMainWindow::closeEvent(event);
}

void LensWnd::command(int id) {
  switch (id) {
    case IDM_LENS_PARAMETERS:
      openLensControl();
      break;
    case IDM_LENS_PRINT:
      printLens(this);
      break;
    case IDM_LENS_EXPORT:
      exportLens(this);
      break;
    case IDM_LENS_LEGEND:
      m_legend->trigger();  // toggles it and repaints
      break;
    default:
      break;
  }
}

void LensWnd::updateCanvas() { m_canvas->update(); }

bool LensWnd::legendShown() const { return m_legend->isChecked(); }

void lensViewResized(int w, int h) {
  LensSession& s = lensSession();
  s.Xmax = w;
  s.Ymax = h;
  if (s.control) {
    // Never below the dialog's X and Y values, so no slider loses its value.
    s.Xmax = std::max({w, s.sliderValues[0], s.sliderValues[2]});
    s.Ymax = std::max({h, s.sliderValues[1], s.sliderValues[3]});
    s.control->sendMessage(WM_LENS_APPLY_RANGES);
  } else {
    slidersFromLens();
  }
}

void setOuterGeometry(QWidget* window, const QRect& outer) { setFrameRect(window, outer); }

LensWnd* openLensView(QWidget* mainWindow, int mode) {
  LensSession& s = lensSession();
  LensWnd* view = s.view;
  if (view) {
    if (mode != s.model.beamMode()) {
      setBeamMode(mode);
      // The new buffer is empty: trace it at once so the picture shows the
      // beams of the new mode.
      if (s.control) s.control->recomputeLens();
    }
  } else {
    setBeamMode(mode);
    view = new LensWnd(mainWindow);
    showAtRememberedPlace(view, kPlaceLensView, [view] {
      showWithFrameRect(view, kLensWndOuterRect);  // fitted again once framed
    });
  }
  openLensControl();
  return view;
}

}  // namespace kelvane
