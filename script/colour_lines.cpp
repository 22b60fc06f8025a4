#include "script/colour_lines.h"

#include "script/script_reader.h"

namespace kelvane {

std::optional<ColourLine> readColourLine(int keyword, const ScriptArgs& args) {
  if (!args.complete) return std::nullopt;
  ColourLine line;
  line.keyword = keyword;
  switch (keyword) {
    case KW_GLASS:
      line.glass = args[0].text;
      return line;
    case KW_MEDIUM:
      if (args[0].integer < 0) return std::nullopt;  // an unknown word
      line.water = kMediumWords[args[0].integer] == "water";
      return line;
    case KW_WAVELENGTH:
      line.white = args.sub >= 0;
      line.nm = args[0].real;
      return line;
    default:
      return std::nullopt;
  }
}

ColourState applyColourLine(const ColourLine& line, ColourState colour) {
  if (line.keyword == KW_GLASS) {
    const Glass* glass = findGlass(line.glass);
    if (equalsIgnoreCase(line.glass, kCustomGlassWord))
      colour.glass.clear();
    else
      colour.glass = glass ? glass->name : line.glass;  // colourProblem names an unknown one
  } else if (line.keyword == KW_MEDIUM) {
    colour.water = line.water;
  } else if (line.keyword == KW_WAVELENGTH) {
    colour.white = line.white;
    if (!line.white) colour.wavelength = line.nm;
  }
  return colour;
}

}  // namespace kelvane
