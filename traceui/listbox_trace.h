// The Listbox Trace: a FreeWnd titled "Listbox Trace" whose list box is the
// list-box sink of dbgPrint, with "&Clear" and "&ScrollOff"/"&ScrollOn".
#pragma once

#include <QtGlobal>

#include "traceui/free_window.h"

namespace kelvane {

inline constexpr int LISTBOX_CMD_CLEAR = 100;
inline constexpr int LISTBOX_CMD_SCROLL = 101;
inline constexpr const char* kListboxTraceTitle = QT_TRANSLATE_NOOP("kelvane", "Listbox Trace");
inline constexpr const char* kListboxClearText = QT_TRANSLATE_NOOP("kelvane", "&Clear");
inline constexpr const char* kListboxScrollOffText = QT_TRANSLATE_NOOP("kelvane", "&ScrollOff");
inline constexpr const char* kListboxScrollOnText = QT_TRANSLATE_NOOP("kelvane", "&ScrollOn");
// Work area, corner placement, bottom-right corner.
inline constexpr unsigned kListboxTraceFlags = kFreeWorkArea | kFreePlace | 3;

// The Listbox Trace's command hook: 0 when handled, 1 otherwise.
int listboxTraceCommand(int id, FreeWindow* record);

}  // namespace kelvane
