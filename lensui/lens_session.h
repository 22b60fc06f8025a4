// The state the user interface owns: the current lens, the current beam
// settings, the tracer context whose indexRatio is the program's refractive
// index ratio, the beam mode, the canvas limits Xmax/Ymax, the lens view's
// trace buffer and the Lens Control dialog's integer slider values.
//
// Everything here belongs to the user-interface thread. Every function
// declared in this header, and every read or write of a LensSession field,
// must happen on that thread. Another thread (the script runner) hands its
// changes to the user-interface thread and waits for them there; a background
// calculation copies what it needs when it starts.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <array>
#include <functional>
#include <memory>

#include "optics/lens.h"
#include "optics/tracer.h"

namespace kelvane {

class LensWnd;
class LensControl;

// Beam modes of the lens view.
inline constexpr int kSingleBeamMode = 0;
inline constexpr int kMultiBeamMode = 1;

// Points per trace buffer, by beam mode.
inline constexpr int kSingleBeamBufferPoints = SINGLE_BEAM_POINTS;  // 15 beams x 4 points
inline constexpr int kMultiBeamBufferPoints = MULTI_BEAM_POINTS;    // 5 fans x 15 beams x 3 points

// Number of slider rows of the Lens Control dialog: ivx, ivy, evx, evy, depth.
inline constexpr int kSliderRows = 5;

struct LensSession {
  Lens lens = kInitialLens;                         // the lens the user sees and edits
  BeamSettings settings = kInitialCurrentSettings;  // traceBuffer is the buffer below
  TracerContext ctx;  // ctx.indexRatio is the program's indexRatio (1 / refractive index)
  int beamMode = kSingleBeamMode;  // 0 single-beam, 1 multi-beam
  int Xmax = 0;  // slider limit for the X semi-axes (and Xmax / 2 for depth), in lens units
  int Ymax = 0;  // slider limit for the Y semi-axes

  // Trace buffers currently allocated (+1 per allocation, -1 per release);
  // 0 once the lens view is closed.
  int traceAllocCount = 0;
  std::unique_ptr<TracePoint[]> traceBuffer;  // settings.traceBuffer points into it
  int traceBufferPoints = 0;                  // capacity of traceBuffer in points

  // The Lens Control dialog's integer values; the master copy while it is open.
  std::array<int, kSliderRows> sliderValues{};
  int widthValue = 0;     // integer width shown in the width field
  QRect savedDialogRect;  // the dialog's outer rectangle when it last closed; null until then

  QPointer<LensWnd> view;         // the lens view, null while none exists
  QPointer<LensControl> control;  // the Lens Control dialog, null while closed

  // Hooks the script runner installs; empty until it does. stopScript is
  // called when the lens view or the dialog goes away; toggleScript backs the
  // "&Script" button and writeLensScript the "Save" button (both buttons stay
  // disabled while their hook is empty).
  std::function<void()> stopScript;
  std::function<void()> toggleScript;
  std::function<void()> writeLensScript;
};

// The one session of the program.
LensSession& lensSession();

// Allocates the trace buffer for `mode` unless one for that mode exists:
// releases the old buffer, sets pointsMode (3 single, 1 multi) and ticks the
// "Multi" box of an open Lens Control dialog. A new buffer holds no beams, so
// the beam counts of the results are cleared with it.
void setBeamMode(int mode);

// Frees the trace buffer, if any.
void releaseTraceBuffer();

// Trace buffers currently allocated.
int traceAllocCount();

// Traces the current lens into the trace buffer in the current beam mode,
// from clear floating-point flags, asks the view to repaint and tells the
// listeners. Does nothing without a trace buffer (no lens view).
void retraceLens();

// Tells whoever follows the trace (the Aberration window) that the results
// and the buffer changed: after every retrace and every change of buffer.
class LensSessionNotifier : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  void notifyRetraced() { emit retraced(); }
 signals:
  void retraced();
};

// The session's notifier; lives as long as the application object.
LensSessionNotifier& lensSessionNotifier();

}  // namespace kelvane
