// The colour options the tracing commands share: --glass NAME, --medium
// air|water, --wavelength NM and --white. A value the options cannot take
// is refused as the typed options refuse one (exit 2, one line naming it),
// and so is a colour that cannot be traced (a glass not measured at a white
// wavelength, say).
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "model/colour_state.h"

namespace kelvane::cli {

struct ColourArgs {
  std::string glass;  // "" or "custom": the --rindex index
  bool water = false;
  std::optional<double> wavelength;
  bool white = false;
  CLI::Option* options[4] = {};   // --glass, --medium, --wavelength, --white
  CLI::Option* rindex = nullptr;  // the command's --rindex, when it has one

  // Any colour option was given: the output names the index it traced.
  bool given() const;
};

// Adds the four options. --glass excludes `rindex` (the Custom index), and
// --white excludes --wavelength: readColour refuses both pairs.
void addColourOptions(CLI::App& cmd, ColourArgs& args, CLI::Option* rindex);

// The state the options ask for; throws BadArgument when it cannot be traced.
ColourState readColour(const CLI::App& cmd, const ColourArgs& args);

// The refractive index the lens has at `nm`, n_glass / n_medium: the Custom
// index itself in air (the --rindex value, exactly), over the water's index
// in water.
double colourRindex(const ColourState& colour, double customRindex, double nm);

// The help text's paragraph on the colour options.
extern const char* const kColourOptionsHelp;

}  // namespace kelvane::cli
