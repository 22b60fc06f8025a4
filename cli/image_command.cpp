// `kelvane-cli image`: the paraxial thick lens beside the traced one, and
// with --object the image of an object point or arrow both ways.
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "cli/focus_trace.h"
#include "cli/output.h"
#include "cli/typed_options.h"
#include "model/lens_model.h"

namespace kelvane::cli {

namespace {

constexpr int kNumberCount = 5;
constexpr const char* kNames[kNumberCount + 1] = {"IVX", "IVY", "EVX", "EVY", "DEPTH", "SHAPE"};

constexpr NumberRule kObjectDistance{kMinSourceDistance, kMaxSourceDistance, true,
                                     "a distance from 1 to 100000"};
constexpr NumberRule kObjectHeight{0, kMaxSourceHeight, false,
                                   "a height above 0 and up to 10000"};

constexpr const char* kImageHelp = R"(The lens, the beam width and the index are given as to kelvane-cli focus
(kelvane-cli help focus). x is measured as everywhere in Kelvane: the light travels
along +x, the ingress vertex lies at x = 0 and the egress vertex at x = DEPTH; heights
are positive above the axis.

The paraxial lens, from the curvature of each face at its vertex (an ellipse with
semi-axis a along the axis and b across it has the radius b^2/a there):
  R1, R2          the ingress and egress vertex radii, positive when the centre of
                  curvature lies on the +x side (so CVCC, the double-convex lens,
                  has R1 > 0 and R2 < 0)
  focalLength     the effective focal length f of the thick lens in air, positive
                  for a converging lens ("--" for an afocal one)
  principal1      x of the front principal plane H
  principal2      x of the rear principal plane H'
  paraxialFocus   x where light arriving parallel to the axis meets it by the
                  lens equation
With --object D, an object D before the ingress vertex (x = -D): a point on the
axis, or with --height H an upright arrow of height H standing on the axis.
  paraxialImage          x of the image by the lens equation 1/s + 1/s' = 1/f,
                         s measured from H toward -x, s' from H' toward +x
  paraxialMagnification  image height / object height by the lens equation
                         (-s'/s); negative means inverted
  image                  x of the traced image of the axis point: the mean
                         crossing of the exit rays ("--" when fewer than two
                         reach it)
  imageHeight            height of the traced image of the arrow's tip: the
                         point nearest to all its exit rays (least squares)
  magnification          imageHeight / H ("--" without a height)
  blur                   RMS distance of the exit rays from the traced image (of
                         the tip when there is one)
  virtual                1 when the exit rays diverge, so that the image lies
                         where their backward extensions meet; 0 for a real image
Twelve rays leave each object point toward the ingress face, aimed at heights
spaced evenly over the beam width, and are traced through both faces. The traced
image differs from the paraxial one by the aberrations of the lens: rays far
from the axis are bent more than the lens equation says.
Without --object the light arrives parallel and image is the traced focus
(kelvane-cli focus's focus).

Exit codes: 0 traced; 1 the beam layout was refused or the output could not be
written; 2 bad arguments.
)";

struct ImageArgs {
  double values[kNumberCount] = {};
  int shape = 0;
  CLI::Option* given[kNumberCount + 1] = {};
  double rindex = 1.5;
  std::optional<double> width, fill, object, height;
  bool raw = false;
};

void printParaxial(Output& out, bool raw, const ParaxialLens& p) {
  const bool f = !p.afocal();
  printValue(out, raw, "R1", p.r1);
  printValue(out, raw, "R2", p.r2);
  printValue(out, raw, "focalLength", p.focalLength, f);
  printValue(out, raw, "principal1", p.principal1, f);
  printValue(out, raw, "principal2", p.principal2, f);
  printValue(out, raw, "paraxialFocus", p.focus, f);
}

void printImage(Output& out, bool raw, const SourceTrace& t) {
  const ParaxialImage& p = t.paraxialImage;
  printValue(out, raw, "paraxialImage", p.x, p.finite);
  printValue(out, raw, "paraxialMagnification", p.magnification, p.finite);
  const PointImage& axis = t.axis.image;
  printValue(out, raw, "image", axis.x, axis.found);
  const bool tip = t.hasTip() && t.tip.image.found;
  printValue(out, raw, "imageHeight", tip ? t.tip.image.y : 0.0, tip || !t.hasTip());
  printValue(out, raw, "magnification", t.magnification(), tip);
  const PointImage& blurred = t.hasTip() ? t.tip.image : axis;
  printValue(out, raw, "blur", blurred.blur, blurred.found);
  printCount(out, raw, "virtual", axis.found && axis.virtualImage ? 1 : 0);
}

int runImage(const ImageArgs& args) {
  std::string missing;
  for (int i = 0; i <= kNumberCount; ++i)
    if (args.given[i]->count() == 0) missing += std::string(missing.empty() ? "" : " ") + kNames[i];
  const char* problem = nullptr;
  if (!missing.empty())
    problem = "missing";
  else if (args.width && args.fill)
    problem = "--width and --fill exclude each other (a locked width has no fill)";
  else if (args.height && !args.object)
    problem = "--height needs --object (the distance of the arrow)";
  if (problem) {
    std::fprintf(stderr, "kelvane-cli image: %s%s%s\n", problem, missing.empty() ? "" : " ",
                 missing.c_str());
    return kUsageError;
  }
  const double* v = args.values;
  LensModel model;
  model.setLens(Lens{v[0], v[1], v[2], v[3], v[4], args.shape});
  model.setIndexRatio(ratioFromRindex(args.rindex));
  if (args.width)
    model.setState(model.state().withLock(*args.width));
  else if (args.fill)
    model.setState(model.state().withFill(*args.fill * 0.01));
  if (args.object) {
    const SourceKind kind = args.height ? SourceKind::Object : SourceKind::Point;
    model.setSource(LightSource{kind, *args.object, args.height.value_or(0)});
  }
  model.setBeamMode(kSingleBeamMode);
  if (model.retrace() != 0) {
    std::fprintf(stderr, "kelvane-cli image: the layout was refused: beam width %g is below %g\n",
                 model.results().width, model.settings().minWidth);
    return 1;
  }
  Output& out = Output::standardOutput();
  const SourceTrace& t = model.sourceTrace();
  printParaxial(out, args.raw, t.paraxial);
  if (args.object) {
    printImage(out, args.raw, t);
  } else {
    const double focus = model.results().focus;
    printValue(out, args.raw, "image", focus, focus != 0 && !std::isnan(focus));
  }
  return out.finish();
}

}  // namespace

void addImageCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<ImageArgs>();
  CLI::App* cmd = app.add_subcommand(
      "image", "The paraxial lens and the lens equation beside the traced image of an object.");
  static constexpr const char* help[kNumberCount] = {
      "ingress X semi-axis", "ingress Y semi-axis", "egress X semi-axis", "egress Y semi-axis",
      "distance between the face vertices"};
  for (int i = 0; i < kNumberCount; ++i)
    args->given[i] = addNumber(*cmd, kNames[i], args->values[i],
                               i == kNumberCount - 1 ? kNonNegativeNumber : kPositiveNumber, help[i])
                         ->type_name("");
  args->given[kNumberCount] =
      addShape(*cmd, "SHAPE", args->shape, "CVCV, CVCC, CCCV, CCCC or 0-3")->type_name("");
  addNumber(*cmd, "--object", args->object, kObjectDistance,
            "an object D before the ingress vertex")
      ->option_text("D");
  addNumber(*cmd, "--height", args->height, kObjectHeight,
            "the object is an arrow of height H (with --object)")
      ->option_text("H");
  addNumber(*cmd, "--rindex", args->rindex, kPositiveNumber, "refractive index (default 1.5)")
      ->option_text("R");
  addBeamWidthOptions(*cmd, args->width, args->fill);
  cmd->add_flag("--raw", args->raw, "name=value lines with 17 significant digits");
  cmd->footer(kImageHelp);
  cmd->callback([args, &exitCode] { exitCode = runImage(*args); });
}

}  // namespace kelvane::cli
