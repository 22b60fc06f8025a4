// The script lines that set the colour: "glass NAME" (a name or a title,
// "custom" for the lens's own index), "medium air|water" and
// "wavelength NM|white". The stepper runs them and the checker follows them
// by the same reading, so what one passes over the other warns about.
#pragma once

#include <optional>
#include <string>

#include "model/colour_state.h"
#include "script/script_args.h"

namespace kelvane {

// One colour line as read, holding no view into the line's text.
struct ColourLine {
  int keyword = -1;    // KW_GLASS, KW_MEDIUM or KW_WAVELENGTH
  std::string glass;   // KW_GLASS: the name given ("custom": the Custom glass)
  bool water = false;  // KW_MEDIUM
  bool white = false;  // KW_WAVELENGTH: white light, or `nm`
  double nm = 0;
};

// The line, when `keyword` is a colour keyword and its argument was read;
// nothing otherwise (the runner passes such a line over).
std::optional<ColourLine> readColourLine(int keyword, const ScriptArgs& args);

// `colour` with the line applied. Check the result with colourProblem: an
// unknown glass or a wavelength the glass was not measured at is no colour
// to trace, and the runner passes the line over.
ColourState applyColourLine(const ColourLine& line, ColourState colour);

}  // namespace kelvane
