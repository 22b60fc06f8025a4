#include "cli/colour_options.h"

#include "cli/typed_options.h"

namespace kelvane::cli {

namespace {

constexpr NumberRule kWavelengthRule{kMinWavelength, kMaxWavelength, true,
                                     "a wavelength from 380 to 780 nm"};

}  // namespace

const char* const kColourOptionsHelp = R"(
Colour: --glass NAME makes the lens of a catalogue glass (kelvane-cli glasses lists
them; "custom" is the --rindex index), --medium air|water puts it in air (default) or
in water, --wavelength NM (380 to 780, default 587.5618, the d line) traces that
wavelength and --white traces seven, from 420 to 680 nm. A glass's index depends on
the wavelength (dispersion), so blue light focuses nearer the lens than red. A
wavelength outside the range a glass was measured over is refused.
)";

bool ColourArgs::given() const {
  for (const CLI::Option* o : options)
    if (o && o->count() > 0) return true;
  return false;
}

void addColourOptions(CLI::App& cmd, ColourArgs& args, CLI::Option* rindex) {
  CLI::Option* glass =
      cmd.add_option("--glass", args.glass, "the lens's glass (kelvane-cli glasses lists them)")
          ->option_text("NAME");
  CLI::Option* medium =
      cmd.add_option_function<std::string>(
             "--medium",
             [&cmd, &args](const std::string& text) {
               const bool air = text == "air";
               args.water = text == "water";
               if (!air && !args.water)
                 throw BadArgument(refusal(cmd, "--medium", "air or water", text));
             },
             "around the lens: air (default) or water")
          ->option_text("air|water");
  CLI::Option* wavelength =
      addNumber(cmd, "--wavelength", args.wavelength, kWavelengthRule,
                "trace at this wavelength in nm (380 to 780, default 587.5618)")
          ->option_text("NM");
  CLI::Option* white =
      cmd.add_flag("--white", args.white, "white light: seven wavelengths from 420 to 680 nm");
  args.options[0] = glass;
  args.options[1] = medium;
  args.options[2] = wavelength;
  args.options[3] = white;
  args.rindex = rindex;
}

ColourState readColour(const CLI::App& cmd, const ColourArgs& args) {
  const std::string prefix = "kelvane-cli " + cmd.get_name() + ": ";
  if (args.options[0]->count() > 0 && args.rindex && args.rindex->count() > 0)
    throw BadArgument(prefix +
                      "--glass and --rindex exclude each other (a glass has its own index)");
  if (args.white && args.wavelength)
    throw BadArgument(prefix + "--white and --wavelength exclude each other");
  ColourState colour;
  if (!args.glass.empty() && args.glass != "custom") {
    const Glass* glass = findGlass(args.glass);
    colour.glass = glass ? glass->name : args.glass;  // an unknown one is told below
  }
  colour.water = args.water;
  if (args.wavelength) colour.wavelength = *args.wavelength;
  colour.white = args.white;
  if (const std::string why = colourProblem(colour); !why.empty()) throw BadArgument(prefix + why);
  return colour;
}

double colourRindex(const ColourState& colour, double customRindex, double nm) {
  const double medium = colour.water ? findGlass("water")->index(nm) : 1.0;
  if (colour.glass.empty()) return colour.water ? customRindex / medium : customRindex;
  return findGlass(colour.glass)->index(nm) / medium;
}

}  // namespace kelvane::cli
