#include "lensui/lens_print.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "lensui/lens_paint.h"

namespace kelvane {

namespace {

PrintChooser g_chooser = nullptr;  // user-interface thread only

bool choosePrinter(QPrinter& printer, QWidget* owner) {
  QPrintDialog dialog(&printer, owner);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

void setPrintChooser(PrintChooser chooser) { g_chooser = chooser; }

bool printLensOn(QPrinter& printer) {
  printer.setDocName(kPrintDocumentName);
  printer.setFullPage(false);
  QPainter painter;
  if (!painter.begin(&printer)) return false;  // no document, nothing drawn
  // The printable area in device pixels; the painter's origin is its corner.
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  paintLens(painter, page.width(), page.height());
  return painter.end();
}

void printLens(QWidget* owner) {
  // A fresh printer each time: the dialog starts from the default printer,
  // not from the one chosen before.
  QPrinter printer(QPrinter::HighResolution);
  const bool chosen = g_chooser ? g_chooser(printer, owner) : choosePrinter(printer, owner);
  if (!chosen) return;
  printLensOn(printer);
}

}  // namespace kelvane
