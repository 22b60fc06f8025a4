#include "draw/legend.h"

#include <algorithm>
#include <cstdio>

#include "draw/classroom.h"
#include "draw/legend_words.h"
#include "draw/source_legend.h"
#include "draw/source_picture.h"
#include "draw/wavelength_rgb.h"
#include "optics/focus.h"

namespace kelvane::draw {

namespace {

// Layout in drawing units (0.01 inch), so the key keeps its size on paper.
constexpr double kFontSize = 11;
constexpr double kRowHeight = 16;
constexpr double kPadding = 6;
constexpr double kSwatchLength = 24;
constexpr double kGap = 6;
constexpr double kMargin = 8;  // from the picture's edges
// An estimate of the width of a character of the key's font, as a share of
// its size; the backend shrinks a text that comes out wider than its room.
constexpr double kCharWidth = 0.58;

const Rgb kFrameColor{160, 160, 160};

// How many character widths a UTF-8 text takes: one a character, two for
// the wide CJK ones (three-byte sequences from U+2E80 on).
size_t textColumns(const std::string& text) {
  size_t columns = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte
    columns +=
        (c >= 0xE2 && !(c == 0xE2 && static_cast<unsigned char>(text[i + 1]) < 0xBA)) ? 2 : 1;
  }
  return columns;
}

}  // namespace

bool legendFocusX(const LensDrawing& d, const PictureStyle& style, double& x) {
  // The classroom view marks the mean focus, not the ellipse's.
  if (!style.classroom && showsFocusDot(d)) {
    x = roundUnit(ingressFarFocus(d.lens));
    return true;
  }
  // Multi-beam traces leave the focus of the last single-beam trace alone.
  if (d.beamMode == 0 && d.results && d.results->focus > 0) {
    x = d.results->focus;
    return true;
  }
  return false;
}

namespace {

// The crossing mark in small: a V across the swatch.
void addSwatchMark(DisplayList& list, double left, double right, double y, const Pen& pen) {
  const Point apex{(left + right) / 2, y - kRowHeight / 2 + 2};
  list.add(Line{{left, y + kRowHeight / 2 - 3}, apex, pen});
  list.add(Line{apex, {right, y + kRowHeight / 2 - 3}, pen});
}

}  // namespace

std::vector<LegendRow> colourLegendRows(const LensDrawing& d, WordLookup words) {
  using S = LegendRow::Swatch;
  std::vector<LegendRow> rows;
  const bool white = d.colours.size() > 1;
  if (white && d.beamMode == 0)
    rows.push_back({S::Line, Pen{kWhiteLightColor, 2}, "white light before the lens"});
  for (const ColourRays& c : d.colours) {
    const std::string nm = wavelengthLabel(c.nm);
    const char* pattern = d.beamMode == 1 ? kFansAtWavelength : kBeamsAtWavelength;
    rows.push_back(
        {S::Line, Pen{spectrumInk(c.nm), 2}, white ? nm : fillIn(say(words, pattern), {nm})});
  }
  if (d.beamMode == 1) {
    rows.push_back(
        {S::None, Pen{}, fillIn(say(words, kAllFansRow), {"40", "30", "20", "10", "0"})});
  } else {
    if (!white)
      rows.push_back(
          {S::Line, Pen{kBeamColors[1], kBeamPenWidth}, "rays bent by the ingress face alone"});
    rows.push_back(
        {S::Dot, Pen{kBeamColors[0], kBeamPenWidth}, "far focus of the ingress ellipse"});
    rows.push_back({S::Line, Pen{kDepthColor, kDepthPenWidth}, "centre depth"});
  }
  addParaxialFocusRow(d, rows);
  return rows;
}

std::vector<LegendRow> legendRows(const LensDrawing& d, WordLookup words) {
  using S = LegendRow::Swatch;
  std::vector<LegendRow> rows;
  const auto beam = [](int r) { return Pen{kBeamColors[r], kBeamPenWidth}; };
  if (showsFiniteSource(d)) return sourceLegendRows(d);
  if (!d.colours.empty()) return colourLegendRows(d, words);
  if (d.beamMode == 1) {
    for (int r = 0; r < FAN_COUNT; ++r) {
      const int count = d.results ? std::max(0, d.results->fanCounts[r]) : 0;
      char angle[16];
      std::snprintf(angle, sizeof angle, "%.0f", kFanAngles[r]);
      const std::string text =
          fillIn(say(words, count == 1 ? kFanRowOne : kFanRow), {angle, std::to_string(count)});
      rows.push_back({S::Line, Pen{kBeamColors[r], 2}, text});
    }
    addParaxialFocusRow(d, rows);
    return rows;
  }
  rows.push_back({S::Line, beam(2), "beams through the lens"});
  rows.push_back({S::Line, beam(1), "rays bent by the ingress face alone"});
  rows.push_back({S::Dot, beam(0), "far focus of the ingress ellipse"});
  rows.push_back({S::Line, Pen{kDepthColor, kDepthPenWidth}, "centre depth"});
  addParaxialFocusRow(d, rows);
  return rows;
}

LegendBox legendBox(const LensDrawing& d, const PictureStyle& style) {
  LegendBox box;
  if (style.classroom && !showsFiniteSource(d) && d.colours.empty()) {
    box.rows = classroomLegendRows(d, style.fan, style.words);
    addParaxialFocusRow(d, box.rows);
  } else {
    box.rows = legendRows(d, style.words);
  }
  // English rows are measured by their bytes, as they always were, so the
  // key keeps its size; translated ones by their characters.
  size_t longest = 0;
  for (LegendRow& row : box.rows) {
    const bool word =
        std::find(kLegendWords.begin(), kLegendWords.end(), row.label) != kLegendWords.end();
    if (style.words && word) {
      row.label = style.words(row.label);
      longest = std::max(longest, textColumns(row.label));
    } else {
      longest = std::max(longest, row.label.size());
    }
  }
  const double textWidth = longest * kFontSize * kCharWidth;
  box.width = kPadding + kSwatchLength + kGap + textWidth + kPadding;
  box.height = 2 * kPadding + box.rows.size() * kRowHeight;
  box.room = kMargin;
  return box;
}

void addLegend(DisplayList& list, const LensDrawing& d, const Extent& e,
               const PictureStyle& style) {
  const LegendBox key = legendBox(d, style);
  const std::vector<LegendRow>& rows = key.rows;
  const double boxWidth = key.width;
  const double boxHeight = key.height;
  const double top = e.top - kMargin;
  const double bottom = top - boxHeight;
  // Too small a picture: the key would reach the axis or fill half the width.
  if (bottom < kLegendAxisClearance || boxWidth > (e.right - e.left) / 2.0) return;

  // The top corner farther from the focus; the right one when there is none.
  double fx = 0;
  const bool toLeft = legendFocusX(d, style, fx) && fx > (e.left + e.right) / 2.0;
  const double left = toLeft ? e.left + kMargin : e.right - kMargin - boxWidth;
  const double right = left + boxWidth;
  list.add(Polygon{
      {{left, bottom}, {right, bottom}, {right, top}, {left, top}}, kWhite, Pen{kFrameColor, 1}});

  double y = top - kPadding - kRowHeight / 2;
  const double swatchLeft = left + kPadding;
  const double swatchRight = swatchLeft + kSwatchLength;
  for (const LegendRow& row : rows) {
    const double mid = (swatchLeft + swatchRight) / 2;
    switch (row.swatch) {
      case LegendRow::Swatch::Dot:
        list.add(EllipseShape{mid - 4, y - 4, 8, 8, row.pen, row.pen.color});
        break;
      case LegendRow::Swatch::Ring:
        list.add(EllipseShape{mid - 5, y - 5, 10, 10, row.pen, std::nullopt});
        break;
      case LegendRow::Swatch::Line:
        list.add(Line{{swatchLeft, y}, {swatchRight, y}, row.pen});
        break;
      case LegendRow::Swatch::Vertical:
        list.add(Line{{mid, y + kRowHeight / 2 - 2}, {mid, y - kRowHeight / 2 + 2}, row.pen});
        break;
      case LegendRow::Swatch::Mark:
        addSwatchMark(list, swatchLeft, swatchRight, y, row.pen);
        break;
      case LegendRow::Swatch::None:
        break;
    }
    list.add(Text{{swatchRight + kGap, y},
                  row.label,
                  kFontSize,
                  kBlack,
                  Align::Left,
                  right - kPadding - (swatchRight + kGap)});
    y -= kRowHeight;
  }
}

}  // namespace kelvane::draw
