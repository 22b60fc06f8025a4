// How the program reaches the Focus Results window: "open focus &Results…"
// (a file chooser), a ".csv" start-up argument or hand-off, and the main
// window's status line, which offers "open results" once the focus table
// has finished writing into the trace file.
#pragma once

#include <QPointer>
#include <QString>
#include <QtGlobal>
#include <string>

#include "app/results/focus_results_window.h"

class QMainWindow;
class QWidget;

namespace kelvane {

// The hooks that step into a lens of the program's own lens view, owned by
// `mainWindow`, with the index in force from the lens session.
FocusResultsHooks programResultsHooks(QWidget* mainWindow);

// Asks for a focus table and opens its window.
void chooseFocusResults(QWidget* mainWindow, const FocusResultsHooks& hooks);

// A ".csv" argument is taken (true) and its window opens as soon as the
// event loop runs; any other argument is left to the script runner (false).
bool openFocusResultsArgument(QWidget* mainWindow, const std::string& argument,
                              const FocusResultsHooks& hooks);

// The offer in the main window's status line; its link opens the window
// for `tracePath`, read as a trace file.
void offerFocusResults(QMainWindow* mainWindow, const QString& tracePath,
                       const FocusResultsHooks& hooks);
// The same from any thread (the focus table's own, as it ends).
void postFocusResultsOffer(QPointer<QMainWindow> mainWindow, const std::string& tracePath,
                           const FocusResultsHooks& hooks);

inline constexpr char kOpenResultsLink[] = QT_TRANSLATE_NOOP("kelvane", "open results");

}  // namespace kelvane
