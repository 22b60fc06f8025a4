// The state of one run, private to the runner: created afresh for each
// start, read and written only by its runner thread except for `aborted`.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "script/script_runner.h"

namespace kelvane {

struct ScriptRunner::Run : std::enable_shared_from_this<ScriptRunner::Run> {
  // The run was stopped or replaced; set under the control mutex, so a
  // waiting runner wakes when it changes.
  std::atomic<bool> aborted{false};
  ScriptFile file;   // the script being read
  std::string path;  // its path, for the status line
};

}  // namespace kelvane
