#include "app/usage.h"

#include <cstring>

#include "app/app_info.h"

namespace kelvane {

namespace {

// Laid out the way help2man reads it: a usage line, a paragraph, then the
// options indented with their descriptions in a column.
constexpr const char* kUsage =
    "Usage: kelvane [OPTION]... [FILE]\n"
    "Shape one elliptical lens and watch parallel beams refract through it: the\n"
    "focus, the width of the beams and the spread of their crossings.\n"
    "\n"
    "FILE is a script (.ops or .lens), run as the Lens Control's Script button\n"
    "runs it, or a focus table (.csv), opened in the Focus Results window. When\n"
    "Kelvane is already running, the FILE is handed to it and this start ends.\n"
    "\n"
    "  -h, --help       print this help and exit\n"
    "      --version    print the version and exit\n"
    "\n"
    "Qt's own options (-platform NAME, -style NAME, ...) are taken as well.\n"
    "The help page opens from the Help menu; kelvane-cli runs the same\n"
    "calculations without a display.\n";

}  // namespace

InfoRequest infoRequest(int argc, const char* const* argv) {
  if (argc < 2 || !argv[1]) return InfoRequest::None;
  const char* first = argv[1];
  if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) return InfoRequest::Help;
  if (std::strcmp(first, "--version") == 0) return InfoRequest::Version;
  return InfoRequest::None;
}

std::string infoText(InfoRequest request) {
  switch (request) {
    case InfoRequest::Help:
      return kUsage;
    case InfoRequest::Version:
      return std::string("kelvane ") + kProgramVersion + "\n";
    case InfoRequest::None:
      break;
  }
  return {};
}

}  // namespace kelvane
