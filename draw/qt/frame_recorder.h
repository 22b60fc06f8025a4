// Frames of a script run: one picture per retrace, written as numbered PNG
// files (frame-0001.png, ...) and/or one animated GIF whose frames are each
// shown for the time the script waited after that retrace (at least 20 ms).
//
// The script command calls retraced() after every retrace, from one thread
// at a time, and finish() once the script has ended. Each frame draws the
// model's own records (forced multi-beam frames: those of a multi-beam copy).
#pragma once

#include <QImage>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "draw/qt/gif_animation.h"
#include "draw/qt/picture_export.h"
#include "model/lens_model.h"

namespace kelvane::draw {

struct FrameOptions {
  std::string framesDir;              // PNG frames go here; empty: none
  std::string gifPath;                // the animated GIF; empty: none
  int viewWidth = kDefaultViewWidth;  // the view's client size, pixels at 96 dpi
  int viewHeight = kDefaultViewHeight;
  int dpi = kViewDpi;       // of the frames (96: the view's own pixels)
  bool forceMulti = false;  // draw every frame multi-beam
  bool caption = true;      // each frame's caption shows its own lens
  bool legend = true;
  PictureStyle style;  // the classroom view, at true scale
};

class FrameRecorder {
 public:
  explicit FrameRecorder(FrameOptions options);

  // Bad options (sizes, dpi, a GIF path not ending in .gif, no output at
  // all) before anything is run.
  ExportOutcome check() const;

  // One retrace of `model`. The frame before it is shown for
  // `previousShownMs`, or for the time since it was recorded when not given.
  ExportOutcome retraced(const LensModel& model, std::optional<int> previousShownMs = {});

  // Writes the last frame (shown for `lastShownMs`, or the time since it)
  // and closes the GIF; with no frame at all no GIF is written.
  ExportOutcome finish(std::optional<int> lastShownMs = {});

  int frames() const { return m_frames; }

 private:
  ExportOutcome flushPending(int shownMs);
  int elapsedMs() const;

  FrameOptions m_options;
  std::unique_ptr<GifAnimation> m_gif;
  QImage m_pending;  // the last frame, waiting for its delay
  std::chrono::steady_clock::time_point m_pendingSince;
  int m_frames = 0;
};

}  // namespace kelvane::draw
