// The lens view's status line: the traced lens's numbers in words with
// units, "Focus 316.10 (3.16 in) · spread 0.39 (0.12 %) · width 136.5",
// for a class that has not learnt the dialog's field names. Lens values
// are drawing units, 100 an inch. It follows every retrace.
#pragma once

#include <QString>

#include "optics/lens.h"

class QMainWindow;

namespace kelvane {

// The words for a single-beam trace's results; "--" where there is no focus.
QString lensReadoutText(const TraceResults& results);

// Puts the read-out on `view`'s status bar and keeps it current.
void addLensReadout(QMainWindow* view);

}  // namespace kelvane
