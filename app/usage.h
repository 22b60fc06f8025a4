// What `kelvane --help` and `kelvane --version` print. They are answered
// before Qt starts, so they work without a display: the manual page is made
// from them at build time. Qt-free.
#pragma once

#include <string>

namespace kelvane {

enum class InfoRequest { None, Help, Version };

// --help (or -h) or --version as the first argument; anything else, a script
// or table path included, is the program's to run.
InfoRequest infoRequest(int argc, const char* const* argv);

// The text for a request, ending with a newline; empty for None.
std::string infoText(InfoRequest request);

}  // namespace kelvane
