// The snapshot writer behind the Lens Control dialog's "Save" button: the
// current lens and settings as script lines, appended to a ".lens" file that
// steps through its snapshots when it is run.
#pragma once

#include <cstdio>
#include <string>

#include "model/colour_state.h"
#include "optics/lens.h"
#include "optics/light_source.h"

namespace kelvane {

// What one snapshot records; the user interface fills it on its own thread.
struct LensSnapshot {
  std::string scriptPath;  // the file written, named in the header
  int viewLeft = 0;        // the lens view's outer rectangle on the screen
  int viewTop = 0;
  int viewWidth = 0;
  int viewHeight = 0;
  int xmax = 0;  // the canvas
  int ymax = 0;
  int beamMode = 0;  // 0 single-beam, 1 multi-beam
  double indexRatio = kInitialIndexRatio;
  BeamSettings settings = kInitialCurrentSettings;  // locked and lockedWidth are read
  Lens lens = kInitialLens;
  LightSource source;  // written only when not parallel
  ColourState colour;  // each line written only when it is not the default
};

// Writes one snapshot into an open file. `fresh` (the file holds nothing
// written before) adds the three header comments: the file, the view's
// rectangle and the canvas, commented out so that running the file leaves
// the view alone. Reals become integers by truncation toward zero, except
// the source's distance and height (six significant digits) and the
// wavelength (seven). Returns
// false when there is no file or a line could not be written. The caller
// closes the file.
bool writeLensScript(std::FILE* file, bool fresh, const LensSnapshot& snapshot);

// A real as the writer's "%d" wants it: truncated toward zero, held inside
// the int range (NaN gives 0).
int truncateToInt(double value);

}  // namespace kelvane
