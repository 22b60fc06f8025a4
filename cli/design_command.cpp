// `kelvane-cli design`: the lens designer from a terminal. The target and
// the bounds are read with the shared typed options; the designed lens is
// printed as a `lens` line and its results as `focus` prints them.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "calc/design_line.h"
#include "calc/lens_design.h"
#include "cli/commands.h"
#include "cli/focus_trace.h"
#include "cli/output.h"
#include "cli/typed_options.h"

namespace kelvane::cli {

namespace {

constexpr NumberRule kTolerance{0, 100, false, "a percentage above 0 and at most 100"};
constexpr const char* kBoundNames[kDesignValues] = {"--ivx", "--ivy", "--evx", "--evy", "--depth"};

constexpr const char* kDesignHelp =
    R"(The designer looks for the lens of the given shape and index that focuses at
the target with the least spread: among the lenses whose traced focus lies
within --tolerance percent of the target (default 0.05), the one with the least
devpcnt. Each semi-axis and the depth stay within their bounds (by default the
focus table's: 150 to 350 for the semi-axes, 30 to 180 for the depth); a single
value such as --depth 112 holds that one fixed. Lenses whose beams cannot be
laid out count as missing the target.

Unlike the focus table and matrix, which trace every lens of a grid of whole
numbers and list those that deviate little, the designer follows the spread
downhill from a fixed set of starting lenses with a derivative-free optimizer
(COBYLA), off the grid, and answers one question in well under a second. The
same request gives the same lens on every run. The program's Lens Maker dialog
and the web page's Design panel run the same designer.

Each lens is traced as kelvane-cli focus traces it, with the same beam options:
tracing the printed lens with focus gives the printed focus, dev and devpcnt.

Output, one field a line (--raw: name=value with 17 significant digits):
  lens IVX IVY EVX EVY DEPTH SHAPE   the designed lens, each value in full (the
                 same with --raw); a script's lens line reads its whole parts
  focus          the designed lens's focus, dev and devpcnt, as focus prints them
  dev
  devpcnt
  traced         the lenses traced
  seconds        the time the search took

Exit codes: 0 designed; 1 no lens within the bounds focuses at the target (the
nearest focus found is reported on standard error) or the output could not be
written; 2 bad arguments.
)";

struct DesignArgs {
  double focus = 0;
  int shape = 0;
  double rindex = 1.5;
  double tolerance = 0.05;
  std::optional<double> width;
  std::optional<double> fill;
  std::optional<RangeText> bounds[kDesignValues];
  bool raw = false;
};

int usageError(const std::string& reason) {
  std::fprintf(stderr, "kelvane-cli design: %s\n", reason.c_str());
  return kUsageError;
}

// Fills `request` from the arguments; 0, or the usage exit code after a
// one-line message.
int readArguments(const DesignArgs& args, DesignRequest& request) {
  if (args.width && args.fill)
    return usageError("--width and --fill exclude each other (a locked width has no fill)");
  request.targetFocus = args.focus;
  request.shape = args.shape;
  request.rindex = args.rindex;
  request.tolerancePercent = args.tolerance;
  request.lockedWidth = args.width;
  request.fillPercent = args.fill;
  for (int v = 0; v < kDesignValues; ++v) {
    if (!args.bounds[v]) continue;
    if (args.bounds[v]->step)
      return usageError(std::string(kBoundNames[v]) + " takes A:B or a single value, not a step");
    request.bounds[v] = DesignBounds{args.bounds[v]->first, args.bounds[v]->last};
  }
  if (const auto problem = designProblem(request)) return usageError(*problem);
  return 0;
}

void reportUnreached(const DesignRequest& request, const DesignResult& result) {
  if (!result.nearestFound) {
    std::fprintf(stderr, "kelvane-cli design: no lens within the bounds has a focus\n");
    return;
  }
  std::fprintf(stderr,
               "kelvane-cli design: no lens within the bounds focuses at %g (within %g%%); the "
               "nearest focus found is %.4f, by %s\n",
               request.targetFocus, request.tolerancePercent, result.focus,
               designedLensLine(result.lens).c_str());
}

int runDesign(const DesignArgs& args) {
  DesignRequest request;
  if (const int code = readArguments(args, request)) return code;
  const DesignResult result = designLens(request);
  if (!result.reached) {
    reportUnreached(request, result);
    return 1;
  }
  Output& out = Output::standardOutput();
  out.print("%s\n", designedLensLine(result.lens).c_str());
  printValue(out, args.raw, "focus", result.focus);
  printValue(out, args.raw, "dev", result.dev);
  printValue(out, args.raw, "devpcnt", result.devpcnt);
  printCount(out, args.raw, "traced", result.traced);
  if (args.raw)
    out.print("seconds=%.17g\n", result.seconds);
  else
    out.print("%-14s %.3f\n", "seconds", result.seconds);
  return out.finish();
}

}  // namespace

void addDesignCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<DesignArgs>();
  CLI::App* cmd = app.add_subcommand(
      "design", "Find the lens that focuses at a target with the least spread, within bounds.");
  addNumber(*cmd, "--focus", args->focus, kPositiveNumber, "the target focus (required)")
      ->option_text("F")
      ->required();
  addShape(*cmd, "--shape", args->shape, "CVCV, CVCC, CCCV, CCCC or 0-3 (default CVCV)")
      ->option_text("S");
  addNumber(*cmd, "--rindex", args->rindex, kPositiveNumber, "refractive index (default 1.5)")
      ->option_text("R");
  addBeamWidthOptions(*cmd, args->width, args->fill);
  static constexpr const char* help[kDesignValues] = {
      "ingress X semi-axis bounds A:B, or V to hold it (default 150:350)",
      "ingress Y semi-axis bounds (default 150:350)", "egress X semi-axis bounds (default 150:350)",
      "egress Y semi-axis bounds (default 150:350)", "depth bounds (default 30:180)"};
  for (int v = 0; v < kDesignValues; ++v)
    addRange(*cmd, kBoundNames[v], args->bounds[v], help[v])->option_text("A:B|V");
  addNumber(*cmd, "--tolerance", args->tolerance, kTolerance,
            "how near the target, in percent of it, a focus must be (default 0.05)")
      ->option_text("PCT");
  cmd->add_flag("--raw", args->raw, "name=value lines with 17 significant digits");
  cmd->footer(kDesignHelp);
  cmd->callback([args, &exitCode] { exitCode = runDesign(*args); });
}

}  // namespace kelvane::cli
