// A designed lens as the Lens Maker lists it: the row's text, the script
// line "Copy" puts on the clipboard, and showing it in the lens view.
#pragma once

#include <QMetaType>
#include <QString>

#include "calc/lens_design.h"

class QWidget;

namespace kelvane {

// What a row keeps of its design: the lens and how it was traced.
struct DesignedLens {
  Lens lens{};
  double rindex = 1.5;
  std::optional<double> lockedWidth;  // else the dialog's initial fill
  double focus = 0;
  double devpcnt = 0;
};

DesignedLens designedLens(const DesignRequest& request, const DesignResult& result);

// "focus 300.0751  dev 0.0004%  CVCV 235.0914 171.9406 150 350 33.4724":
// focus and dev % as kelvane-cli design prints them, then the lens.
QString designedRowText(const DesignedLens& d);
// What a row says when no lens within the bounds reached the target.
QString unreachedRowText(const DesignRequest& request, const DesignResult& result);
// The `lens ...` line of a script, as `kelvane-cli design` prints it.
QString designedScriptLine(const DesignedLens& d);

// Opens the lens view over `mainWindow` and makes the designed lens, its
// index and its beam width the session's lens in one undo step; raises the
// view. Returns the lens view's results after the retrace.
TraceResults showDesignedLens(QWidget* mainWindow, const DesignedLens& d);

}  // namespace kelvane

Q_DECLARE_METATYPE(kelvane::DesignedLens)
