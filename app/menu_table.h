// The main window's menu bar as data: popups left to right, each with its
// items in order. The window builds its menus from this table, so the table
// is the one place that holds every id and text.
#pragma once

#include <span>

#include "app/command_ids.h"

namespace kelvane {

inline constexpr int kMenuSeparator = 0;  // id of a separator line

struct MenuItemDef {
  int id;            // command id, or kMenuSeparator
  const char* text;  // UTF-8, with '&' before the mnemonic
};

struct MenuPopupDef {
  const char* title;
  std::span<const MenuItemDef> items;
};

inline constexpr MenuItemDef kFileItems[] = {{CMD_EXIT, "e&Xit"}};
inline constexpr MenuItemDef kOpenItems[] = {
    {CMD_SCRIPT, "script"},
    {CMD_MULTI_BEAM, "multi-beam"},
    {CMD_SINGLE_BEAM, "single-beam"},
    {CMD_LENS_MAKER, "lens &Maker"},
};
inline constexpr MenuItemDef kCalcItems[] = {
    {CMD_KILL_CALC, "&Kill background calc"},
    {CMD_FOCUS_MATRIX, "focus &Matrix"},
    {CMD_FOCUS_TABLE, "focus &Table"},
    {CMD_FOCUS_RESULTS, "open focus &Results\u2026"},
    {kMenuSeparator, nullptr},
    {CMD_BASIC_INFO, "&Basic info"},
    {CMD_NORMAL_REFRACT_TABLE, "&Normal refract table"},
    {CMD_FACE_REFRACT_TABLE, "&Face refract table"},
    {CMD_SLOPE_REFRACT_TABLE, "&Slope refract table"},
    {CMD_DEFLECTION_TABLE, "&Deflection table"},
    {kMenuSeparator, nullptr},
    {CMD_TEST_REFRACT_FORMULAS, "&Test refract formulas"},
    {CMD_TEST_ELLIPSE_INTERSECT, "test &Ellipse intersect"},
    {CMD_TEST_FIND_FOCUS, "test findFocus"},
    {CMD_TEST_MULTI_BEAM, "test multi-beam lens"},
};
inline constexpr MenuItemDef kDebugItems[] = {
    {CMD_TRACE_FILE, "open trace &File"},
    {CMD_TRACE_PSVIEW, "open trace &PsView"},
    {CMD_TRACE_LISTBOX, "open trace &Listbox"},
    {CMD_DEMO_TRACE, "demo trace messages"},
};
inline constexpr MenuItemDef kHelpItems[] = {
    {CMD_HTML_HELP, "&HTML help"},
    {CMD_HELP, "h&Elp"},
    {CMD_ABOUT, "&About"},
};

inline constexpr MenuPopupDef kMenuBar[] = {
    {"&File", kFileItems},   {"&Open", kOpenItems}, {"&Calc", kCalcItems},
    {"&Debug", kDebugItems}, {"&Help", kHelpItems},
};

inline constexpr int kCalcPopupIndex = 2;
inline constexpr int kDebugPopupIndex = 3;

// Texts the items take when their sink is open.
inline constexpr const char* kTraceFileOpenText = "open trace &File";
inline constexpr const char* kTraceFileCloseText = "close trace &File";
inline constexpr const char* kPsViewOpenText = "open trace &PsView";
inline constexpr const char* kPsViewCloseText = "close trace &PsView";
inline constexpr const char* kListboxOpenText = "open trace &Listbox";
inline constexpr const char* kListboxCloseText = "close trace &Listbox";

// The text an item shows: "close ..." while its sink is open.
inline constexpr const char* traceItemText(int id, bool open) {
  switch (id) {
    case CMD_TRACE_FILE:
      return open ? kTraceFileCloseText : kTraceFileOpenText;
    case CMD_TRACE_PSVIEW:
      return open ? kPsViewCloseText : kPsViewOpenText;
    case CMD_TRACE_LISTBOX:
      return open ? kListboxCloseText : kListboxOpenText;
    default:
      return nullptr;
  }
}

}  // namespace kelvane
