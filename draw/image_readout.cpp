#include "draw/image_readout.h"

#include <cmath>
#include <cstdio>

#include "draw/legend_words.h"

namespace kelvane::draw {

namespace {

constexpr double kFontSize = 11;
constexpr double kLineHeight = 15;
constexpr double kMargin = 8;

std::string fixed(double v, int places = 2) {
  if (!std::isfinite(v)) return "--";
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", places, v + 0.0);
  return text;
}

// "1/640.00 + 1/290.12 = 1/148.15"-like: the reciprocal form people write.
std::string reciprocal(double v) { return "1/" + fixed(v); }

}  // namespace

std::vector<std::string> imageReadout(const SourceTrace& t, double tracedFocus, WordLookup words) {
  std::vector<std::string> lines;
  const ParaxialLens& p = t.paraxial;
  if (p.afocal() || !std::isfinite(p.focalLength)) {
    lines.push_back(say(words, kAfocalReadout));
    return lines;
  }
  std::string first = fillIn(say(words, kFocusReadout), {fixed(p.focalLength), fixed(p.focus)});
  if (tracedFocus != 0 && std::isfinite(tracedFocus))
    first += "   " + fillIn(say(words, kFocusOffsetReadout), {fixed(tracedFocus - p.focus)});
  lines.push_back(first);
  if (!t.source.finite()) return lines;

  const ParaxialImage& pi = t.paraxialImage;
  const PointImage& img = t.axis.image;
  const double sTraced = img.found ? img.x - p.principal2 : NAN;
  lines.push_back(fillIn(
      say(words, kDistanceReadout),
      {fixed(pi.s), fixed(sTraced), pi.finite ? fixed(pi.sPrime) : say(words, kInfiniteWord)}));
  std::string third;
  if (t.hasTip())
    third = fillIn(say(words, kMagnificationReadout),
                   {fixed(t.magnification(), 3),
                    pi.finite ? fixed(pi.magnification, 3) : std::string("--")}) +
            "   ";
  const PointImage& blurred = t.hasTip() ? t.tip.image : img;
  third +=
      fillIn(say(words, kBlurReadout), {blurred.found ? fixed(blurred.blur) : std::string("--")});
  third += "   " + say(words, img.found ? (img.virtualImage ? kVirtualImageWords : kRealImageWords)
                                        : kNoImageWords);
  lines.push_back(third);
  if (pi.finite)
    lines.push_back("1/s + 1/s' = 1/f:  " + reciprocal(pi.s) + " + " + reciprocal(pi.sPrime) +
                    " = " + reciprocal(p.focalLength));
  return lines;
}

void addImageReadout(DisplayList& list, const std::vector<std::string>& lines, double left,
                     double bottom, double maxWidth) {
  double y = bottom + kMargin + kLineHeight / 2 + (lines.size() - 1) * kLineHeight;
  for (const std::string& line : lines) {
    list.add(Text{{left + kMargin, y}, line, kFontSize, Rgb{0, 0, 0}, Align::Left, maxWidth});
    y -= kLineHeight;
  }
}

}  // namespace kelvane::draw
