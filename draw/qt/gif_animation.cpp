#include "draw/qt/gif_animation.h"

#include <gif_lib.h>

#include <QHash>
#include <algorithm>
#include <array>
#include <vector>

#include "draw/lens_picture.h"
#include "fileio/safe_output.h"

namespace kelvane::draw {

namespace {

constexpr int kPaletteSize = 256;
constexpr int kMinDelayMs = 20;

struct Palette {
  std::array<QRgb, kPaletteSize> colors{};
  int used = 0;
  void add(QRgb c) {
    if (used < kPaletteSize &&
        std::find(colors.begin(), colors.begin() + used, c) == colors.begin() + used)
      colors[used++] = c;
  }
  Palette() {
    for (Rgb c : {kWhite, kBlack, kDepthColor, kFocusColor, kGlassTint, Rgb{160, 160, 160}})
      add(qRgb(c.r, c.g, c.b));
    for (Rgb c : kBeamColors) add(qRgb(c.r, c.g, c.b));
    // A 6 x 6 x 6 cube, then greys, for what antialiasing blends.
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b) add(qRgb(r * 51, g * 51, b * 51));
    for (int v = 8; used < kPaletteSize && v < 256; v += 8) add(qRgb(v, v, v));
    while (used < kPaletteSize) colors[used++] = qRgb(255, 255, 255);
  }
  int nearest(QRgb c) const {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < kPaletteSize; ++i) {
      const long dr = qRed(c) - qRed(colors[i]), dg = qGreen(c) - qGreen(colors[i]),
                 db = qBlue(c) - qBlue(colors[i]);
      const long d = dr * dr + dg * dg + db * db;
      if (bestDistance < 0 || d < bestDistance) {
        best = i;
        bestDistance = d;
      }
    }
    return best;
  }
};

const Palette& palette() {
  static const Palette p;
  return p;
}

}  // namespace

int GifAnimation::paletteIndex(QRgb rgb) { return palette().nearest(rgb & 0xFFFFFF); }

// giflib's writes go to the file under construction, each one checked.
static int writeToFile(GifFileType* gif, const GifByteType* data, int length) {
  auto* file = static_cast<SafeOutputFile*>(gif->UserData);
  return length >= 0 && file->write(data, static_cast<std::size_t>(length)) ? length : 0;
}

GifAnimation::GifAnimation() : m_file(std::make_unique<SafeOutputFile>()) {}

GifAnimation::~GifAnimation() { closeGif(); }

void GifAnimation::closeGif() {
  if (!m_gif) return;
  int err = 0;
  EGifCloseFile(m_gif, &err);
  m_gif = nullptr;
}

bool GifAnimation::fail(const std::string& what) {
  // The file's own reason (a full disk, say) says more than giflib's.
  m_error = m_file->error().empty() ? what : m_file->error();
  closeGif();
  m_file->abandon();
  return false;
}

bool GifAnimation::open(const std::string& path, int w, int h) {
  m_path = path;
  m_width = w;
  m_height = h;
  if (!m_file->open(path)) {
    m_error = m_file->error();
    return false;
  }
  int err = 0;
  m_gif = EGifOpen(m_file.get(), writeToFile, &err);
  if (!m_gif) return fail("cannot write " + path + ": " + GifErrorString(err));
  EGifSetGifVersion(m_gif, true);
  std::array<GifColorType, kPaletteSize> colors{};
  for (int i = 0; i < kPaletteSize; ++i) {
    const QRgb c = palette().colors[i];
    colors[i] = {static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                 static_cast<GifByteType>(qBlue(c))};
  }
  ColorMapObject* map = GifMakeMapObject(kPaletteSize, colors.data());
  const bool described = EGifPutScreenDesc(m_gif, w, h, 8, 0, map) == GIF_OK;
  GifFreeMapObject(map);
  if (!described) return fail("writing " + path + " failed");
  // Loop forever (the Netscape application extension, 0 repetitions).
  static const GifByteType app[] = "NETSCAPE2.0";
  static const GifByteType loop[] = {1, 0, 0};
  if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
      EGifPutExtensionBlock(m_gif, 11, app) != GIF_OK ||
      EGifPutExtensionBlock(m_gif, 3, loop) != GIF_OK || EGifPutExtensionTrailer(m_gif) != GIF_OK)
    return fail("writing " + path + " failed");
  return true;
}

bool GifAnimation::addFrame(const QImage& frame, int delayMs) {
  if (!m_gif) return false;
  const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
  if (rgb.width() != m_width || rgb.height() != m_height)
    return fail("a frame of another size than the animation's");
  GraphicsControlBlock gcb{};
  gcb.DisposalMode = DISPOSE_DO_NOT;
  gcb.UserInputFlag = false;
  gcb.DelayTime = (std::max(delayMs, kMinDelayMs) + 5) / 10;  // centiseconds
  gcb.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const size_t length = EGifGCBToExtension(&gcb, extension);
  if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) !=
          GIF_OK ||
      EGifPutImageDesc(m_gif, 0, 0, m_width, m_height, false, nullptr) != GIF_OK)
    return fail("writing " + m_path + " failed");
  // Few distinct colours per frame: remember each one's index.
  QHash<QRgb, GifPixelType> known;
  std::vector<GifPixelType> line(static_cast<size_t>(m_width));
  for (int y = 0; y < m_height; ++y) {
    const QRgb* px = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < m_width; ++x) {
      const QRgb c = px[x] & 0xFFFFFF;
      auto it = known.find(c);
      if (it == known.end()) it = known.insert(c, static_cast<GifPixelType>(paletteIndex(c)));
      line[x] = *it;
    }
    if (EGifPutLine(m_gif, line.data(), m_width) != GIF_OK)
      return fail("writing " + m_path + " failed");
  }
  ++m_frames;
  return true;
}

bool GifAnimation::finish() {
  if (!m_gif) return false;
  int err = 0;
  const bool closed = EGifCloseFile(m_gif, &err) == GIF_OK;
  m_gif = nullptr;
  if (!closed) return fail("writing " + m_path + " failed");
  if (!m_file->commit()) return fail("writing " + m_path + " failed");
  return true;
}

}  // namespace kelvane::draw
