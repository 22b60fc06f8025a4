// The lens view's status line: the traced lens's numbers in words with
// units, "Focus 316.10 (3.16 in) · spread 0.39 (0.12 %) · width 136.5",
// for a class that has not learnt the dialog's field names; in colour
// "... spread 0.39 (0.12 %) · lca 4.3210 · width 136.5 · n_d 1.51680 · V_d 64.17". Lens values
// are drawing units, 100 an inch. It follows every retrace.
#pragma once

#include <QString>

#include "model/lens_model.h"
#include "optics/lens.h"

class QMainWindow;

namespace kelvane {

// The words for a single-beam trace's results; "--" where there is no focus.
// `lca`, when given, follows the spread.
QString lensReadoutText(const TraceResults& results, const QString& lca = {});

// The model's read-out: lensReadoutText of its single-beam trace, and in a
// colour state other than the default the lca, the index at the wavelength
// (n_d and V_d for white light) and each white wavelength's focus.
QString lensReadoutText(const LensModel& model);

// Puts the read-out on `view`'s status bar and keeps it current.
void addLensReadout(QMainWindow* view);

}  // namespace kelvane
