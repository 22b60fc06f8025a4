#include "lensui/lens_paint.h"

#include <QPaintDevice>
#include <QPainter>

#include "draw/qt/painter_replay.h"
#include "lensui/lens_session.h"
#include "lensui/lens_wnd.h"

namespace kelvane {

QPoint lensOrigin(const Lens& lens, int W, int H) {
  const draw::Point p = draw::lensOriginPixel(lens, W, H);
  return QPoint(static_cast<int>(p.x), static_cast<int>(p.y));
}

QPoint fanStartPoint(int left, int fan, const TracePoint& p0) {
  const draw::Point p = draw::fanStartPoint(left, fan, p0);
  return QPoint(static_cast<int>(p.x), static_cast<int>(p.y));
}

LensDrawing currentLensDrawing() {
  const LensSession& s = lensSession();
  LensDrawing d;
  d.lens = s.lens;
  d.beamMode = s.beamMode;
  d.results = &s.ctx.results;
  d.buffer = s.traceBuffer.get();
  d.bufferPoints = s.traceBufferPoints;
  return d;
}

PictureOptions currentPictureOptions() {
  const LensSession& s = lensSession();
  PictureOptions options;
  options.legend = s.view && s.view->legendShown();
  return options;
}

void paintLens(QPainter& painter, int W, int H, const LensDrawing& d,
               const PictureOptions& options) {
  const QPaintDevice* device = painter.device();
  draw::replay(painter,
               draw::lensPicture(d, W, H, device->logicalDpiX(), device->logicalDpiY(), options));
}

void paintLens(QPainter& painter, int W, int H) {
  paintLens(painter, W, H, currentLensDrawing(), currentPictureOptions());
}

}  // namespace kelvane
