// Reading the command line: the chosen command runs while it is parsed;
// help, the version and parse errors are answered here.
#pragma once

#include <CLI/CLI.hpp>

namespace kelvane::cli {

// Parses argv with the commands already added to `app` and returns the exit
// code: the command's (`commandExitCode`, which its callback sets), 0 after
// help or the version, or the usage exit code after a parse error.
int runCommandLine(CLI::App& app, int argc, char** argv, const int& commandExitCode);

}  // namespace kelvane::cli
