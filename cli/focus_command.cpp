// `kelvane-cli focus`: the focus (or the multi-beam fans) of one lens with the Lens
// Control dialog's beam settings, its width lock or fill given as options.
// Every argument is checked before anything is traced.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/colour_options.h"
#include "cli/commands.h"
#include "cli/focus_trace.h"
#include "cli/output.h"
#include "cli/typed_options.h"

namespace kelvane::cli {

namespace {

constexpr int kNumberCount = 5;  // IVX IVY EVX EVY DEPTH
constexpr const char* kPositionalNames[kNumberCount + 1] = {"IVX", "IVY",   "EVX",
                                                            "EVY", "DEPTH", "SHAPE"};
// The width field's range.

constexpr const char* kFocusHelp = R"(The lens:
  IVX IVY    the X and Y semi-axes of the ingress face (the face the light meets first)
  EVX EVY    the X and Y semi-axes of the egress face
  DEPTH      the distance between the two face vertices
  SHAPE      the shapes of the two faces, ingress letters first, each face as the
             arriving light sees it: CV, the face bulges toward the light; CC, it is
             hollowed away from it. So CVCC is the usual double-convex lens and
             CCCV the double-concave one; CVCV and CCCC are menisci, bulging toward
             the light and away from it. 0, 1, 2 and 3 stand for CVCV, CVCC, CCCV
             and CCCC.
Semi-axes must be greater than 0, the depth 0 or more. The light travels along +x;
the ingress vertex lies at x = 0 and the egress vertex at x = DEPTH.

The beams: the width (the height of the outermost beam) is --fill percent (default 90)
of the height of the rim where the faces meet, or of the smaller Y semi-axis when
there is no rim; --width W locks it at W instead, as the Lens Control's width lock
does. It is never more than 500. The beams are spaced by a fifth of the width, from
the top toward the axis.

Output, one field a line (--raw: name=value with 17 significant digits):
  focus          mean x at which the converging exit rays cross the axis
  width          the beam width
  center         x of the rim where the faces meet (a stand-in when they do not)
  dev            focusMax - focusMin, the spread of the crossings
  devpcnt        dev as a percentage of focus
  focusMin       x of the nearest crossing
  focusMax       x of the farthest crossing
  innerFocusMin  x of the nearest axis crossing of the rays inside the glass
  innerFocusMax  x of the farthest axis crossing of the rays inside the glass
  beamCount      the beams laid out
When no exit ray crosses the axis, focus, dev, devpcnt, focusMin and focusMax read
"--", and so do innerFocusMin and innerFocusMax when no ray inside the glass
crosses it; --raw keeps the numbers (focus 0, the others as the search left them).
Values of 10^12 or more are printed with an exponent.
With --multi: fan40 to fan0, the beams traced through the lens in each of the fans
arriving at 40, 30, 20, 10 and 0 degrees, then the width.

Exit codes: 0 traced; 1 the beam layout was refused or the output could not be
written; 2 bad arguments.
)";

constexpr const char* kFocusColourOutputHelp = R"(
With a colour option the output ends with
  rindex         the refractive index traced, n_glass / n_medium at the wavelength
and with --white each of the seven wavelengths has its block, headed
  wavelength     the wavelength in nm
and ending with its rindex; after them
  lca            the longitudinal chromatic aberration, focus(C) - focus(F) at
                 656.2725 and 486.1327 nm: above 0 when blue focuses nearer the lens
                 ("--" when either has no focus)
)";

struct FocusArgs {
  double values[kNumberCount] = {};  // IVX IVY EVX EVY DEPTH
  int shape = 0;
  CLI::Option* given[kNumberCount + 1] = {};
  double rindex = 1.5;
  std::optional<double> width;
  std::optional<double> fill;
  bool raw = false;
  bool multi = false;
  ColourArgs colour;
  ColourState checkedColour;  // read from `colour` once parsing is done
};

// Fills `request` from the arguments, all read and in range by now; 0, or
// the usage exit code after a one-line message.
int readArguments(const FocusArgs& args, FocusRequest& request) {
  std::string missing;
  for (int i = 0; i <= kNumberCount; ++i)
    if (args.given[i]->count() == 0)
      missing += std::string(missing.empty() ? "" : " ") + kPositionalNames[i];
  if (!missing.empty()) {
    std::fprintf(
        stderr,
        "kelvane-cli focus: missing %s\nusage: kelvane-cli focus IVX IVY EVX EVY DEPTH SHAPE "
        "[options]; kelvane-cli help focus explains them\n",
        missing.c_str());
    return kUsageError;
  }
  const double* v = args.values;
  request.lens = Lens{v[0], v[1], v[2], v[3], v[4], args.shape};
  request.rindex = args.rindex;
  if (args.width && args.fill) {
    std::fprintf(
        stderr,
        "kelvane-cli focus: --width and --fill exclude each other (a locked width has no fill)\n");
    return kUsageError;
  }
  request.lockedWidth = args.width;
  request.fillPercent = args.fill;
  request.raw = args.raw;
  request.multi = args.multi;
  request.colour = args.checkedColour;
  request.showColour = args.colour.given();
  return 0;
}

// The lens arguments are all needed, although the parser is not told so
// (it would name only the first one missing): the usage line says so.
class NeededPositionalsFormatter : public CLI::Formatter {
 public:
  std::string make_option_usage(const CLI::Option* opt) const override {
    return opt->get_positional() ? opt->get_name() : CLI::Formatter::make_option_usage(opt);
  }
};

int runFocus(FocusArgs& args, const CLI::App& cmd) {
  args.checkedColour = readColour(cmd, args.colour);
  FocusRequest request;
  if (const int code = readArguments(args, request)) return code;
  Output& out = Output::standardOutput();
  const int code = printFocus(request, out);
  const int written = out.finish();
  return code != 0 ? code : written;
}

}  // namespace

void addFocusCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<FocusArgs>();
  CLI::App* cmd = app.add_subcommand(
      "focus",
      "Trace one lens with the Lens Control's beam settings and print its focus and spread.");
  static constexpr const char* help[kNumberCount + 1] = {
      "ingress X semi-axis",
      "ingress Y semi-axis",
      "egress X semi-axis",
      "egress Y semi-axis",
      "distance between the face vertices",
      "CVCV, CVCC, CCCV, CCCC or 0-3 (see below)"};
  // Not required here: a missing one is reported with all the others.
  for (int i = 0; i < kNumberCount; ++i)
    args->given[i] =
        addNumber(*cmd, kPositionalNames[i], args->values[i],
                  i == kNumberCount - 1 ? kNonNegativeNumber : kPositiveNumber, help[i])
            ->type_name("");
  args->given[kNumberCount] =
      addShape(*cmd, "SHAPE", args->shape, help[kNumberCount])->type_name("");
  cmd->formatter(std::make_shared<NeededPositionalsFormatter>());
  CLI::Option* rindex =
      addNumber(*cmd, "--rindex", args->rindex, kPositiveNumber,
                "refractive index (default 1.5; below 1 for a lens in a denser medium)")
          ->option_text("R");
  addColourOptions(*cmd, args->colour, rindex);
  addBeamWidthOptions(*cmd, args->width, args->fill);
  cmd->add_flag("--raw", args->raw, "name=value lines with 17 significant digits");
  cmd->add_flag("--multi", args->multi,
                "trace the five multi-beam fans and print their beam counts");
  // The colour paragraphs go before the exit codes, which end the help.
  std::string footer = kFocusHelp;
  footer.insert(footer.find("\nExit codes"),
                std::string(kColourOptionsHelp) + kFocusColourOutputHelp);
  cmd->footer(footer);
  cmd->callback([args, cmd, &exitCode] { exitCode = runFocus(*args, *cmd); });
}

}  // namespace kelvane::cli
