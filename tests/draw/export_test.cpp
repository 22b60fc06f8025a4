// Export at true scale: the SVG declares inches and renders, the PDF page
// is the picture's size, the PNG records its resolution and shows a known
// beam and the focus dot where the screen picture has them, twice as fine.
// Bad requests leave no file behind.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>
#include <vector>

#include "draw/caption.h"
#include "draw/qt/picture_export.h"
#include "optics/focus.h"
#include "tests/draw/traced_picture.h"

namespace kelvane::draw {
namespace {

void ensureGuiApp() {
  static int argc = 1;
  static char name[] = "draw-export-test";
  static char* argv[] = {name, nullptr};
  if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

// The initial lens traced single-beam for the default 860-pixel view.
struct Request : test::TracedPicture {
  PictureRequest request;
  Request() : TracedPicture(kInitialLens, 0, kDefaultViewWidth) {
    ensureGuiApp();
    request.drawing = drawing;
  }
};

class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  std::string path(const char* name) {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
  }
  QTemporaryDir dir;
  Request r;
};

QByteArray readAll(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(ExportTest, SvgDeclaresItsSizeInInchesAndRenders) {
  r.request.options.caption = captionFacts(LensModel());
  const std::string file = path("lens.SVG");
  ASSERT_TRUE(exportPicture(file, r.request).ok());
  QXmlStreamReader xml(readAll(file));
  ASSERT_TRUE(xml.readNextStartElement());
  EXPECT_EQ(xml.name(), QStringLiteral("svg"));
  // 860 pixels at 96 dpi; under the 720 pixels the caption band of 40 units
  // takes 38 whole pixels.
  EXPECT_EQ(xml.attributes().value("width"), QStringLiteral("8.9583333in"));
  EXPECT_EQ(xml.attributes().value("height"), QStringLiteral("7.8958333in"));
  while (!xml.atEnd()) xml.readNext();
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  QSvgRenderer renderer(QString::fromStdString(file));
  EXPECT_TRUE(renderer.isValid());
  // The caption states the lens as a script line.
  EXPECT_TRUE(readAll(file).contains("219,163,143,260,112,CVCV"));
}

TEST_F(ExportTest, PdfPageIsThePictureSize) {
  const std::string file = path("lens.pdf");
  ASSERT_TRUE(exportPicture(file, r.request).ok());
  const QByteArray pdf = readAll(file);
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  static const QRegularExpression box(QStringLiteral(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])"));
  const auto m = box.match(QString::fromLatin1(pdf));
  ASSERT_TRUE(m.hasMatch());
  // 860 x 720 pixels at 96 dpi are 645 x 540 points.
  EXPECT_NEAR(m.captured(1).toDouble(), 645, 0.5);
  EXPECT_NEAR(m.captured(2).toDouble(), 540, 0.5);
}

TEST_F(ExportTest, PngCarriesItsDpiAndThePictureTwiceAsFine) {
  const std::string file = path("lens.png");
  ASSERT_TRUE(exportPicture(file, r.request).ok());
  const QImage img(QString::fromStdString(file));
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), QSize(1720, 1440));
  EXPECT_EQ(std::lround(img.dotsPerMeterX() * 0.0254), 192);
  EXPECT_EQ(std::lround(img.dotsPerMeterY() * 0.0254), 192);
  // The screen has the vertex at (107, 360) and the focus dot 365 units
  // (350 pixels) right of it; here every distance is doubled.
  const auto near = [&](int x, int y, QRgb want) {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if ((img.pixel(x + dx, y + dy) & 0xFFFFFF) == (want & 0xFFFFFF)) return true;
    return false;
  };
  const int originX = 1720 / 8, originY = 1440 / 2;
  EXPECT_TRUE(near(originX + static_cast<int>(365 * 1.92), originY, qRgb(255, 0, 0)));
  // The top beam arrives level with its ingress point, from the left edge.
  const int beamY = originY - static_cast<int>(std::lround(roundUnit(r.buffer[0].y) * 1.92));
  EXPECT_TRUE(near(40, beamY, qRgb(0, 0, 255)));
  EXPECT_FALSE(near(40, beamY - 12, qRgb(0, 0, 255)));
}

TEST_F(ExportTest, BadRequestsSayWhyAndLeaveNoFile) {
  struct Case {
    const char* name;
    int width, height, dpi;
    int code;
  };
  const Case cases[] = {
      {"lens.bmp", 860, 720, 192, kExportBadInput},     // unknown type
      {"lens", 860, 720, 192, kExportBadInput},         // no type at all
      {"zero.png", 0, 720, 192, kExportBadInput},       // empty side
      {"huge.svg", 10001, 720, 192, kExportBadInput},   // above 10000 a side
      {"fine.png", 860, 720, 95, kExportBadInput},      // dpi below 96
      {"coarse.png", 860, 720, 1201, kExportBadInput},  // dpi above 1200
      {"large.png", 860, 720, 1200, kExportBadInput},   // 10750 pixels wide
      {"no/such/dir/lens.png", 860, 720, 192, kExportWriteFailed},
  };
  for (const Case& c : cases) {
    r.request.viewWidth = c.width;
    r.request.viewHeight = c.height;
    r.request.pngDpi = c.dpi;
    const ExportOutcome out = exportPicture(path(c.name), r.request);
    EXPECT_EQ(out.code, c.code) << c.name;
    EXPECT_FALSE(out.message.empty()) << c.name;
    EXPECT_EQ(out.message.find('\n'), std::string::npos) << c.name;
  }
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

}  // namespace
}  // namespace kelvane::draw
