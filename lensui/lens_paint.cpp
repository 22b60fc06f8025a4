#include "lensui/lens_paint.h"

#include <QPaintDevice>
#include <QPainter>

#include "draw/qt/painter_replay.h"
#include "lensui/lens_session.h"
#include "lensui/lens_view_options.h"
#include "lensui/lens_wnd.h"

namespace kelvane {

PictureOptions currentPictureOptions() {
  const LensSession& s = lensSession();
  PictureOptions options;
  options.legend = s.view && s.view->legendShown();
  if (s.view) options.style = s.view->viewOptions()->style();  // at true scale
  return options;
}

void paintLens(QPainter& painter, int W, int H, const LensDrawing& d,
               const PictureOptions& options) {
  const QPaintDevice* device = painter.device();
  draw::replay(painter,
               draw::lensPicture(d, W, H, device->logicalDpiX(), device->logicalDpiY(), options));
}

void paintLens(QPainter& painter, int W, int H) {
  paintLens(painter, W, H, draw::pictureOf(lensSession().model), currentPictureOptions());
}

}  // namespace kelvane
