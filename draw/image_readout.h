// The numbers of the lens equation beside the trace, as short lines of text:
// the focal length and how far the traced focus lies from the paraxial one,
// and with a point or object source the object and image distances, the
// magnifications, the blur, whether the image is real, and the lens
// equation with the numbers filled in. The picture shows them in its lower
// left corner, so the view, exported pictures and the page all carry them.
#pragma once

#include <string>
#include <vector>

#include "draw/display_list.h"
#include "draw/word_lookup.h"
#include "optics/source_trace.h"

namespace kelvane::draw {

// `tracedFocus` is the single-beam trace's focus (0: none); the words come
// from `words` (English without one).
std::vector<std::string> imageReadout(const SourceTrace& t, double tracedFocus,
                                      WordLookup words = nullptr);

// Adds the lines at the lower left of the visible area, above `bottom`.
void addImageReadout(DisplayList& list, const std::vector<std::string>& lines, double left,
                     double bottom, double maxWidth);

}  // namespace kelvane::draw
