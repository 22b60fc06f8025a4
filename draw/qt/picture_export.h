// Writing the lens picture to a file at true scale: SVG, PNG or PDF, chosen
// by the file's extension. 100 drawing units are one inch in every format:
// the SVG declares its width and height in inches, the PDF page is the
// picture's size and the PNG records its resolution.
//
// The picture is the lens view of a given client size in pixels at 96 pixels
// per inch (the screen's logical resolution), so a file shows what the view
// shows, with a caption band under it when asked for.
#pragma once

#include <QImage>
#include <optional>
#include <string>

#include "draw/lens_picture.h"

namespace kelvane::draw {

enum class PictureFormat { Svg, Png, Pdf };

inline constexpr int kViewDpi = 96;  // the view's pixels per inch
inline constexpr int kDefaultPngDpi = 192;
inline constexpr int kMinPngDpi = 96;
inline constexpr int kMaxPngDpi = 1200;
inline constexpr int kMaxPicturePixels = 10000;  // per side, view and image alike
inline constexpr int kDefaultViewWidth = 860;
inline constexpr int kDefaultViewHeight = 720;
// Resolution of the vector formats' device: 96 makes the SVG's user units
// CSS pixels; PDF gets 1200 so nothing is rounded to a coarse grid.
inline constexpr int kSvgDpi = 96;
inline constexpr int kPdfDpi = 1200;

// Exit codes of an export: bad input or a file that could not be written.
inline constexpr int kExportBadInput = 2;
inline constexpr int kExportWriteFailed = 1;

// The format a path's extension (any case) names; none for another one.
std::optional<PictureFormat> pictureFormatFor(const std::string& path);

struct PictureRequest {
  LensDrawing drawing;
  PictureOptions options;             // legend, caption
  int viewWidth = kDefaultViewWidth;  // the view's client size, pixels at 96 dpi
  int viewHeight = kDefaultViewHeight;
  int pngDpi = kDefaultPngDpi;
};

struct ExportOutcome {
  int code = 0;         // 0, kExportBadInput or kExportWriteFailed
  std::string message;  // what went wrong, one line; empty on success
  bool ok() const { return code == 0; }
};

// Checks the request and the path without writing anything.
ExportOutcome checkPictureRequest(const std::string& path, const PictureRequest& request);

// The picture as an image at request.pngDpi (antialiased, white ground,
// its resolution recorded), as a PNG export would write it.
QImage pictureImage(const PictureRequest& request);

// Writes the picture to `path`. The file is made whole in memory and
// written as fileio/safe_output.h writes: complete or not at all, the old
// file kept until then, never through another user's link in /tmp. A file
// that cannot be written (no folder, no permission, a full disk) ends with
// kExportWriteFailed. Needs a QGuiApplication (the offscreen platform will
// do).
ExportOutcome exportPicture(const std::string& path, const PictureRequest& request);

}  // namespace kelvane::draw
