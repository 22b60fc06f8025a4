#include "lensui/lens_session.h"

#include <QCoreApplication>

#include "lensui/lens_control.h"
#include "lensui/lens_wnd.h"

namespace kelvane {

LensSession& lensSession() {
  static LensSession* session = [] {
    static LensSession s;
    // Every retrace and change of buffer repaints the view and is told to
    // the listeners, whoever made it.
    s.model.observe([] {
      if (s.view) s.view->updateCanvas();
      if (QCoreApplication::instance()) lensSessionNotifier().notifyRetraced();
    });
    return &s;
  }();
  return *session;
}

void setBeamMode(int mode) {
  LensSession& s = lensSession();
  s.model.setBeamMode(mode);
  if (s.control) s.control->showBeamMode();
}

void retraceLens() { lensSession().model.retrace(); }

LensSessionNotifier& lensSessionNotifier() {
  // Parented to the application, so it goes before Qt does.
  static QPointer<LensSessionNotifier> notifier;
  if (!notifier) notifier = new LensSessionNotifier(QCoreApplication::instance());
  return *notifier;
}

int traceAllocCount() { return lensSession().model.hasBuffer() ? 1 : 0; }

}  // namespace kelvane
