#include "lensui/lens_session.h"

#include <QCoreApplication>

#include "lensui/lens_control.h"
#include "lensui/lens_wnd.h"
#include "optics/focus.h"
#include "optics/fpflags.h"

namespace kelvane {

LensSession& lensSession() {
  static LensSession session;
  return session;
}

void releaseTraceBuffer() {
  LensSession& s = lensSession();
  if (!s.traceBuffer) return;
  s.traceBuffer.reset();
  s.traceBufferPoints = 0;
  s.settings.traceBuffer = nullptr;
  --s.traceAllocCount;
}

void setBeamMode(int mode) {
  LensSession& s = lensSession();
  const bool multi = mode != kSingleBeamMode;
  const int points = multi ? kMultiBeamBufferPoints : kSingleBeamBufferPoints;
  // Kept only when it is the buffer of this mode: a view opened in one mode
  // must not inherit a buffer laid out for the other.
  if (mode == s.beamMode && s.traceBuffer && s.traceBufferPoints == points) return;
  releaseTraceBuffer();
  s.beamMode = mode;
  s.settings.pointsMode = multi ? 1 : 3;
  s.traceBufferPoints = points;
  // Zeroed, and the counts cleared: until the next trace the new buffer holds
  // no beam, and a repaint before that must not read the old mode's counts.
  s.traceBuffer = std::make_unique<TracePoint[]>(s.traceBufferPoints);
  s.settings.traceBuffer = s.traceBuffer.get();
  ++s.traceAllocCount;
  s.ctx.results.beamCount = 0;
  s.ctx.results.fanCounts = {};
  if (s.control) s.control->showBeamMode();
  if (s.view) s.view->updateCanvas();
  lensSessionNotifier().notifyRetraced();
}

void retraceLens() {
  LensSession& s = lensSession();
  if (!s.settings.traceBuffer) return;
  // The tracer reads the sticky floating-point flags; whatever the drawing
  // and layout code of this thread left in them is not the lens's doing.
  fpClearFlags();
  if (s.beamMode == kMultiBeamMode) {
    // A refused layout traced no fan: the picture and the status line must
    // not show the counts of an earlier trace.
    if (findFoci(s.ctx, s.lens, s.settings) != 0) s.ctx.results.fanCounts = {};
  } else {
    findFocus(s.ctx, s.lens, s.settings);
  }
  if (s.view) s.view->updateCanvas();
  lensSessionNotifier().notifyRetraced();
}

LensSessionNotifier& lensSessionNotifier() {
  // Parented to the application, so it goes before Qt does.
  static QPointer<LensSessionNotifier> notifier;
  if (!notifier) notifier = new LensSessionNotifier(QCoreApplication::instance());
  return *notifier;
}

int traceAllocCount() { return lensSession().traceAllocCount; }

}  // namespace kelvane
