// paintLens: the whole lens picture - axes, depth line, the two face
// ellipses and the recorded beams - on any QPainter (the lens view, an image,
// a printer). What is drawn is decided once, as a display list
// (draw/lens_picture.h); this replays it on the painter.
//
// Drawing units are 0.01 inch of the output device with y growing upward:
// lens values are used directly as drawing units, so a lens value of 100
// spans one logical inch on screen and one inch on paper. The ingress vertex
// sits at device pixel (W / 8, H / 2), or (W / 4, H / 2) when the ingress face
// is concave.
#pragma once

#include "draw/lens_picture.h"
#include "optics/lens.h"

class QPainter;

namespace kelvane {

using draw::ingressFarFocus;
using draw::LensDrawing;
using draw::PictureOptions;
using draw::roundUnit;

// What the current lens view adds to the picture (its legend, when shown)
// and how it draws it (the classroom view, the fan shown), at true scale.
PictureOptions currentPictureOptions();

// Draws the picture on `painter`, whose device has W x H pixels. The pixel
// size comes from the device's logical resolution, so the same call serves
// the screen, an image and a printer.
void paintLens(QPainter& painter, int W, int H, const LensDrawing& drawing,
               const PictureOptions& options = {});

// paintLens with the current session and the lens view's options.
void paintLens(QPainter& painter, int W, int H);

}  // namespace kelvane
