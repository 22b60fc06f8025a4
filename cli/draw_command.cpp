// `kelvane-cli draw`: the lens view of one lens written to an SVG, PNG or
// PDF file, without a display. Only this command starts Qt: a
// QGuiApplication on the offscreen platform, for as long as it draws.
#include <QGuiApplication>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/number_argument.h"
#include "cli/drawing.h"
#include "draw/caption.h"
#include "draw/qt/picture_export.h"
#include "model/lens_model.h"

namespace kelvane::cli {

namespace {

struct DrawArgs {
  double values[5] = {};  // ivx ivy evx evy depth
  std::string shape;
  double rindex = 1.5;
  bool multi = false;
  double width = 0;  // 0: not locked
  int fill = 0;      // 0: the default fill
  std::string size = "860x720";
  int dpi = draw::kDefaultPngDpi;
  bool noCaption = false;
  bool noLegend = false;
  std::string output;
};

constexpr char kPrefix[] = "kelvane-cli draw: ";

int badInput(const std::string& message) {
  std::fprintf(stderr, "%s%s\n", kPrefix, message.c_str());
  return kUsageError;
}

bool positive(double v) { return v > 0 && v < 1e6; }

int runDraw(const DrawArgs& args) {
  const int shape = parseShape(args.shape);
  if (shape < 0)
    return badInput("SHAPE must be CVCV, CVCC, CCCV, CCCC or 0-3, not \"" + args.shape + "\"");
  for (double v : args.values)
    if (!positive(v)) return badInput("IVX, IVY, EVX, EVY and DEPTH must be positive numbers");
  if (!(args.rindex > 0)) return badInput("--rindex must be a positive number");
  if (args.width != 0 && !positive(args.width)) return badInput("--width must be positive");
  if (args.fill != 0 && (args.fill < 1 || args.fill > 99))
    return badInput("--fill must be a percentage from 1 to 99");
  draw::PictureRequest request;
  if (!parseSize(args.size, request.viewWidth, request.viewHeight))
    return badInput("--size must be WIDTHxHEIGHT in pixels, such as 860x720, not \"" + args.size +
                    "\"");
  request.pngDpi = args.dpi;
  if (draw::ExportOutcome bad = draw::checkPictureRequest(args.output, request); !bad.ok())
    return badInput(bad.message);

  LensModel model;
  model.setLens(Lens{args.values[0], args.values[1], args.values[2], args.values[3],
                     args.values[4], shape});
  model.setIndexRatio(ratioFromRindex(args.rindex));
  if (args.width > 0)
    model.setState(model.state().withLock(args.width));
  else if (args.fill > 0)
    model.setState(model.state().withFill(args.fill * 0.01));
  // The view's beams end at its right edge, as in the program.
  model.setRayEnd(request.viewWidth);
  model.setBeamMode(args.multi ? kMultiBeamMode : kSingleBeamMode);
  model.retrace();
  request.drawing = draw::pictureOf(model);
  request.options.legend = !args.noLegend;
  if (!args.noCaption) request.options.caption = draw::captionFacts(model);

  const auto app = startOffscreenQt();
  const draw::ExportOutcome outcome = draw::exportPicture(args.output, request);
  if (!outcome.ok()) {
    std::fprintf(stderr, "%s%s\n", kPrefix, outcome.message.c_str());
    return outcome.code;
  }
  return 0;
}

}  // namespace

bool parseSize(const std::string& text, int& w, int& h) {
  char x = 0, rest = 0;
  return std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &rest) == 3 && (x == 'x' || x == 'X');
}

std::unique_ptr<QGuiApplication> startOffscreenQt() {
  static int argc = 3;
  static char name[] = "kelvane-cli";
  static char platform[] = "-platform";
  static char offscreen[] = "offscreen";
  static char* argv[] = {name, platform, offscreen, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

void addDrawCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<DrawArgs>();
  CLI::App* cmd = app.add_subcommand(
      "draw", "Draw the lens view of one lens into an SVG, PNG or PDF file at true scale.");
  static constexpr const char* names[5] = {"IVX", "IVY", "EVX", "EVY", "DEPTH"};
  static constexpr const char* help[5] = {"ingress X semi-axis", "ingress Y semi-axis",
                                          "egress X semi-axis", "egress Y semi-axis",
                                          "centre depth"};
  for (int i = 0; i < 5; ++i) cmd->add_option(names[i], args->values[i], help[i])->required();
  cmd->add_option("SHAPE", args->shape, "CVCV, CVCC, CCCV, CCCC or 0-3")->required();
  cmd->add_option("--rindex", args->rindex, "refractive index (default 1.5)");
  cmd->add_flag("--multi", args->multi, "draw the five multi-beam fans");
  auto* width = cmd->add_option("--width", args->width, "lock the beam width at W lens units");
  auto* fill = cmd->add_option("--fill", args->fill, "beam width as P% of the rim height (1-99)");
  width->excludes(fill);
  cmd->add_option("--size", args->size,
                  "the view's client size in pixels at 96 dpi (default 860x720)");
  cmd->add_option("--dpi", args->dpi, "PNG resolution, 96 to 1200 (default 192)");
  cmd->add_flag("--no-caption", args->noCaption, "leave out the caption line under the picture");
  cmd->add_flag("--no-legend", args->noLegend, "leave out the colour key");
  cmd->add_option("-o,--output", args->output, "FILE.svg, FILE.png or FILE.pdf")->required();
  cmd->callback([args, &exitCode] { exitCode = runDraw(*args); });
}

}  // namespace kelvane::cli
