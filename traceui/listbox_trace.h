// The Listbox Trace: a FreeWnd titled "Listbox Trace" whose list box is the
// list-box sink of dbgPrint, with "&Clear" and "&ScrollOff"/"&ScrollOn".
#pragma once

#include "traceui/free_window.h"

namespace kelvane {

inline constexpr int LISTBOX_CMD_CLEAR = 100;
inline constexpr int LISTBOX_CMD_SCROLL = 101;
inline constexpr const char* kListboxTraceTitle = "Listbox Trace";
inline constexpr const char* kListboxClearText = "&Clear";
inline constexpr const char* kListboxScrollOffText = "&ScrollOff";
inline constexpr const char* kListboxScrollOnText = "&ScrollOn";
// Work area, corner placement, bottom-right corner.
inline constexpr unsigned kListboxTraceFlags = kFreeWorkArea | kFreePlace | 3;

// The Listbox Trace's command hook: 0 when handled, 1 otherwise.
int listboxTraceCommand(int id, FreeWindow* record);

}  // namespace kelvane
