// Where "&HTML help" finds the guide's index page. Qt-free.
#pragma once

#include <string>

namespace kelvane {

// The guide's index page for the program at `programPath`, or "" when no
// guide is installed. Looked for beside the program (<dir>/guide/, where the
// build puts it), then in share/kelvane/guide/ of the prefix above it, for a
// program in bin/ or in lib/kelvane/. `german` picks de/index.html where it
// is there; the English index stands in for it otherwise.
std::string findGuideIndex(const std::string& programPath, bool german);

}  // namespace kelvane
