// The script lines the page passes over: "window" moves and sizes desktop
// windows and "canvass" sizes the desktop lens view's canvas, and the page
// has neither. Read as the runner reads lines (skipped blocks and comments
// never run), one note each, for the page to show beside the checker's
// warnings.
#pragma once

#include <cstdio>
#include <vector>

#include "script/script_check.h"

namespace kelvane::web {

// Reads the script from the file's current position to its end.
std::vector<ScriptWarning> pagePassedOverLines(std::FILE* file);

}  // namespace kelvane::web
