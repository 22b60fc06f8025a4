#include "draw/caption.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "draw/legend_words.h"
#include "draw/wavelength_rgb.h"

namespace kelvane::draw {

namespace {

constexpr double kFontSize = 12;
constexpr double kScaleFontSize = 10;
constexpr double kMargin = 8;
constexpr double kScaleLabelRoom = 12;  // the scale bar's label above it
constexpr double kTick = 4;

// A real as the script writer's "%d" takes it: truncated toward zero.
long truncated(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<long>(std::clamp(v, -2e9, 2e9));
}

}  // namespace

int captionBandPixels(double dpiY) {
  return static_cast<int>(std::lround(kCaptionBandUnits * dpiY / kUnitsPerInch));
}

CaptionFacts captionFacts(const LensModel& model) {
  const TraceResults& r = model.singleBeamTrace().results;
  CaptionFacts f;
  f.lens = model.lens();
  f.rindex = rindexFromRatio(model.indexRatio());
  f.focus = r.focus;
  f.width = r.width;
  f.dev = r.dev;
  f.devpcnt = r.devpcnt;
  f.light = colourWords(model.colour());
  return f;
}

std::string captionText(const CaptionFacts& f, WordLookup words) {
  const Lens& l = f.lens;
  char text[256];
  std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld,%ld,%s   n = %.2f   ", truncated(l.ivx),
                truncated(l.ivy), truncated(l.evx), truncated(l.evy), truncated(l.depth),
                std::string(shapeName(l.shape)).c_str(), f.rindex);
  std::string line = text;
  const std::string width = std::to_string(roundUnit(f.width));
  if (f.focus != 0 && std::isfinite(f.focus)) {
    char dev[32], devpcnt[32];
    std::snprintf(dev, sizeof dev, "%.2f", f.dev);
    std::snprintf(devpcnt, sizeof devpcnt, "%.2f", f.devpcnt);
    line += fillIn(say(words, kCaptionFocus),
                   {std::to_string(roundUnit(f.focus)), width, dev, devpcnt});
  } else {
    line += fillIn(say(words, kCaptionNoFocus), {width});
  }
  if (!f.light.empty()) line += "   " + f.light;
  return line;
}

std::string colourWords(const ColourState& c) {
  if (c.isDefault()) return {};
  std::string words = c.glass;
  const auto add = [&words](const std::string& part) {
    words += (words.empty() ? "" : ", ") + part;
  };
  if (c.water) add("in water");
  add(c.white ? "white light" : wavelengthLabel(c.wavelength));
  return words;
}

void addCaption(DisplayList& list, const CaptionFacts& facts, const Extent& e, WordLookup words) {
  const double mid = e.bottom - kCaptionBandUnits / 2.0;
  // A clean band: beams that leave the picture downward end at its edge.
  const double l = e.left - 2, r = e.right + 2, t = e.bottom, b = e.bottom - kCaptionBandUnits - 2;
  list.add(Polygon{{{l, b}, {r, b}, {r, t}, {l, t}}, kWhite, std::nullopt});
  // The scale bar: one inch with end ticks, its label above it.
  const double barRight = e.right - kMargin;
  const double barLeft = barRight - kUnitsPerInch;
  const double barY = mid - kScaleLabelRoom / 2;
  const Pen pen{kBlack, 1};
  list.add(Line{{barLeft, barY}, {barRight, barY}, pen});
  list.add(Line{{barLeft, barY - kTick}, {barLeft, barY + kTick}, pen});
  list.add(Line{{barRight, barY - kTick}, {barRight, barY + kTick}, pen});
  list.add(Text{{(barLeft + barRight) / 2, barY + kTick + kScaleFontSize / 2 + 1},
                fillIn(say(words, kOneInch), {"1"}),
                kScaleFontSize,
                kBlack,
                Align::Center,
                kUnitsPerInch});
  const double room = barLeft - kMargin - (e.left + kMargin);
  if (room > 0)
    list.add(Text{
        {e.left + kMargin, mid}, captionText(facts, words), kFontSize, kBlack, Align::Left, room});
}

}  // namespace kelvane::draw
