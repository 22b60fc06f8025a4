#include "app/results/step_into_lens.h"

#include <QCoreApplication>
#include <QWidget>
#include <cmath>

#include "lensui/lens_control.h"
#include "lensui/lens_session.h"
#include "lensui/lens_undo.h"
#include "lensui/lens_wnd.h"

namespace kelvane {

namespace {

// Half a unit of the last written digit, and a little for the binary
// representation of the decimals.
bool withinRounding(double traced, double written, int decimals) {
  const double half = 0.5 * std::pow(10.0, -decimals);
  return std::abs(traced - written) <= half * (1 + 1e-9);
}

}  // namespace

bool traceMatchesRow(const TraceResults& results, const FocusResultRow& row) {
  return withinRounding(results.focus, row.focus, kFocusResultDecimals[COL_FOCUS]) &&
         withinRounding(results.dev, row.dev, kFocusResultDecimals[COL_DEV]) &&
         withinRounding(results.devpcnt, row.devpcnt, kFocusResultDecimals[COL_DEVPCNT]);
}

LensStepOutcome stepIntoLens(QWidget* mainWindow, const LensStepRequest& request) {
  LensSession& s = lensSession();
  openLensView(mainWindow, kSingleBeamMode);
  // The sweep lays its beams out unlocked, over its fill of the rim height
  // (and spaced as the lens view spaces them).
  static_assert(kBackgroundSettings.spacing == kInitialCurrentSettings.spacing &&
                kBackgroundSettings.spacingRatio == kInitialCurrentSettings.spacingRatio);
  LensState row = s.model.state();
  row.lens = lensOfRow(request.row, request.shape);
  row = row.withRowIndex(request.indexRatio);  // a row has one index: Custom glass in air
  row.locked = false;
  row.fill = kBackgroundSettings.fill;
  // One undo step; its redo shows the lens and retraces it. The same lens
  // again, or one taken into a running script's step, is shown here.
  if (!lensUndo().applyAsStep(row, QCoreApplication::translate("kelvane", "Step into lens")) ||
      lensUndo().scriptRunning()) {
    refreshLensControl();
    if (!s.control) retraceLens();
  }
  LensStepOutcome outcome;
  outcome.results = s.model.results();
  outcome.matches = traceMatchesRow(outcome.results, request.row);
  return outcome;
}

QString describeStep(const LensStepRequest& request, const LensStepOutcome& outcome) {
  const FocusResultRow& r = request.row;
  const std::string_view shape = shapeName(request.shape);
  QString text = QCoreApplication::translate("kelvane", "lens %1,%2,%3,%4 depth %5 %6, index %7: ")
                     .arg(r.ivx)
                     .arg(r.ivy)
                     .arg(r.evx)
                     .arg(r.evy)
                     .arg(r.depth)
                     .arg(QString::fromLatin1(shape.data(), static_cast<int>(shape.size())))
                     .arg(1.0 / request.indexRatio, 0, 'g', 6);
  const TraceResults& t = outcome.results;
  if (t.focus <= 0 || std::isnan(t.focus))
    return text + QCoreApplication::translate("kelvane", "no focus, unlike the row");
  text += QCoreApplication::translate("kelvane", "focus %1, dev %2 (%3%)")
              .arg(t.focus, 0, 'f', 1)
              .arg(t.dev, 0, 'f', 3)
              .arg(t.devpcnt, 0, 'f', 2);
  if (outcome.matches) return text + QCoreApplication::translate("kelvane", " as in the row");
  return text + QCoreApplication::translate("kelvane", ", the row has focus %1, dev %2 (%3%)")
                    .arg(r.focus, 0, 'f', 0)
                    .arg(r.dev, 0, 'f', 3)
                    .arg(r.devpcnt, 0, 'f', 2);
}

}  // namespace kelvane
