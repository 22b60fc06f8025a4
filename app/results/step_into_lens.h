// Stepping into a row of a focus table: its lens becomes the current lens,
// with the shape and refractive index its sweep used, traced as the sweep
// traced it (single beams, width unlocked at the sweep's fill), in the lens
// view, which opens if needed.
#pragma once

#include <QString>

#include "calc/focus_results.h"
#include "optics/lens.h"

class QWidget;

namespace kelvane {

struct LensStepRequest {
  FocusResultRow row;
  int shape = 0;      // the sweep's shape code
  double indexRatio;  // 1 / refractive index
};

struct LensStepOutcome {
  TraceResults results;  // the retrace of the lens view
  bool matches = false;  // focus, dev and devpcnt agree with the row within its rounding
};

// Whether a trace reproduces a row: each value within half a unit of the
// last digit the table writes for it.
bool traceMatchesRow(const TraceResults& results, const FocusResultRow& row);

// Makes the row's lens current and retraces it in the single-beam lens view
// (owned by `mainWindow`), opening the view and the Lens Control dialog.
LensStepOutcome stepIntoLens(QWidget* mainWindow, const LensStepRequest& request);

// One line for a status bar: the lens, its index, the retrace and whether it
// matches the row.
QString describeStep(const LensStepRequest& request, const LensStepOutcome& outcome);

}  // namespace kelvane
