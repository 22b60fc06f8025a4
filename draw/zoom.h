// The lens picture's zoom: true scale (1: 100 drawing units an inch), the
// zoom that fits the lens and its focus to an output area, and the steps of
// zooming in and out. The desktop view and the page both use these.
#pragma once

#include "draw/lens_picture.h"

namespace kelvane::draw {

inline constexpr double kMinZoom = 0.25;
inline constexpr double kMaxZoom = 8;

// The zoom at which the glass, the beams' height and the farthest crossing
// fill a W x H pixel area of dpiX x dpiY pixels per inch, with a margin;
// within kMinZoom .. kMaxZoom. With `options.legend` the key, which grows
// with the zoom, keeps its room above the lens, so it covers nothing.
double fitZoom(const LensDrawing& d, int W, int H, double dpiX, double dpiY,
               const PictureOptions& options = {});

// `zoom` held within kMinZoom .. kMaxZoom; 1 for one that is not a
// positive number, so no picture is drawn on a device of no size.
double saneZoom(double zoom);

// One step in (direction > 0) or out (direction < 0) from `zoom`: a factor
// of 1.25, landing on true scale when a step passes it.
double zoomStep(double zoom, int direction);

}  // namespace kelvane::draw
