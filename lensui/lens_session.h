// The state the user interface owns: the lens model (lens, beam settings,
// index ratio, beam mode, the lens view's trace buffer and results), the
// canvas limits Xmax/Ymax and the Lens Control dialog's integer slider values.
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

#include "model/lens_model.h"

namespace kelvane {

class LensWnd;
class LensControl;

// Number of slider rows of the Lens Control dialog: ivx, ivy, evx, evy, depth.
inline constexpr int kSliderRows = 5;

struct LensSession {
  // The lens the user sees and edits. Its buffer exists while the lens view
  // does; lens edits go through the undo stack (lens_undo.h).
  LensModel model;
  int Xmax = 0;  // slider limit for the X semi-axes (and Xmax / 2 for depth), in lens units
  int Ymax = 0;  // slider limit for the Y semi-axes

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

// Gives the model the trace buffer for `mode` unless it has one for that
// mode, and ticks the "Multi" box of an open Lens Control dialog.
void setBeamMode(int mode);

// Trace buffers currently allocated: 1 while the lens view is open, else 0.
int traceAllocCount();

// Retraces the model; the view repaints and the listeners are told. Does
// nothing without a trace buffer (no lens view).
void retraceLens();

// Tells whoever follows the trace (the Aberration window) that the results
// and the buffer changed: after every retrace and every change of buffer.
// The model's observer emits it, so it fires for every retrace, whoever
// asked for it.
class LensSessionNotifier : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  void notifyRetraced() { emit retraced(); }
  // A new lens as a whole (a preset, a Focus Results row, a script run or
  // a reset), not a step of a drag.
  void notifyLensReplaced() { emit lensReplaced(); }
 signals:
  void retraced();
  void lensReplaced();
};

// The session's notifier; lives as long as the application object.
LensSessionNotifier& lensSessionNotifier();

}  // namespace kelvane
