// The classroom view of the lens picture: what a class needs to see and no
// construction lines. The lens is its glass outline alone (the parts of the
// face ellipses that bound the glass), the beams of the upper half are
// mirrored below the axis (the lens is symmetric about it), the mean focus
// is marked, multi-beam fans start on one common line without connectors
// and may be shown one at a time, and the legend names every mark.
#pragma once

#include <vector>

#include "draw/legend.h"
#include "draw/lens_picture.h"

namespace kelvane::draw {

// The glass outline as a closed line; false (nothing added) when the lens
// has no glass, so the caller draws the faces instead.
bool addGlassEdge(DisplayList& list, const Lens& lens);

// The traced beams of `d`, mirrored below the axis, with the crossing marks
// and the mean focus; `fan` is kAllFans or the one fan shown in multi-beam.
void addClassroomBeams(DisplayList& list, const LensDrawing& d, const Extent& e, int fan);

// The legend rows of the classroom picture of `d`, top to bottom.
std::vector<LegendRow> classroomLegendRows(const LensDrawing& d, int fan,
                                           WordLookup words = nullptr);

// "2.40 × true scale" in the bottom-left corner when the zoom is not 1,
// its words from `style`'s lookup.
void addScaleNote(DisplayList& list, double zoom, const Extent& e, const PictureStyle& style = {});

}  // namespace kelvane::draw
