// How a lens picture is drawn, beyond what it shows: the described
// construction drawing or the classroom view, which fans a classroom
// multi-beam picture shows, and the zoom over true scale. The view, prints,
// exports, GIFs and the page all pass the same style to lensPicture(), so
// the choice is made once. The defaults give the described picture at true
// scale, item for item.
#pragma once

#include "draw/word_lookup.h"

namespace kelvane::draw {

// `fan` value that shows every fan.
inline constexpr int kAllFans = -1;

struct PictureStyle {
  // The glass outline instead of whole face ellipses and the ellipse focus,
  // beams mirrored below the axis, every mark named in the legend.
  bool classroom = false;
  // Classroom multi-beam: kAllFans or one fan, 0..4 (40 .. 0 degrees).
  int fan = kAllFans;
  // Device pixels per drawing unit over true scale (100 units an inch):
  // lines, text and the legend grow with it. 1 is true scale.
  double zoom = 1;
  // The picture's words in the reader's language: given an English key
  // row, its translation. None keeps the English, as kelvane-cli and the
  // page do.
  WordLookup words = nullptr;
};

}  // namespace kelvane::draw
