#include "draw/source_legend.h"

#include <cmath>

#include "draw/source_picture.h"

namespace kelvane::draw {

void addParaxialFocusRow(const LensDrawing& d, std::vector<LegendRow>& rows) {
  if (!d.source || d.source->paraxial.afocal() || !std::isfinite(d.source->paraxial.focus)) return;
  rows.push_back({LegendRow::Swatch::Ring, Pen{kParaxialColor, 2}, "paraxial focus (lens equation)"});
}

std::vector<LegendRow> sourceLegendRows(const LensDrawing& d) {
  using S = LegendRow::Swatch;
  const SourceTrace& t = *d.source;
  std::vector<LegendRow> rows;
  const bool arrow = t.hasTip();
  rows.push_back({S::Line, Pen{kObjectColor, 2}, arrow ? "object" : "point source"});
  rows.push_back({S::Line, Pen{kAxisRayColor, kBeamPenWidth},
                  arrow ? "rays from the object's foot" : "rays from the point"});
  if (arrow) rows.push_back({S::Line, Pen{kTipRayColor, kBeamPenWidth}, "rays from the object's tip"});
  const bool virtualImage = t.axis.image.found && t.axis.image.virtualImage;
  rows.push_back({S::Line, Pen{kImageColor, 2, virtualImage ? Dash::Dash : Dash::Solid},
                  virtualImage ? "virtual image (traced)" : "real image (traced)"});
  if (t.paraxialImage.finite)
    rows.push_back({S::Line, Pen{kParaxialColor, 2}, "paraxial image (diamond)"});
  rows.push_back({S::Line, Pen{kDepthColor, kDepthPenWidth}, "centre depth"});
  addParaxialFocusRow(d, rows);
  return rows;
}

}  // namespace kelvane::draw
