// `kelvane-cli focus`: findFocus (or findFoci) on one lens with the current
// beam settings.
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "optics/focus.h"
#include "optics/fpflags.h"

namespace kelvane::cli {

namespace {

struct FocusArgs {
  double values[5] = {};  // ivx ivy evx evy depth
  std::string shape;
  double rindex = 1.5;
  bool raw = false;
  bool multi = false;
};

// "CVCV".."CCCC" (any case) or 0..3; -1 when it is neither.
int parseShape(const std::string& text) {
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '3') return text[0] - '0';
  std::string upper;
  for (char c : text) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (int s = 0; s < 4; ++s)
    if (upper == shapeName(s)) return s;
  return -1;
}

void printValue(bool raw, const char* name, double value) {
  if (raw) std::printf("%s=%.17g\n", name, value);
  else std::printf("%-14s %.4f\n", name, value);
}

int runFocus(const FocusArgs& args) {
  const int shape = parseShape(args.shape);
  if (shape < 0) {
    std::fprintf(stderr, "kelvane-cli focus: SHAPE must be CVCV, CVCC, CCCV, CCCC or 0-3, not \"%s\"\n",
                 args.shape.c_str());
    return kUsageError;
  }
  if (!(args.rindex > 0)) {
    std::fprintf(stderr, "kelvane-cli focus: --rindex must be a positive number\n");
    return kUsageError;
  }
  const Lens lens{args.values[0], args.values[1], args.values[2], args.values[3], args.values[4], shape};
  TracerContext ctx;
  ctx.indexRatio = ratioFromRindex(args.rindex);
  BeamSettings settings = kInitialCurrentSettings;
  const TraceResults& r = ctx.results;
  fpClearFlags();  // the argument parsing's flags are not the lens's
  if (args.multi) {
    std::vector<TracePoint> buffer(MULTI_BEAM_POINTS);
    settings.pointsMode = 1;
    settings.traceBuffer = buffer.data();
    if (findFoci(ctx, lens, settings) != 0) {
      std::printf(args.raw ? "fans=refused\n" : "the layout was refused: no fans traced\n");
      return 1;
    }
    for (int fan = 0; fan < FAN_COUNT; ++fan) {
      if (args.raw) std::printf("fan%.0f=%d\n", kFanAngles[fan], r.fanCounts[fan]);
      else std::printf("fan %2.0f deg      %d beams\n", kFanAngles[fan], r.fanCounts[fan]);
    }
    return 0;
  }
  std::vector<TracePoint> buffer(SINGLE_BEAM_POINTS);
  settings.traceBuffer = buffer.data();
  findFocus(ctx, lens, settings);
  printValue(args.raw, "focus", r.focus);
  printValue(args.raw, "width", r.width);
  printValue(args.raw, "center", r.center);
  printValue(args.raw, "dev", r.dev);
  printValue(args.raw, "devpcnt", r.devpcnt);
  printValue(args.raw, "focusMin", r.focusMin);
  printValue(args.raw, "focusMax", r.focusMax);
  printValue(args.raw, "innerFocusMin", r.innerFocusMin);
  printValue(args.raw, "innerFocusMax", r.innerFocusMax);
  if (args.raw) std::printf("beamCount=%d\n", r.beamCount);
  else std::printf("%-14s %d\n", "beamCount", r.beamCount);
  return 0;
}

}  // namespace

void addFocusCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<FocusArgs>();
  CLI::App* cmd = app.add_subcommand(
      "focus", "Trace one lens with the current beam settings and print its focus and spread.");
  static constexpr const char* names[5] = {"IVX", "IVY", "EVX", "EVY", "DEPTH"};
  static constexpr const char* help[5] = {"ingress X semi-axis", "ingress Y semi-axis",
                                          "egress X semi-axis", "egress Y semi-axis",
                                          "centre depth"};
  for (int i = 0; i < 5; ++i) cmd->add_option(names[i], args->values[i], help[i])->required();
  cmd->add_option("SHAPE", args->shape, "CVCV, CVCC, CCCV, CCCC or 0-3")->required();
  cmd->add_option("--rindex", args->rindex, "refractive index (default 1.5)");
  cmd->add_flag("--raw", args->raw, "name=value lines with 17 significant digits");
  cmd->add_flag("--multi", args->multi, "trace the five multi-beam fans and print their beam counts");
  cmd->callback([args, &exitCode] { exitCode = runFocus(*args); });
}

}  // namespace kelvane::cli
