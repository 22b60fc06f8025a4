// What the script runner needs from the program's windows. The runner knows
// the windows only through this interface; the user interface implements it
// with the lens view and the Lens Control dialog, kelvane-cli with a headless
// model, the tests with a recorder.
//
// Threads: the runner calls postToUi only. Every other operation runs on the
// user-interface thread, inside work handed to postToUi, or inside
// toggleScript (which the user interface calls on its own thread). The runner
// waits for the work it posts, but gives up waiting as soon as its run is
// stopped, so the user-interface thread never has to wait for the runner.
// The operations must not call back into the runner (toggleScript may call
// one while it holds the runner's lock).
#pragma once

#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "model/colour_state.h"
#include "optics/light_source.h"

namespace kelvane {

// An open script; closes itself.
struct ScriptFileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using ScriptFile = std::unique_ptr<std::FILE, ScriptFileCloser>;

class ScriptHost {
 public:
  virtual ~ScriptHost() = default;

  // Runs `work` on the user-interface thread, in the order posted. Must not
  // block the caller; a host without a thread of its own may run it at once.
  // Work posted after the host has gone away must be dropped.
  virtual void postToUi(std::function<void()> work) = 0;

  // --- user-interface thread only ---------------------------------------

  virtual bool lensViewExists() = 0;
  virtual bool lensControlExists() = 0;
  // openLensView with the current beam mode (it opens the dialog too).
  virtual void openLensView() = 0;
  // Asks the main window to open the lens view later (command 201 for
  // multi-beam, 203 for single-beam), without opening it now.
  virtual void requestLensView() = 0;

  // Writes ivx, ivy, evx, evy and depth of the current lens.
  virtual void setLensValues(const std::array<double, 5>& values) = 0;
  // Writes the current lens's shape code (0..3).
  virtual void setLensShape(int shape) = 0;
  // Writes indexRatio (1 / refractive index); no retrace.
  virtual void setIndexRatio(double ratio) = 0;
  // Sets the light source (held in range by the caller); no retrace.
  virtual void setSource(const LightSource& source) = 0;
  // The glass, medium and light of the lens; setColour's state has passed
  // colourProblem. No retrace.
  virtual ColourState colour() = 0;
  virtual void setColour(const ColourState& colour) = 0;
  // Sets Xmax and Ymax; a value of 0 or less keeps that one. No retrace.
  virtual void setCanvas(int xmax, int ymax) = 0;
  // setBeamMode of the lens view (0 single-beam, 1 multi-beam).
  virtual void setBeamMode(int mode) = 0;
  // The dialog's refreshLensControl: show the lens and settings, retrace,
  // repaint the view.
  virtual void refreshLensControl() = 0;
  // The dialog's setLockWidth: a < 0 unlocks, a > 0 locks at a, 0 locks the
  // width already locked; then refreshes.
  virtual void setLockWidth(int a) = 0;
  // The dialog's setFillPercent: clamp to 1..99, unlock, fill = p / 100,
  // refresh.
  virtual void setFillPercent(int percent) = 0;
  // The width of the last trace (TraceResults::width).
  virtual double traceWidth() = 0;

  // Moves the lens view to (x, y) unless x < 0 and sizes it to w x h unless
  // w < 0, keeping its stacking order.
  virtual void moveLensView(int x, int y, int w, int h) = 0;
  // placeWindow of the Lens Control dialog: anchors 0..3 into the lens view,
  // 4..7 into the work area (corner anchor mod 4), insets dx, dy.
  virtual void placeLensControl(int anchor, int dx, int dy) = 0;

  // The dialog's status line (control 174) and "&Script" button (173); they
  // do nothing while the dialog is closed.
  virtual void setScriptStatus(const std::string& text) = 0;
  virtual void enableScriptStatus(bool enabled) = 0;
  virtual void setScriptButtonText(const std::string& text) = 0;

  // Asks the user which script to run (the run-file request), proposing
  // `path` and leaving the chosen path in it. Returns the open file, or
  // nothing when the user cancelled or the file could not be opened.
  virtual ScriptFile chooseScript(std::string& path) = 0;

  // A run that started executing has ended, finished or stopped; called
  // once per run, also when its dialog has gone.
  virtual void scriptEnded() {}
};

}  // namespace kelvane
