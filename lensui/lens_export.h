// "E&xport…" of the lens view: the current picture, as the view shows it,
// written at true scale to an SVG, PNG or PDF file with an optional caption
// line under it.
#pragma once

#include <QString>
#include <QtGlobal>

#include "draw/qt/picture_export.h"

class QWidget;

namespace kelvane {

inline constexpr char kExportFileFilter[] =
    QT_TRANSLATE_NOOP("kelvane", "SVG picture (*.svg);;PNG image (*.png);;PDF document (*.pdf)");

// What the export dialog asks for.
struct ExportChoice {
  QString path;                       // its extension decides the format
  int pngDpi = draw::kDefaultPngDpi;  // 96..1200
  bool caption = true;                // the caption line under the picture
};

// Asks for a file, a resolution and the caption with the export dialog over
// `owner`, then writes the picture; a failure is shown in a message box.
void exportLens(QWidget* owner);

// Writes the current picture at the lens view's client size (the default
// view size when there is no view).
draw::ExportOutcome exportLensTo(const ExportChoice& choice);

// Says where a file went once it is written: on the Lens Control dialog's
// status line (the path shortened to fit, whole in its tooltip), or as a
// trace line when the dialog is closed. `what` names the file ("GIF").
inline constexpr int kWrittenNoticeMs = 8000;
void noteFileWritten(const QString& what, const QString& path);

// Hook for tests and automation: when set, exportLens hands it the choice
// (preset with the last one) instead of showing the dialog; it returns true
// to export, false to cancel.
using ExportChooser = bool (*)(ExportChoice& choice, QWidget* owner);
void setExportChooser(ExportChooser chooser);

}  // namespace kelvane
