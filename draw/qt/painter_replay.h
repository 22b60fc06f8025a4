// Replays a display list on a QPainter: the one backend behind the screen,
// printers, images, SVG and PDF.
#pragma once

#include <QColor>

#include "draw/display_list.h"

class QPainter;

namespace kelvane::draw {

inline QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Draws the whole list: sets the drawing-unit transform (origin, then
// dpi / 100 with y up), replays every primitive and leaves the painter as it
// found it. The screen draws without antialiasing, as the picture always
// has; exported files draw with it.
void replay(QPainter& painter, const DisplayList& list, bool antialias = false);

}  // namespace kelvane::draw
