// `kelvane-cli draw`: the lens view of one lens written to an SVG, PNG or
// PDF file, without a display. Only this command starts Qt: a
// QGuiApplication on the offscreen platform, for as long as it draws.
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "cli/colour_options.h"
#include "cli/commands.h"
#include "cli/drawing.h"
#include "cli/source_option.h"
#include "cli/typed_options.h"
#include "draw/caption.h"
#include "draw/qt/picture_export.h"
#include "model/lens_model.h"

namespace kelvane::cli {

namespace {

struct DrawArgs {
  double values[5] = {};  // ivx ivy evx evy depth
  int shape = 0;
  double rindex = 1.5;
  bool multi = false;
  std::optional<double> width;  // not given: not locked
  std::optional<double> fill;   // not given: the default fill
  PixelSize size{draw::kDefaultViewWidth, draw::kDefaultViewHeight};
  int dpi = draw::kDefaultPngDpi;
  bool noCaption = false;
  bool noLegend = false;
  bool classroom = false;
  int fan = draw::kAllFans;
  std::string output;
  std::optional<LightSource> source;
  ColourArgs colour;
};

constexpr char kPrefix[] = "kelvane-cli draw: ";
// Lengths in lens units: above 0, and small enough to draw.
constexpr NumberRule kDrawnLength{0, 1e6, false, "a number above 0 and up to 1000000"};

int badInput(const std::string& message) {
  std::fprintf(stderr, "%s%s\n", kPrefix, message.c_str());
  return kUsageError;
}

int runDraw(const DrawArgs& args, const CLI::App& cmd) {
  const ColourState colour = readColour(cmd, args.colour);
  draw::PictureRequest request;
  request.viewWidth = args.size.width;
  request.viewHeight = args.size.height;
  request.pngDpi = args.dpi;
  if (draw::ExportOutcome bad = draw::checkPictureRequest(args.output, request); !bad.ok())
    return badInput(bad.message);

  LensModel model;
  model.setLens(Lens{args.values[0], args.values[1], args.values[2], args.values[3],
                     args.values[4], args.shape});
  model.setIndexRatio(ratioFromRindex(args.rindex));
  model.setColour(colour);
  if (args.width)
    model.setState(model.state().withLock(*args.width));
  else if (args.fill)
    model.setState(model.state().withFill(*args.fill * 0.01));
  // The view's beams end at its right edge, as in the program.
  model.setRayEnd(request.viewWidth);
  if (args.source) model.setSource(*args.source);
  model.setBeamMode(args.multi ? kMultiBeamMode : kSingleBeamMode);
  model.retrace();
  request.drawing = draw::pictureOf(model);
  request.options.legend = !args.noLegend;
  request.options.style.classroom = args.classroom;
  request.options.style.fan = args.fan;
  if (!args.noCaption) request.options.caption = draw::captionFacts(model);

  const OffscreenQt qt;
  const draw::ExportOutcome outcome = draw::exportPicture(args.output, request);
  if (!outcome.ok()) {
    std::fprintf(stderr, "%s%s\n", kPrefix, outcome.message.c_str());
    return outcome.code;
  }
  return 0;
}

}  // namespace

OffscreenQt::OffscreenQt() {
  // Qt asks for a runtime folder and, when XDG_RUNTIME_DIR is not set,
  // warns and makes one of its own in /tmp: a private one does, and
  // leaves the user's standard error to the user's mistakes.
  if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
    m_runtimeDir = std::make_unique<QTemporaryDir>();
    if (m_runtimeDir->isValid())
      qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtimeDir->path()));
  }
  static int argc = 3;
  static char name[] = "kelvane-cli";
  static char platform[] = "-platform";
  static char offscreen[] = "offscreen";
  static char* argv[] = {name, platform, offscreen, nullptr};
  m_app = std::make_unique<QGuiApplication>(argc, argv);
}

OffscreenQt::~OffscreenQt() {
  m_app.reset();
  if (m_runtimeDir) qunsetenv("XDG_RUNTIME_DIR");
}

void addDrawCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<DrawArgs>();
  CLI::App* cmd = app.add_subcommand(
      "draw", "Draw the lens view of one lens into an SVG, PNG or PDF file at true scale.");
  static constexpr const char* names[5] = {"IVX", "IVY", "EVX", "EVY", "DEPTH"};
  static constexpr const char* help[5] = {"ingress X semi-axis", "ingress Y semi-axis",
                                          "egress X semi-axis", "egress Y semi-axis",
                                          "centre depth"};
  for (int i = 0; i < 5; ++i)
    addNumber(*cmd, names[i], args->values[i], kDrawnLength, help[i])->required();
  addShape(*cmd, "SHAPE", args->shape, "CVCV, CVCC, CCCV, CCCC or 0-3")->required();
  CLI::Option* rindex =
      addNumber(*cmd, "--rindex", args->rindex, kPositiveNumber, "refractive index (default 1.5)");
  addColourOptions(*cmd, args->colour, rindex);
  cmd->add_flag("--multi", args->multi, "draw the five multi-beam fans");
  addSourceOption(*cmd, args->source);
  auto* width =
      addNumber(*cmd, "--width", args->width, kDrawnLength, "lock the beam width at W lens units");
  auto* fill = addNumber(*cmd, "--fill", args->fill, kFillPercent,
                         "beam width as P% of the rim height (1-99)");
  width->excludes(fill);
  addPixelSize(*cmd, "--size", args->size,
               "the view's client size in pixels at 96 dpi (default 860x720)");
  addWhole(*cmd, "--dpi", args->dpi, kPictureDpi, "PNG resolution, 96 to 1200 (default 192)");
  cmd->add_flag("--no-caption", args->noCaption, "leave out the caption line under the picture");
  cmd->add_flag("--no-legend", args->noLegend, "leave out the colour key");
  cmd->add_flag("--classroom", args->classroom,
                "the classroom view: the glass outline, beams mirrored, every mark named");
  cmd->add_option("--fan", args->fan, "with --classroom --multi: show fan N only (0-4: 40..0 deg)")
      ->check(CLI::Range(0, 4));
  cmd->add_option("-o,--output", args->output, "FILE.svg, FILE.png or FILE.pdf")->required();
  cmd->footer(std::string(kColourOptionsHelp).substr(1));
  cmd->callback([args, cmd, &exitCode] { exitCode = runDraw(*args, *cmd); });
}

}  // namespace kelvane::cli
