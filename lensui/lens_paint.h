// paintLens: the whole lens picture - axes, depth line, the two face
// ellipses and the recorded beams - on any QPainter (the lens view, an image,
// a printer).
//
// Drawing units are 0.01 inch of the output device with y growing upward:
// lens values are used directly as drawing units, so a lens value of 100
// spans one logical inch on screen and one inch on paper. The ingress vertex
// sits at device pixel (W / 8, H / 2), or (W / 4, H / 2) when the ingress face
// is concave. Doubles become drawing coordinates by adding 0.5 and truncating
// toward zero (roundUnit); the picture relies on exactly that rule.
#pragma once

#include <QColor>
#include <QPoint>
#include <array>

#include "optics/lens.h"

class QPainter;

namespace kelvane {

// Everything one picture needs. buffer may be null (no beams drawn); only
// the records that the counts in results name are read, never more than
// bufferPoints points.
struct LensDrawing {
  Lens lens = kInitialLens;
  int beamMode = 0;  // 0 single-beam, 1 multi-beam
  const TraceResults* results = nullptr;
  const TracePoint* buffer = nullptr;
  int bufferPoints = 0;
};

// The picture of the current session (lens, mode, results and buffer).
LensDrawing currentLensDrawing();

// Colours of the drawing resources.
inline constexpr std::array<QRgb, 5> kBeamPenColors = {
    qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 255, 255), qRgb(255, 128, 0)};
inline constexpr QRgb kDepthPenColor = qRgb(204, 51, 236);
inline constexpr QRgb kFocusBrushColor = qRgb(255, 0, 0);
inline constexpr int kBeamPenWidth = 1;   // drawing units
inline constexpr int kDepthPenWidth = 3;  // drawing units

// Drawing units per inch (the 0.01-inch mapping).
inline constexpr int kUnitsPerInch = 100;

// Add 0.5 and truncate toward zero: -2.7 gives -2. Values far outside any
// picture are held at +-1e6 and a NaN gives 0, so a wild point cannot
// overflow the integer.
int roundUnit(double v);

// Device pixel of the ingress vertex in a W x H output area.
QPoint lensOrigin(const Lens& lens, int W, int H);

// ivx + sqrt(ivx^2 - ivy^2): the far focus of the ingress ellipse (its centre
// lies at x = ivx). Meaningful only when ivx > ivy.
double ingressFarFocus(const Lens& lens);

// Where the incoming beam of fan r (0..4: 40, 30, 20, 10, 0 degrees) whose
// ingress point is p0 starts at the left edge `left` (drawing units):
// x = left + 4r, y = round(round((left - p0.x) * slope) + p0.y). The y offset
// uses left, not left + 4r, so the fans stay apart at the edge.
QPoint fanStartPoint(int left, int fan, const TracePoint& p0);

// Draws the picture on `painter`, whose device has W x H pixels. The pixel
// size comes from the device's logical resolution, so the same call serves
// the screen, an image and a printer.
void paintLens(QPainter& painter, int W, int H, const LensDrawing& drawing);

// paintLens with the current session.
void paintLens(QPainter& painter, int W, int H);

// The V mark hanging 0.2 inch below the axis from x = a to x = b; the
// painter must already carry the drawing-unit transform.
void drawCrossingMark(QPainter& painter, double a, double b);

}  // namespace kelvane
