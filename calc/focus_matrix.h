// The focus matrix: a background sweep that holds the ingress face and the
// egress X semi-axis fixed (339, 267, 249, "CVCV"), steps the egress Y
// semi-axis from 150 to 450 and, for each, searches the depth (20..339) with
// the smallest focal deviation. One report line per egress height whose best
// lens deviates by less than 1 (and at most 0.1 percent), between "Focus
// Matrix" and "Done". Unlike the focus table it leaves the trace file open.
#pragma once

#include "calc/sweep_output.h"
#include "optics/lens.h"

namespace kelvane {

inline constexpr Lens kFocusMatrixLens{339, 267, 249, 0, 0, 0};  // evy, depth are swept
inline constexpr int kFocusMatrixFirstEvy = 150;
inline constexpr int kFocusMatrixLastEvy = 450;
inline constexpr int kFocusMatrixFirstDepth = 20;

inline constexpr const char* kFocusMatrixTitle = "Focus Matrix";
inline constexpr const char* kFocusMatrixDone = "Done";
inline constexpr const char* kFocusMatrixLineFormat =
    "%.f,%.f,%.f,%.f,%.f: dev=%.3f (%.2f%%), width=%.2f, F=%.2f, InE=%.4f, EgE=%.4f, center=%.4f";

struct FocusMatrixOptions {
  double indexRatio = kInitialIndexRatio;  // ni/nr entering the glass, fixed for the run
  SweepLineWriter writer;                  // empty: dbgPrint
  SweepProgress* progress = nullptr;       // optional; steps are egress heights
};

// The thread function of "focus &Matrix", with the initial index ratio,
// through dbgPrint. Start it with startBackgroundCalc.
void runFocusMatrix();

// The same with a choice of index ratio and output. Sets calcState to running
// (keeping a kill that came first), stops at any lens once it is not running
// (without "Done"), and calls finishBackgroundCalc as its last step.
void runFocusMatrixWith(const FocusMatrixOptions& options);

}  // namespace kelvane
