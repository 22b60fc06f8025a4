// `kelvane-cli glasses`: the glass catalogue, with each glass's index at the
// d line, its Abbe number, the range it was measured over and its source.
#include <cmath>
#include <string>

#include "cli/commands.h"
#include "cli/output.h"
#include "optics/glass_catalogue.h"

namespace kelvane::cli {

namespace {

constexpr const char* kGlassesHelp = R"(Columns:
  name      what --glass and the script line "glass" take (the title works too)
  n_d       the refractive index at the d line, 587.5618 nm
  V_d       the Abbe number (n_d - 1) / (n_F - n_C): the smaller, the more the index
            changes with the wavelength (F: 486.1327 nm, C: 656.2725 nm)
  range     the wavelengths in nm the index was measured over ("inf": no upper limit
            given); the program refuses a wavelength outside it
  source    where the Sellmeier coefficients come from
)";

int listGlasses() {
  Output& out = Output::standardOutput();
  out.print("%-14s %-8s %-6s %-12s %s\n", "name", "n_d", "V_d", "range", "source");
  for (const Glass& g : glassCatalogue()) {
    char range[40];
    if (std::isinf(g.maxNm))
      std::snprintf(range, sizeof range, "%g-inf", g.minNm);
    else
      std::snprintf(range, sizeof range, "%g-%g", g.minNm, g.maxNm);
    out.print("%-14s %.5f  %-6.2f %-12s %s\n", g.name.c_str(), g.nd(), g.abbe(), range,
              g.source.c_str());
  }
  return out.finish();
}

}  // namespace

void addGlassesCommand(CLI::App& app, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "glasses", "List the glasses a lens can be made of: index, Abbe number, range, source.");
  cmd->footer(kGlassesHelp);
  cmd->callback([&exitCode] { exitCode = listGlasses(); });
}

}  // namespace kelvane::cli
