// What the lens picture shows, decided once for every surface: the glass,
// the axes, the depth line, the two face ellipses, the recorded beams, the
// crossing marks and the focus dot, and on request a legend and a caption.
// lensPicture() fills a display list; backends only replay it.
//
// The ingress vertex is the drawing origin; it sits at device pixel
// (W / 8, H / 2) of a W x H output area, or (W / 4, H / 2) when the ingress
// face is concave. Doubles become drawing coordinates by adding 0.5 and
// truncating toward zero (roundUnit); the picture relies on exactly that
// rule.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "draw/display_list.h"
#include "draw/picture_style.h"
#include "model/lens_model.h"
#include "optics/lens.h"

namespace kelvane::draw {

// The beams of one wavelength, drawn in its colour: records laid out as the
// picture's own buffer for its beam mode.
struct ColourRays {
  double nm = 0;
  const TraceResults* results = nullptr;
  const TracePoint* buffer = nullptr;
  int bufferPoints = 0;
};

// Everything one picture needs. buffer may be null (no beams drawn); only
// the records that the counts in results name are read, never more than
// bufferPoints points.
struct LensDrawing {
  Lens lens = kInitialLens;
  int beamMode = 0;  // 0 single-beam, 1 multi-beam
  const TraceResults* results = nullptr;
  const TracePoint* buffer = nullptr;
  int bufferPoints = 0;
  const SourceTrace* source = nullptr;  // the paraxial lens, and a point or object
  // Empty: the beams in the drawing's own colours. Otherwise the beams
  // through the lens in the colour of each wavelength (one, or white light's).
  std::vector<ColourRays> colours{};
};

// The numbers a caption states about the picture's lens.
struct CaptionFacts {
  Lens lens = kInitialLens;
  double rindex = 1.5;
  double focus = 0;  // 0: the beams have no focus
  double width = 0;
  double dev = 0;
  double devpcnt = 0;
  std::string light;  // the glass, medium and light when not the default; else empty
};

struct PictureOptions {
  bool legend = false;                  // the key in a top corner
  std::optional<CaptionFacts> caption;  // one line under the picture
  PictureStyle style;                   // classroom view, fans, zoom
};

// Colours of the drawing resources.
inline constexpr std::array<Rgb, 5> kBeamColors = {Rgb{255, 0, 0}, Rgb{0, 255, 0}, Rgb{0, 0, 255},
                                                   Rgb{0, 255, 255}, Rgb{255, 128, 0}};
inline constexpr Rgb kDepthColor{204, 51, 236};
inline constexpr Rgb kFocusColor{255, 0, 0};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
// The glass between the two faces: a light tint under everything else.
inline constexpr Rgb kGlassTint{220, 235, 250};
inline constexpr double kBeamPenWidth = 1;   // drawing units
inline constexpr double kDepthPenWidth = 3;  // drawing units

// The corners of the output area in drawing units: top is positive,
// bottom negative.
struct Extent {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Add 0.5 and truncate toward zero: -2.7 gives -2. Values far outside any
// picture are held at +-1e6 and a NaN gives 0, so a wild point cannot
// overflow the integer.
int roundUnit(double v);

// The picture of what `model` last traced: its lens, mode, results and
// records, and in a colour state other than the default the rays of each
// traced wavelength.
LensDrawing pictureOf(const LensModel& model);

// Device pixel of the ingress vertex in a W x H output area. An object
// `sourceDistance` lens units before the lens (at dpiX pixels per inch)
// moves the vertex right until the object is in the picture, but never
// past the middle.
Point lensOriginPixel(const Lens& lens, int W, int H, double sourceDistance = 0,
                      double dpiX = 96);

// The source distance that lensOriginPixel makes room for: 0 for parallel light.
double sourceRoom(const LensDrawing& d);

// ivx + sqrt(ivx^2 - ivy^2): the far focus of the ingress ellipse (its centre
// lies at x = ivx). Meaningful only when ivx > ivy.
double ingressFarFocus(const Lens& lens);

// Whether the picture shows the focus dot: single-beam, an oblong convex
// ingress face (ivx > ivy).
bool showsFocusDot(const LensDrawing& d);

// Where the incoming beam of fan r (0..4: 40, 30, 20, 10, 0 degrees) whose
// ingress point is p0 starts at the left edge `left` (drawing units):
// x = left + 4r, y = round(round((left - p0.x) * slope) + p0.y). The y offset
// uses left, not left + 4r, so the fans stay apart at the edge.
Point fanStartPoint(int left, int fan, const TracePoint& p0);

// The path from `start` through points 0, 1, 2 of a record, stopping before
// the first point the beam never reached (point 0 is always drawn).
void addRecordPath(DisplayList& list, Point start, const TracePoint* rec, const Pen& pen);

// The beams of the multi-beam fans in `results` and `buffer` from the left
// edge `left`, each fan in its own colour, or all in `ink` when given.
void addFanBeams(DisplayList& list, const TraceResults& results, const TracePoint* buffer,
                 int bufferPoints, int left, const Pen* ink = nullptr);

// The V mark hanging 0.2 inch below the axis from x = a to x = b, its apex x
// truncated, not rounded.
void addCrossingMark(DisplayList& list, double a, double b, const Pen& pen);

// The picture of `d` on a W x H pixel output area of dpiX x dpiY pixels per
// inch. A caption adds a band of captionBandPixels(dpiY) under the W x H
// picture, so the list's area is then taller than H.
DisplayList lensPicture(const LensDrawing& d, int W, int H, double dpiX, double dpiY,
                        const PictureOptions& options = {});

}  // namespace kelvane::draw
