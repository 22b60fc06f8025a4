// The main window's menu bar as data: popups left to right, each with its
// items in order. The window builds its menus from this table, so the table
// is the one place that holds every id and text.
#pragma once

#include <QtGlobal>
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

inline constexpr MenuItemDef kFileItems[] = {{CMD_EXIT, QT_TRANSLATE_NOOP("kelvane", "e&Xit")}};
inline constexpr MenuItemDef kOpenItems[] = {
    {CMD_SCRIPT, QT_TRANSLATE_NOOP("kelvane", "script")},
    {CMD_MULTI_BEAM, QT_TRANSLATE_NOOP("kelvane", "multi-beam")},
    {CMD_SINGLE_BEAM, QT_TRANSLATE_NOOP("kelvane", "single-beam")},
    {CMD_LENS_MAKER, QT_TRANSLATE_NOOP("kelvane", "lens &Maker")},
};
inline constexpr MenuItemDef kCalcItems[] = {
    {CMD_KILL_CALC, QT_TRANSLATE_NOOP("kelvane", "&Kill background calc")},
    {CMD_FOCUS_MATRIX, QT_TRANSLATE_NOOP("kelvane", "focus &Matrix")},
    {CMD_FOCUS_TABLE, QT_TRANSLATE_NOOP("kelvane", "focus &Table")},
    {CMD_FOCUS_RESULTS, QT_TRANSLATE_NOOP("kelvane", "open focus &Results…")},
    {kMenuSeparator, nullptr},
    {CMD_BASIC_INFO, QT_TRANSLATE_NOOP("kelvane", "&Basic info")},
    {CMD_NORMAL_REFRACT_TABLE, QT_TRANSLATE_NOOP("kelvane", "&Normal refract table")},
    {CMD_FACE_REFRACT_TABLE, QT_TRANSLATE_NOOP("kelvane", "&Face refract table")},
    {CMD_SLOPE_REFRACT_TABLE, QT_TRANSLATE_NOOP("kelvane", "&Slope refract table")},
    {CMD_DEFLECTION_TABLE, QT_TRANSLATE_NOOP("kelvane", "&Deflection table")},
    {kMenuSeparator, nullptr},
    {CMD_TEST_REFRACT_FORMULAS, QT_TRANSLATE_NOOP("kelvane", "&Test refract formulas")},
    {CMD_TEST_ELLIPSE_INTERSECT, QT_TRANSLATE_NOOP("kelvane", "test &Ellipse intersect")},
    {CMD_TEST_FIND_FOCUS, QT_TRANSLATE_NOOP("kelvane", "test findFocus")},
    {CMD_TEST_MULTI_BEAM, QT_TRANSLATE_NOOP("kelvane", "test multi-beam lens")},
};
inline constexpr MenuItemDef kDebugItems[] = {
    {CMD_TRACE_FILE, QT_TRANSLATE_NOOP("kelvane", "open trace &File")},
    {CMD_TRACE_PSVIEW, QT_TRANSLATE_NOOP("kelvane", "open trace &PsView")},
    {CMD_TRACE_LISTBOX, QT_TRANSLATE_NOOP("kelvane", "open trace &Listbox")},
    {CMD_DEMO_TRACE, QT_TRANSLATE_NOOP("kelvane", "demo trace messages")},
};
inline constexpr MenuItemDef kSettingsItems[] = {
    {CMD_LANGUAGE, QT_TRANSLATE_NOOP("kelvane", "&Language")},
};
inline constexpr MenuItemDef kHelpItems[] = {
    {CMD_HTML_HELP, QT_TRANSLATE_NOOP("kelvane", "&HTML help")},
    {CMD_HELP, QT_TRANSLATE_NOOP("kelvane", "h&Elp")},
    {CMD_ABOUT, QT_TRANSLATE_NOOP("kelvane", "&About")},
};

inline constexpr MenuPopupDef kMenuBar[] = {
    {QT_TRANSLATE_NOOP("kelvane", "&File"), kFileItems},
    {QT_TRANSLATE_NOOP("kelvane", "&Open"), kOpenItems},
    {QT_TRANSLATE_NOOP("kelvane", "&Calc"), kCalcItems},
    {QT_TRANSLATE_NOOP("kelvane", "&Debug"), kDebugItems},
    {QT_TRANSLATE_NOOP("kelvane", "&Settings"), kSettingsItems},
    {QT_TRANSLATE_NOOP("kelvane", "&Help"), kHelpItems},
};

inline constexpr int kCalcPopupIndex = 2;
inline constexpr int kDebugPopupIndex = 3;

// Texts the items take when their sink is open.
inline constexpr const char* kTraceFileOpenText = QT_TRANSLATE_NOOP("kelvane", "open trace &File");
inline constexpr const char* kTraceFileCloseText =
    QT_TRANSLATE_NOOP("kelvane", "close trace &File");
inline constexpr const char* kPsViewOpenText = QT_TRANSLATE_NOOP("kelvane", "open trace &PsView");
inline constexpr const char* kPsViewCloseText = QT_TRANSLATE_NOOP("kelvane", "close trace &PsView");
inline constexpr const char* kListboxOpenText = QT_TRANSLATE_NOOP("kelvane", "open trace &Listbox");
inline constexpr const char* kListboxCloseText =
    QT_TRANSLATE_NOOP("kelvane", "close trace &Listbox");

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
