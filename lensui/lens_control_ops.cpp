// The Lens Control dialog's operations for the lens view and the script
// runner, and the slider limits they share with the dialog. They work with
// the dialog open or closed; with it closed only the session's values change.
#include <QCoreApplication>
#include <algorithm>

#include "lensui/lens_control.h"
#include "lensui/lens_paint.h"
#include "lensui/lens_session.h"
#include "lensui/lens_undo.h"
#include "lensui/lens_view_options.h"
#include "lensui/lens_wnd.h"
#include "winui/place_window.h"
#include "winui/remembered_place.h"

namespace kelvane {

namespace {
// Where the dialog first opens: inset from the view's bottom-right corner.
constexpr int kFirstPlaceInset = 4;
}  // namespace

int sliderRowLimit(int row) {
  const LensSession& s = lensSession();
  const int limit = row == 4 ? s.Xmax / 2 : (row % 2 == 1 ? s.Ymax : s.Xmax);
  return std::max(1, limit);
}

int typedRowLimit(int row) {
  const LensSession& s = lensSession();
  return std::max(1, row % 2 == 1 ? s.Ymax : s.Xmax);
}

bool clampSlidersToLimits() {
  LensSession& s = lensSession();
  bool moved = false;
  for (int r = 0; r < kSliderRows; ++r) {
    const int held = std::clamp(s.sliderValues[r], 1, typedRowLimit(r));
    moved = moved || held != s.sliderValues[r];
    s.sliderValues[r] = held;
  }
  return moved;
}

void openLensControl() {
  LensSession& s = lensSession();
  if (s.control) {
    s.control->activateWindow();
    s.control->raise();
    s.control->setFocus();
    return;
  }
  if (!s.view) return;
  auto* dialog = new LensControl(s.view);
  s.view->viewOptions()->addKeysTo(dialog);
  if (s.savedDialogRect.right() > 0) {
    dialog->move(s.savedDialogRect.topLeft());
    dialog->show();
    rememberPlace(dialog, kPlaceLensControl);
  } else {
    LensWnd* view = s.view;
    showAtRememberedPlace(dialog, kPlaceLensControl, [dialog, view] {
      dialog->show();
      placeWindow(dialog, view, kCornerBottomRight, kFirstPlaceInset, kFirstPlaceInset);
    });
  }
  dialog->activateWindow();
}

void showFaceShapes() {
  if (LensControl* c = lensSession().control) c->showShapes();
}

void slidersFromLens() {
  LensSession& s = lensSession();
  const Lens& l = s.model.lens();
  s.sliderValues = {roundUnit(l.ivx), roundUnit(l.ivy), roundUnit(l.evx), roundUnit(l.evy),
                    roundUnit(l.depth)};
  s.widthValue = roundUnit(s.model.settings().lockedWidth);
}

void applyRanges() {
  LensSession& s = lensSession();
  // A script's canvass may ask for more than the limit fields can show.
  s.Xmax = std::min(s.Xmax, kLimitMax);
  s.Ymax = std::min(s.Ymax, kLimitMax);
  if (s.control) s.control->showRanges();
  s.model.setRayEnd(s.Xmax);
}

void refreshLensControl() {
  LensSession& s = lensSession();
  showFaceShapes();
  slidersFromLens();
  applyRanges();
  if (s.view) s.view->updateCanvas();
  if (s.control) s.control->sendMessage(WM_LENS_RECOMPUTE);
}

void setLockWidth(int a) {
  LensSession& s = lensSession();
  lensUndo().change(s.model.state().withLock(a), QCoreApplication::translate("kelvane", "Lock"),
                    Show::Controls);
  if (s.control) s.control->showLock(a >= 0);
  refreshLensControl();
}

void setFillPercent(int p) {
  LensSession& s = lensSession();
  p = std::clamp(p, kFillMinPercent, kFillMaxPercent);
  lensUndo().change(s.model.state().withFill(p * 0.01),
                    QCoreApplication::translate("kelvane", "Fill"), Show::Controls);
  if (s.control) {
    s.control->showLock(false);
    s.control->showFill(p);
  }
  refreshLensControl();
}

}  // namespace kelvane
