// Warnings for script lines that would run otherwise than written.
//
// The runner passes over what it cannot understand and goes on; these checks
// say so, one warning per line of the file, "FILE:LINE: what is wrong": an
// unknown keyword, a missing or signed number, an unknown word, a fade whose
// start lens lacks its shape word so that the values after it shift, a line
// too long to be read whole. The windows and kelvane-cli only show them.
//
// Index: ScriptWarning, checkScript, formatScriptWarning, scriptFileProblem.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

struct ScriptWarning {
  int line = 0;         // 1-based line of the file
  std::string message;  // what is wrong, and what the runner does about it
};

// Reads the script from the file's current position to its end, line by line
// as the runner does, and returns a warning for each line the runner would
// pass over or could not read whole. Lines between "skip" and "endskip" never
// run, and are not looked at.
std::vector<ScriptWarning> checkScript(std::FILE* file);

// "FILE:LINE: message".
std::string formatScriptWarning(std::string_view file, const ScriptWarning& warning);

// Why `path` cannot be run as a script: a directory, anything else that is
// not a regular file (a FIFO, a device), a file that cannot be opened, or
// one that holds NUL bytes and so is no text. Nothing when it can
// (an empty file can: it does nothing).
std::optional<std::string> scriptFileProblem(const std::string& path);

}  // namespace kelvane
