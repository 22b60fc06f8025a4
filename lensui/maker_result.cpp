#include "lensui/maker_result.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include "calc/design_line.h"
#include "lensui/lens_control.h"
#include "lensui/lens_session.h"
#include "lensui/lens_undo.h"
#include "lensui/lens_wnd.h"

namespace kelvane {

namespace {

QString shapeText(int shape) {
  const std::string_view name = shapeName(shape);
  return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}

}  // namespace

DesignedLens designedLens(const DesignRequest& request, const DesignResult& result) {
  DesignedLens d;
  d.lens = result.lens;
  d.rindex = request.rindex;
  d.lockedWidth = request.lockedWidth;
  d.focus = result.focus;
  d.devpcnt = result.devpcnt;
  return d;
}

QString designedRowText(const DesignedLens& d) {
  const Lens& l = d.lens;
  return QStringLiteral("focus %1  dev %2%  %3 %4 %5 %6 %7 %8")
      .arg(d.focus, 0, 'f', 4)
      .arg(d.devpcnt, 0, 'f', 4)
      .arg(shapeText(l.shape))
      .arg(l.ivx, 0, 'g', 10)
      .arg(l.ivy, 0, 'g', 10)
      .arg(l.evx, 0, 'g', 10)
      .arg(l.evy, 0, 'g', 10)
      .arg(l.depth, 0, 'g', 10);
}

QString unreachedRowText(const DesignRequest& request, const DesignResult& result) {
  const QString target = QString::number(request.targetFocus, 'g', 10);
  if (!result.nearestFound)
    return QCoreApplication::translate("kelvane", "focus %1: no lens in the bounds has a focus")
        .arg(target);
  return QCoreApplication::translate("kelvane", "focus %1: not reached; the nearest is %2")
      .arg(target)
      .arg(result.focus, 0, 'f', 2);
}

QString designedScriptLine(const DesignedLens& d) {
  return QString::fromStdString(designedLensLine(d.lens));
}

TraceResults showDesignedLens(QWidget* mainWindow, const DesignedLens& d) {
  LensSession& s = lensSession();
  // The designer traces horizontal beams, as the dialog does in single-beam mode.
  openLensView(mainWindow, kSingleBeamMode);
  LensState state = s.model.state();
  state.lens = d.lens;
  state.indexRatio = ratioFromRindex(d.rindex);
  state =
      d.lockedWidth ? state.withLock(*d.lockedWidth) : state.withFill(kInitialCurrentSettings.fill);
  // One undo step that shows and retraces the lens; the same lens again,
  // or one taken into a running script's step, is shown here.
  if (!lensUndo().applyAsStep(state, QCoreApplication::translate("kelvane", "Designed lens")) ||
      lensUndo().scriptRunning()) {
    refreshLensControl();
    if (!s.control) retraceLens();
  }
  // After the double-click that asked is handled, so it cannot take the
  // focus back.
  QTimer::singleShot(0, [] {
    if (LensWnd* view = lensSession().view) {
      view->raise();
      view->activateWindow();
    }
  });
  return s.model.results();
}

}  // namespace kelvane
