// An animated GIF written frame by frame with giflib: one global palette
// that holds the picture's own colours exactly (white, black, the five beam
// pens, the depth line, the glass tint, the key's frame) and a colour cube
// and grey ramp for antialiased edges; looping forever.
//
// The file is written as fileio/safe_output.h writes (under an unpredictable
// name beside its final one, moved there by finish()), so a failed or
// abandoned animation leaves no file behind and the old one as it was.
#pragma once

#include <QImage>
#include <memory>
#include <string>

struct GifFileType;

namespace kelvane {
class SafeOutputFile;
}

namespace kelvane::draw {

class GifAnimation {
 public:
  GifAnimation();
  ~GifAnimation();  // abandons an unfinished file
  GifAnimation(const GifAnimation&) = delete;
  GifAnimation& operator=(const GifAnimation&) = delete;

  // Starts `path` for frames of w x h pixels; false with error() set.
  bool open(const std::string& path, int w, int h);
  // Adds a frame (w x h) shown for delayMs (held to 20 ms at least, in
  // steps of 10 ms).
  bool addFrame(const QImage& frame, int delayMs);
  // Closes and moves the file to its name; false with error() set.
  bool finish();
  int frameCount() const { return m_frames; }
  const std::string& error() const { return m_error; }

  // The palette index the writer gives to an RGB colour (for tests).
  static int paletteIndex(QRgb rgb);

 private:
  bool fail(const std::string& what);
  void closeGif();
  std::unique_ptr<SafeOutputFile> m_file;  // declared first: giflib writes to it until closed
  GifFileType* m_gif = nullptr;
  std::string m_path, m_error;
  int m_width = 0, m_height = 0, m_frames = 0;
};

}  // namespace kelvane::draw
