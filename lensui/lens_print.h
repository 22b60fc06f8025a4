// Printing the lens picture on one page at true scale: one lens unit is
// 0.01 inch on paper, the ingress vertex at W / 8 (W / 4 for a concave
// ingress face) and half the height of the printable area.
#pragma once

class QPrinter;
class QWidget;

namespace kelvane {

inline constexpr char kPrintDocumentName[] = "FormFeed";

// Asks for a printer (a PDF file counts as one) with the print dialog over
// `owner`, always starting from the default printer, then prints. Cancelling
// prints nothing.
void printLens(QWidget* owner);

// Prints the current picture on `printer`, already set up, as one page of a
// document named "FormFeed". Returns false when the page could not be
// started.
bool printLensOn(QPrinter& printer);

// Hook for tests and automation: when set, printLens hands it the printer
// instead of showing the dialog; it returns true to print, false to cancel.
using PrintChooser = bool (*)(QPrinter& printer, QWidget* owner);
void setPrintChooser(PrintChooser chooser);

}  // namespace kelvane
