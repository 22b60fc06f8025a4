// Command ids of the main window's menu and the private message numbers.
// The ids are the program's own and never change: scripts post 201 and 203.
#pragma once

namespace kelvane {

inline constexpr int CMD_EXIT = 100;
inline constexpr int CMD_HTML_HELP = 110;
inline constexpr int CMD_HELP = 111;
inline constexpr int CMD_ABOUT = 112;
inline constexpr int CMD_LANGUAGE = 120;  // the "Settings > Language" submenu

inline constexpr int CMD_SCRIPT = 200;
inline constexpr int CMD_MULTI_BEAM = 201;
inline constexpr int CMD_SINGLE_BEAM = 203;
inline constexpr int CMD_LENS_MAKER = 205;

inline constexpr int CMD_KILL_CALC = 300;
inline constexpr int CMD_FOCUS_MATRIX = 301;
inline constexpr int CMD_FOCUS_TABLE = 302;
inline constexpr int CMD_FOCUS_RESULTS = 303;
inline constexpr int CMD_BASIC_INFO = 310;
inline constexpr int CMD_NORMAL_REFRACT_TABLE = 311;
inline constexpr int CMD_FACE_REFRACT_TABLE = 312;
inline constexpr int CMD_SLOPE_REFRACT_TABLE = 313;
inline constexpr int CMD_DEFLECTION_TABLE = 314;
inline constexpr int CMD_TEST_REFRACT_FORMULAS = 315;
inline constexpr int CMD_TEST_ELLIPSE_INTERSECT = 316;
inline constexpr int CMD_TEST_FIND_FOCUS = 317;
inline constexpr int CMD_TEST_MULTI_BEAM = 318;

inline constexpr int CMD_TRACE_FILE = 400;
inline constexpr int CMD_TRACE_PSVIEW = 401;
inline constexpr int CMD_TRACE_LISTBOX = 402;
inline constexpr int CMD_DEMO_TRACE = 403;

// Private messages (WM_USER = 1024).
inline constexpr int WM_USER_BASE = 1024;
inline constexpr int WM_SCRIPT_HANDOFF = WM_USER_BASE + 200;  // 1224

// Dialog results: Enter and Escape.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Timer 1 of the main window: refreshes an open PsView window.
inline constexpr int kMainTimerMs = 250;

}  // namespace kelvane
