// "Animated GIF of a script…" of the export dialog: a chosen script is run
// offscreen, on a host of its own (never the live view), and every retrace
// becomes a frame of an animated GIF shown for the script's wait after it.
#pragma once

#include <string>

#include "draw/qt/frame_recorder.h"

class QWidget;

namespace kelvane {

struct ScriptGifResult {
  bool cancelled = false;       // Cancel was pressed: no file was written
  draw::ExportOutcome outcome;  // a bad option or a write failure
  int frames = 0;               // retraces recorded
};

// Runs `scriptPath` into the GIF of `options` under a progress dialog over
// `owner` whose Cancel stops the script. The user-interface thread keeps
// its events going meanwhile. `delays` false skips the script's waits.
ScriptGifResult recordScriptGif(const std::string& scriptPath, const draw::FrameOptions& options,
                                int beamMode, bool delays, QWidget* owner);

// Asks for a script and a .gif file with the program's file chooser, then
// records it at the lens view's client size and beam mode; a failure is
// shown in a message box.
ScriptGifResult exportScriptGif(QWidget* owner, bool delays = true);

}  // namespace kelvane
