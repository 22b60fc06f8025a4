// Frames of a script run: numbered PNGs and an animated GIF with one frame
// per retrace, each shown for the time the script waited after it, looping,
// with the pens' colours exact.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <set>

#include "draw/qt/frame_recorder.h"

namespace kelvane::draw {
namespace {

void ensureGuiApp() {
  static int argc = 1;
  static char name[] = "draw-frames-test";
  static char* argv[] = {name, nullptr};
  if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

TEST(FrameRecorder, OneGifFramePerRetraceWithTheWaitsAsDelays) {
  ensureGuiApp();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  FrameOptions options;
  options.framesDir = dir.path().toStdString();
  options.gifPath = dir.filePath("fade.gif").toStdString();
  options.viewWidth = 430;
  options.viewHeight = 360;
  FrameRecorder recorder(options);
  ASSERT_TRUE(recorder.check().ok());
  LensModel model;
  Lens lens = kInitialLens;
  auto retraced = [&](int mode, std::optional<int> shownMs) {
    model.setLens(lens);
    model.setBeamMode(mode);
    model.retrace();
    return recorder.retraced(model, shownMs).ok();
  };
  ASSERT_TRUE(retraced(0, {}));
  lens.depth = 80;
  ASSERT_TRUE(retraced(0, 100));
  lens.shape = 1;
  ASSERT_TRUE(retraced(1, 250));
  ASSERT_TRUE(recorder.finish(5).ok());  // held to 20 ms
  EXPECT_EQ(recorder.frames(), 3);
  for (const char* name : {"frame-0001.png", "frame-0002.png", "frame-0003.png"})
    EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name;
  EXPECT_FALSE(QFile::exists(dir.filePath("fade.gif.part")));

  int err = 0;
  GifFileType* gif = DGifOpenFileName(options.gifPath.c_str(), &err);
  ASSERT_NE(gif, nullptr) << GifErrorString(err);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  EXPECT_EQ(gif->SWidth, 430);
  EXPECT_EQ(gif->SHeight, 360 + 38);  // with the caption band
  ASSERT_EQ(gif->ImageCount, 3);
  const int delays[] = {10, 25, 2};  // centiseconds
  for (int i = 0; i < 3; ++i) {
    GraphicsControlBlock gcb;
    ASSERT_EQ(DGifSavedExtensionToGCB(gif, i, &gcb), GIF_OK);
    EXPECT_EQ(gcb.DelayTime, delays[i]) << i;
  }
  // Loops forever: the Netscape extension with 0 repetitions.
  // giflib keeps the blocks before the first image with that image.
  bool loops = false;
  const SavedImage& head = gif->SavedImages[0];
  for (int i = 0; i + 1 < head.ExtensionBlockCount; ++i) {
    const ExtensionBlock& b = head.ExtensionBlocks[i];
    const ExtensionBlock& next = head.ExtensionBlocks[i + 1];
    if (b.Function == APPLICATION_EXT_FUNC_CODE && b.ByteCount == 11 &&
        std::string(reinterpret_cast<char*>(b.Bytes), 11) == "NETSCAPE2.0")
      loops = next.ByteCount == 3 && next.Bytes[0] == 1 && next.Bytes[1] == 0 && next.Bytes[2] == 0;
  }
  EXPECT_TRUE(loops);
  // The first frame uses the pens' colours exactly: blue beams, the red dot,
  // the depth line and the glass tint.
  const ColorMapObject* map = gif->SColorMap;
  std::set<int> used;
  const SavedImage& first = gif->SavedImages[0];
  for (int i = 0; i < gif->SWidth * gif->SHeight; ++i) used.insert(first.RasterBits[i]);
  const auto present = [&](int r, int g, int b) {
    for (int i : used)
      if (map->Colors[i].Red == r && map->Colors[i].Green == g && map->Colors[i].Blue == b)
        return true;
    return false;
  };
  EXPECT_TRUE(present(0, 0, 255));
  EXPECT_TRUE(present(255, 0, 0));
  EXPECT_TRUE(present(204, 51, 236));
  EXPECT_TRUE(present(220, 235, 250));
  DGifCloseFile(gif, &err);
}

TEST(FrameRecorder, BadOptionsAndNoFramesLeaveNoFile) {
  ensureGuiApp();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  FrameOptions options;
  EXPECT_EQ(FrameRecorder(options).check().code, kExportBadInput);  // nothing to write
  options.gifPath = dir.filePath("fade.png").toStdString();
  EXPECT_EQ(FrameRecorder(options).check().code, kExportBadInput);
  options.gifPath = dir.filePath("fade.gif").toStdString();
  options.dpi = 20;
  EXPECT_EQ(FrameRecorder(options).check().code, kExportBadInput);
  options.dpi = 96;
  FrameRecorder none(options);
  EXPECT_TRUE(none.finish().ok());
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

}  // namespace
}  // namespace kelvane::draw
