// The two trace windows as the main window sees them: its Debug items 401
// ("open trace &PsView") and 402 ("open trace &Listbox") toggle them, its
// 250 ms timer refreshes PsView, and it asks whether each is open for the
// items' texts. Every function runs on the user-interface thread.
#pragma once

#include <functional>

class QWidget;

namespace kelvane {

struct FreeWindow;
class PsvWnd;
class TraceListBox;

// Opens the PsView window, or closes the open one.
void togglePsView(QWidget* mainWindow);
bool psViewOpen();
// The 250 ms timer: passes pending scroll and repaint requests on.
void refreshPsView();
// The open PsView window, or nullptr.
PsvWnd* psViewWindow();

// Opens the Listbox Trace, or closes the open one.
void toggleListboxTrace(QWidget* mainWindow);
bool listboxTraceOpen();
// The Listbox Trace's process-wide record; its divisors start at 4 (width)
// and 2 (height), the values the main window gives them.
FreeWindow& listboxTraceRecord();
// The Listbox Trace's list box, or nullptr.
TraceListBox* listboxTrace();

// Called after either window opened or closed (also by its close box), so
// the main window can update its item texts.
void setTraceWindowsListener(std::function<void()> listener);
void notifyTraceWindowsChanged();

}  // namespace kelvane
