// The tracing half of `kelvane-cli focus`: one lens, traced as the Lens
// Control dialog traces it, its results printed for people or for scripts.
#pragma once

#include <optional>

#include "cli/output.h"
#include "model/colour_state.h"
#include "optics/lens.h"

namespace kelvane::cli {

// A checked request: the arguments have been read and found sound.
struct FocusRequest {
  Lens lens{};
  double rindex = 1.5;
  std::optional<double> lockedWidth;  // --width: the width locked at this
  std::optional<double> fillPercent;  // --fill: percent of the rim height
  bool multi = false;
  bool raw = false;
  ColourState colour;        // checked with colourProblem
  bool showColour = false;   // a colour option was given: print the index traced
};

// One result line: "NAME  VALUE" with four decimals (an exponent from
// 10^12 on, "--" when not known), or with `raw` "NAME=VALUE" with 17
// significant digits.
void printValue(Output& out, bool raw, const char* name, double value, bool known = true);
void printCount(Output& out, bool raw, const char* name, long long value);

// Traces the lens and prints the results to `out`; with showColour also
// the index traced (rindex), and for white light one block per wavelength
// and the longitudinal chromatic aberration (lca). A layout the tracer
// refuses is reported on standard error in both beam modes. Returns the
// exit code: 0, or 1 for a refused layout.
int printFocus(const FocusRequest& request, Output& out);

}  // namespace kelvane::cli
