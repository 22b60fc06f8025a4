// The pictures of a script run in kelvane-cli: `script FILE --frames DIR`
// writes one PNG per retrace, `--gif OUT.gif` one animated GIF. Builds
// without Qt have neither option.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/number_argument.h"

namespace kelvane {
class HeadlessHost;
}

namespace kelvane::cli {

struct ScriptFrameArgs {
  std::string framesDir;
  std::string gifPath;
  PixelSize size{860, 720};
  int dpi = 96;
  bool multi = false;
  bool noCaption = false;
  bool wanted() const { return !framesDir.empty() || !gifPath.empty(); }
};

// Adds --frames, --gif, --size, --dpi, --multi and --no-caption to `cmd`.
void addScriptFrameOptions(CLI::App& cmd, ScriptFrameArgs& args);

// Records the frames of one run. Its calls come from one thread at a time.
class ScriptFrames {
 public:
  virtual ~ScriptFrames() = default;
  // One retrace of the host's lens; false when a frame could not be written.
  virtual bool retraced(const HeadlessHost& host) = 0;
  // Closes the files; returns the exit code (0, or 1/2 after a message).
  // A run that never retraced gets one frame of the host's lens.
  virtual int finish(const HeadlessHost& host) = 0;
};

// The recorder for `args`, or nullptr after a message on standard error with
// `exitCode` set (2 for bad options).
std::unique_ptr<ScriptFrames> startScriptFrames(const ScriptFrameArgs& args, int& exitCode);

}  // namespace kelvane::cli
