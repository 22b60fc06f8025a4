// paintLens on images: where the origin, the depth line, the focus dot, a
// crossing mark's apex and a fan's start points land, worked out from the
// drawing rules (100 dpi images make one lens unit one pixel).
#include "lensui/lens_paint.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <vector>

#include "lens_test_support.h"
#include "lensui/lens_export.h"
#include "optics/ellipse_intersect.h"
#include "optics/focus.h"

namespace kelvane {
namespace {

// A point of the picture's display list as the device pixel it lands on.
QPoint px(draw::Point p) { return QPoint(static_cast<int>(p.x), static_cast<int>(p.y)); }

using test::countColor;
using test::isColor;
using test::whiteImage;

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kCyan = qRgb(0, 255, 255);
constexpr QRgb kOrange = qRgb(255, 128, 0);

QImage paint(const LensDrawing& d, int w = 800, int h = 600, int dpi = 100) {
  test::ensureApplication();
  QImage img = whiteImage(w, h, dpi);
  QPainter p(&img);
  paintLens(p, w, h, d);
  return img;
}

// A traced picture of `lens` in the given mode, with its own buffer.
struct Traced {
  TracerContext ctx;
  std::vector<TracePoint> buffer;
  LensDrawing drawing;
  Traced(const Lens& lens, int mode) {
    BeamSettings settings = kInitialCurrentSettings;
    buffer.assign(mode == 1 ? MULTI_BEAM_POINTS : SINGLE_BEAM_POINTS, TracePoint{0, 0});
    settings.pointsMode = mode == 1 ? 1 : 3;
    settings.traceBuffer = buffer.data();
    settings.rayEndX = 800;
    if (mode == 1)
      findFoci(ctx, lens, settings);
    else
      findFocus(ctx, lens, settings);
    drawing = LensDrawing{lens, mode, &ctx.results, buffer.data(), static_cast<int>(buffer.size())};
  }
};

TEST(PaintLensRounding, AddHalfAndTruncateTowardZero) {
  EXPECT_EQ(roundUnit(2.5), 3);
  EXPECT_EQ(roundUnit(2.49), 2);
  EXPECT_EQ(roundUnit(-2.7), -2);  // not round-to-nearest
  EXPECT_EQ(roundUnit(-0.6), 0);
  EXPECT_EQ(roundUnit(std::nan("")), 0);
  EXPECT_EQ(roundUnit(1e300), 1000000);
}

TEST(PaintLensOrigin, OneEighthForConvexOneQuarterForConcaveIngress) {
  Lens lens = kInitialLens;
  EXPECT_EQ(px(draw::lensOriginPixel(lens, 803, 601)), QPoint(100, 300));  // both divisions truncate
  lens.shape = SHAPE_INGRESS_CC;
  EXPECT_EQ(px(draw::lensOriginPixel(lens, 803, 601)), QPoint(200, 300));

  // The depth line starts at the ingress vertex: from x = 100 (convex) ...
  const QRgb depth = qRgb(draw::kDepthColor.r, draw::kDepthColor.g, draw::kDepthColor.b);
  LensDrawing d{kInitialLens, 0, nullptr, nullptr, 0};
  QImage img = paint(d);
  EXPECT_TRUE(isColor(img, 100 + 56, 300, depth));
  EXPECT_TRUE(isColor(img, 100 + 110, 300, depth));
  EXPECT_FALSE(isColor(img, 100 - 5, 300, depth));
  // ... or from x = 200 once the ingress face is concave.
  d.lens.shape = SHAPE_INGRESS_CC;
  img = paint(d);
  EXPECT_TRUE(isColor(img, 200 + 56, 300, depth));
  EXPECT_FALSE(isColor(img, 100 + 56, 300, depth));
}

TEST(PaintLensOrigin, NoBeamsDrawsOnlyAxesDepthAndFaces) {
  TraceResults res;  // beamCount 0
  std::vector<TracePoint> buffer(SINGLE_BEAM_POINTS, TracePoint{50, 50});
  const QImage img = paint(LensDrawing{kInitialLens, 0, &res, buffer.data(), SINGLE_BEAM_POINTS});
  for (QRgb c : {kRed, kGreen, kBlue, kCyan, kOrange}) EXPECT_EQ(countColor(img, c), 0);
  // The ingress ellipse's leftmost point is the origin, its rightmost 2 * ivx.
  EXPECT_TRUE(isColor(img, 100 + 2 * 219, 300, qRgb(0, 0, 0)) ||
              isColor(img, 99 + 2 * 219, 300, qRgb(0, 0, 0)));
}

// The height where the glass ends: the rim where the face arcs cross (from
// the optics' own ellipse intersection), else where the shorter face ends.
double glassTop(const Lens& l) {
  TracePoint pts[4];
  const int n = ellipseIntersect(faceEllipse(l, Face::Ingress), pts, faceEllipse(l, Face::Egress));
  for (int i = 0; i < n; ++i) {
    const double y = std::abs(pts[i].y);
    if (y > 0 && std::abs(facePointX(l, Face::Ingress, y) - pts[i].x) < 1e-6 &&
        std::abs(facePointX(l, Face::Egress, y) - pts[i].x) < 1e-6)
      return y;
  }
  return std::min(l.ivy, l.evy);
}

TEST(PaintLensGlass, TintFillsTheGlassAndNothingElseForEveryShape) {
  const QRgb tint = qRgb(220, 235, 250);
  const QRgb white = qRgb(255, 255, 255);
  for (int shape = 0; shape < 4; ++shape) {
    Lens l = kInitialLens;
    l.shape = shape;
    const QImage img = paint(LensDrawing{l, 0, nullptr, nullptr, 0});  // 1 unit = 1 pixel
    const QPoint o = px(draw::lensOriginPixel(l, 800, 600));
    const auto at = [&](double x, double y) {
      return QPoint(o.x() + roundUnit(x), o.y() - roundUnit(y));
    };
    const auto is = [&](QPoint p, QRgb c) { return isColor(img, p.x(), p.y(), c); };
    const double top = glassTop(l);
    SCOPED_TRACE(std::string(shapeName(shape)) + " top " + std::to_string(top));
    // Half-way up (and down), between the faces and just outside them.
    for (double y : {top / 2, -top / 2, top / 4}) {
      const double in = facePointX(l, Face::Ingress, y), eg = facePointX(l, Face::Egress, y);
      EXPECT_TRUE(is(at((in + eg) / 2, y), tint)) << y;
      EXPECT_TRUE(is(at(in + 3, y), tint)) << y;
      EXPECT_TRUE(is(at(eg - 3, y), tint)) << y;
      EXPECT_TRUE(is(at(in - 4, y), white)) << y;
      EXPECT_TRUE(is(at(eg + 4, y), white)) << y;
    }
    // Above the glass's end nothing is tinted.
    const double in = facePointX(l, Face::Ingress, top), eg = facePointX(l, Face::Egress, top);
    for (double x = std::min(in, eg) - 20; x <= std::max(in, eg) + 20; x += 2) {
      EXPECT_FALSE(is(at(x, top + 4), tint)) << x;
      EXPECT_FALSE(is(at(x, -top - 4), tint)) << x;
    }
  }
  // CVCC meets at the rim (132.77 high); CCCV never meets and ends flat at ivy.
  Lens cvcc = kInitialLens;
  cvcc.shape = 1;
  EXPECT_NEAR(glassTop(cvcc), 132.7668, 1e-3);
  Lens cccv = kInitialLens;
  cccv.shape = 2;
  EXPECT_EQ(glassTop(cccv), 163);
  // No glass, no tint: the egress vertex left of the ingress vertex.
  cvcc.depth = -10;
  EXPECT_EQ(countColor(paint(LensDrawing{cvcc, 0, nullptr, nullptr, 0}), tint), 0);
}

TEST(PaintLensFocusDot, SitsOnTheIngressFarFocus) {
  Traced t(kInitialLens, 0);
  const int far = roundUnit(ingressFarFocus(kInitialLens));
  EXPECT_EQ(far, 365);  // 219 + sqrt(219^2 - 163^2) = 365.26
  const QImage img = paint(t.drawing);
  // Filled: the centre and points 3 units away are red.
  for (QPoint d : {QPoint(0, 0), QPoint(3, 0), QPoint(-3, 0), QPoint(0, 3), QPoint(0, -3),
                   QPoint(2, 2), QPoint(-2, -2)})
    EXPECT_TRUE(isColor(img, 100 + far + d.x(), 300 + d.y(), kRed)) << d.x() << "," << d.y();
  EXPECT_FALSE(isColor(img, 100 + far + 7, 300 - 7, kRed));
}

TEST(PaintLensFocusDot, NeedsAnOblongConvexIngressFace) {
  Lens circle = kInitialLens;
  circle.ivy = circle.ivx;  // a circular ingress face has no far focus of its own
  EXPECT_EQ(countColor(paint(Traced(circle, 0).drawing), kRed), 0);
  Lens concave = kInitialLens;
  concave.shape = SHAPE_INGRESS_CC;
  EXPECT_EQ(countColor(paint(Traced(concave, 0).drawing), kRed), 0);
}

TEST(PaintLensFocusDot, ScalesWithTheScreenResolution) {
  Traced t(kInitialLens, 0);
  const QImage img = paint(t.drawing, 800, 600, 96);
  // 365 units at 0.96 pixel each: 350.4 pixels right of the origin.
  EXPECT_TRUE(isColor(img, 100 + 350, 300, kRed));
  EXPECT_FALSE(isColor(img, 100 + 365, 300, kRed));
}

TEST(PaintLensCrossingMark, ApexIsTruncatedAndHangsTwentyUnitsBelowTheAxis) {
  TraceResults res;
  res.beamCount = 1;
  res.focusMin = 200.0;
  res.focusMax = 263.0;  // mid 231.5: truncated 231, rounded it would be 232
  res.innerFocusMin = res.innerFocusMax = NO_POINT;
  std::vector<TracePoint> buffer(SINGLE_BEAM_POINTS, TracePoint{NO_POINT, 0});
  buffer[0] = {-50, 250};  // one beam far above the mark
  buffer[3] = {-40, 260};
  Lens circle = kInitialLens;
  circle.ivy = circle.ivx;  // no focus dot
  const QImage img = paint(LensDrawing{circle, 0, &res, buffer.data(), SINGLE_BEAM_POINTS});
  // The lowest blue row is the apex row, 20 units below the axis at y = 300.
  int lowest = -1, apexX = -1;
  for (int y = 599; y >= 0 && lowest < 0; --y)
    for (int x = 0; x < 800; ++x)
      if (isColor(img, x, y, kBlue)) {
        lowest = y;
        apexX = x;
        break;
      }
  EXPECT_EQ(lowest, 320);
  EXPECT_EQ(apexX, 100 + 231);
  // The arms start one unit below the axis at round(a) and round(b).
  EXPECT_TRUE(isColor(img, 100 + 200, 301, kBlue));
  EXPECT_TRUE(isColor(img, 100 + 263, 301, kBlue));
}

TEST(PaintLensSingleBeam, PathStopsBeforeAPointNeverReached) {
  TraceResults res;
  res.beamCount = 1;
  res.focusMax = res.innerFocusMax = NO_POINT;
  std::vector<TracePoint> buffer(SINGLE_BEAM_POINTS, TracePoint{0, 0});
  buffer[0] = {50, 100};
  buffer[1] = {NO_POINT, 5};
  buffer[2] = {NO_POINT, 7};
  buffer[3] = {300, 0};
  Lens circle = kInitialLens;
  circle.ivy = circle.ivx;
  const QImage img = paint(LensDrawing{circle, 0, &res, buffer.data(), SINGLE_BEAM_POINTS});
  // Blue from the left edge, parallel to the axis, up to point 0 only.
  EXPECT_TRUE(isColor(img, 0, 200, kBlue));
  EXPECT_TRUE(isColor(img, 100 + 40, 200, kBlue));
  for (int y = 0; y < 600; ++y)
    for (int x = 100 + 52; x < 800; ++x) ASSERT_FALSE(isColor(img, x, y, kBlue)) << x << "," << y;
  // Green: point 0 to point 3, the ray refracted by the ingress face alone.
  EXPECT_TRUE(isColor(img, 100 + 175, 300 - 50, kGreen) ||
              isColor(img, 100 + 175, 300 - 51, kGreen));
}

TEST(PaintLensSingleBeam, ABeamThatNeverMetTheLensDrawsNothing) {
  // A locked width above the ingress face's height leaves point 0 unreached.
  TraceResults res;
  res.beamCount = 1;
  res.focusMax = res.innerFocusMax = NO_POINT;
  std::vector<TracePoint> buffer(SINGLE_BEAM_POINTS, TracePoint{NO_POINT, 0});
  buffer[0] = {NO_POINT, 200};
  buffer[3] = {std::nan(""), std::nan("")};
  Lens circle = kInitialLens;
  circle.ivy = circle.ivx;
  const QImage img = paint(LensDrawing{circle, 0, &res, buffer.data(), SINGLE_BEAM_POINTS});
  EXPECT_EQ(countColor(img, kBlue), 0);
  EXPECT_EQ(countColor(img, kGreen), 0);
}

TEST(PaintLensSingleBeam, RealTraceDrawsBeamsFromTheLeftEdge) {
  Traced t(kInitialLens, 0);
  ASSERT_EQ(t.ctx.results.beamCount, 5);
  const QImage img = paint(t.drawing);
  for (int i = 0; i < 5; ++i) {
    const int y = 300 - roundUnit(t.buffer[4 * i].y);
    EXPECT_TRUE(isColor(img, 0, y, kBlue)) << "beam " << i;
    EXPECT_TRUE(isColor(img, 50, y, kBlue)) << "beam " << i;
  }
}

TEST(PaintLensMultiBeam, FanStartPointRoundsTwiceWithTheTruncatingRule) {
  // Fan 2 (20 degrees) from left = -50: (-50 - 50) * tan = -36.40 rounds to
  // -35.9 truncated = -35 (nearest would be -36); plus 30 gives -5, and the
  // outer rounding of -5 is -4.5 truncated = -4.
  EXPECT_EQ(px(draw::fanStartPoint(-50, 2, TracePoint{50, 30})), QPoint(-42, -4));
  // The first rounding happens before y0 is added: -35 + 0.9 = -34.1 -> -33.
  EXPECT_EQ(px(draw::fanStartPoint(-50, 2, TracePoint{50, 0.9})), QPoint(-42, -33));
  // The 0 degree fan starts level with its beam, 16 units right of the edge.
  EXPECT_EQ(px(draw::fanStartPoint(-111, 4, TracePoint{20, 77.4})), QPoint(-95, 77));
  // The 40 degree fan: (left - x0) * tan(40 * 22/7 / 180).
  const double slope40 = std::tan(40 * DEG_TO_RAD);
  EXPECT_EQ(px(draw::fanStartPoint(-100, 0, TracePoint{10, 100})).y(),
            roundUnit(roundUnit(-110 * slope40) + 100));
}

TEST(PaintLensMultiBeam, FanStartPointsAndWavefront) {
  TraceResults res;
  res.fanCounts = {0, 0, 2, 0, 0};  // only the 20 degree fan (blue)
  res.focusMax = 400;               // would draw a mark in single-beam mode
  res.focusMin = 300;
  std::vector<TracePoint> buffer(MULTI_BEAM_POINTS, TracePoint{0, 0});
  buffer[0] = {50, 30};
  buffer[1] = {100, 40};
  buffer[2] = {300, 80};
  buffer[3] = {50, -30};
  buffer[4] = {100, -40};
  buffer[5] = {300, -80};
  const QImage img = paint(LensDrawing{kInitialLens, 1, &res, buffer.data(), MULTI_BEAM_POINTS});
  // left = -100; fan 2 starts at x = left + 8. Its y: round(round((left - x0) * slope) + y0)
  // with slope tan(20 * DEG_TO_RAD): round(-54.6) = -54, then round(-24) = -23 and
  // round(-84) = -83.
  const double slope = std::tan(20 * DEG_TO_RAD);
  ASSERT_EQ(roundUnit((-100 - 50) * slope), -54);
  EXPECT_EQ(px(draw::fanStartPoint(-100, 2, buffer[0])), QPoint(-92, -23));
  EXPECT_EQ(px(draw::fanStartPoint(-100, 2, buffer[3])), QPoint(-92, -83));
  // The wavefront joins the two start points, and nothing lies beyond them.
  for (int y = 323; y <= 383; ++y) EXPECT_TRUE(isColor(img, 8, y, kBlue)) << y;
  EXPECT_FALSE(isColor(img, 8, 321, kBlue));
  EXPECT_FALSE(isColor(img, 8, 385, kBlue));
  // Fans without records draw nothing, not even a wavefront; no marks, no dot.
  for (QRgb c : {kRed, kGreen, kCyan, kOrange}) EXPECT_EQ(countColor(img, c), 0);
  EXPECT_FALSE(isColor(img, 100 + 350, 301, kBlue));
}

TEST(PaintLensMultiBeam, RealTraceDrawsFiveColouredFansAndNoDot) {
  Traced t(kInitialLens, 1);
  const QImage img = paint(t.drawing);
  for (QRgb c : {kRed, kGreen, kBlue, kCyan, kOrange}) EXPECT_GT(countColor(img, c), 100);
  // Fan r starts at x = left + 4r: the orange (0 degree) fan's first beam
  // starts level with its ingress point.
  const int firstOrange = t.ctx.results.fanCounts[0] + t.ctx.results.fanCounts[1] +
                          t.ctx.results.fanCounts[2] + t.ctx.results.fanCounts[3];
  const TracePoint p0 = t.buffer[3 * firstOrange];
  EXPECT_TRUE(isColor(img, 16 + 2, 300 - roundUnit(p0.y), kOrange));
  // No filled dot at the far focus.
  int red = 0;
  for (int dx = -2; dx <= 2; ++dx)
    for (int dy = -2; dy <= 2; ++dy) red += isColor(img, 465 + dx, 300 + dy, kRed);
  EXPECT_LT(red, 25);
}

}  // namespace
}  // namespace kelvane

namespace kelvane {
namespace {

class LensViewLegendTest : public ::testing::Test {
 protected:
  void SetUp() override { test::resetLensSession(); }
  void TearDown() override { test::resetLensSession(); }
};

TEST_F(LensViewLegendTest, ViewMenuSwitchesTheKeyWhichNeverCoversTheFocus) {
  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  ASSERT_TRUE(test::waitFor([&] { return lensSession().model.results().beamCount > 0; }));
  QAction* legend = nullptr;
  for (QAction* a : view->findChildren<QAction*>())
    if (a->data().toInt() == IDM_LENS_LEGEND) legend = a;
  ASSERT_NE(legend, nullptr);
  EXPECT_EQ(legend->text(), QStringLiteral("&Legend"));
  EXPECT_TRUE(legend->isCheckable());
  EXPECT_TRUE(legend->isChecked());

  // The key's grey frame (160, 160, 160), give or take the window surface's
  // colour depth.
  const auto frame = [](const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const QRgb c = img.pixel(x, y);
        n += qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && std::abs(qRed(c) - 160) <= 6;
      }
    return n;
  };
  QImage shot = view->canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_GT(frame(shot), 100);
  // The focus dot stays red and whole under the key.
  const QPoint o = px(draw::lensOriginPixel(lensSession().model.lens(), shot.width(), shot.height()));
  const double unit = view->canvas()->logicalDpiX() / 100.0;
  const int dotX = o.x() + static_cast<int>(ingressFarFocus(lensSession().model.lens()) * unit);
  int red = 0;
  for (int dx = -2; dx <= 2; ++dx)
    for (int dy = -2; dy <= 2; ++dy) red += test::isColor(shot, dotX + dx, o.y() + dy, kRed);
  EXPECT_GE(red, 20);

  view->command(IDM_LENS_LEGEND);
  EXPECT_FALSE(legend->isChecked());
  shot = view->canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(frame(shot), 0);
  delete view;
}

}  // namespace
}  // namespace kelvane

namespace kelvane {
namespace {

QString g_exportPath;  // where the test chooser sends the picture

bool choosePng(ExportChoice& choice, QWidget*) {
  EXPECT_TRUE(choice.caption);  // on unless switched off
  EXPECT_EQ(choice.pngDpi, 192);
  choice.path = g_exportPath;
  choice.pngDpi = 96;
  choice.caption = false;
  return true;
}

bool cancelExport(ExportChoice&, QWidget*) { return false; }

class LensViewExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::resetLensSession();
    ASSERT_TRUE(dir.isValid());
  }
  void TearDown() override {
    setExportChooser(nullptr);
    test::resetLensSession();
  }
  QTemporaryDir dir;
};

TEST_F(LensViewExportTest, ExportAfterPrintWritesThePictureTheViewShows) {
  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  ASSERT_TRUE(test::waitFor([&] { return lensSession().model.results().beamCount > 0; }));
  const QList<QAction*> items = view->menuBar()->actions();
  ASSERT_GE(items.size(), 3);
  EXPECT_EQ(items[1]->text(), QStringLiteral("&Print"));
  EXPECT_EQ(items[2]->text(), QStringLiteral("E&xport\u2026"));
  EXPECT_EQ(items[2]->data().toInt(), IDM_LENS_EXPORT);

  g_exportPath = dir.filePath("view.png");
  setExportChooser(&cancelExport);
  view->command(IDM_LENS_EXPORT);
  EXPECT_FALSE(QFile::exists(g_exportPath));

  setExportChooser(&choosePng);
  items[2]->trigger();
  const QImage file(g_exportPath);
  ASSERT_FALSE(file.isNull());
  // At 96 dpi the file is the view's client area, the focus dot in its place.
  const QImage shot = view->canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(file.size(), shot.size());
  const QPoint o = px(draw::lensOriginPixel(lensSession().model.lens(), shot.width(), shot.height()));
  const int dotX = o.x() + static_cast<int>(ingressFarFocus(lensSession().model.lens()) * 0.96);
  EXPECT_TRUE(isColor(shot, dotX, o.y(), kRed));
  EXPECT_TRUE(isColor(file, dotX, o.y(), kRed));
  delete view;
}

TEST_F(LensViewExportTest, TheDialogsFileLabelUnderlinesItsKeyInsteadOfShowingTheAmpersand) {
  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  QLabel* fileLabel = nullptr;
  QTimer::singleShot(0, [&] {
    QDialog* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) dialog = d;
    ASSERT_TRUE(dialog);
    for (QLabel* label : dialog->findChildren<QLabel*>())
      if (label->text() == QStringLiteral("&File:")) fileLabel = label;
    // A label shows "&" literally unless it has a buddy to give the key to.
    EXPECT_TRUE(fileLabel && qobject_cast<QLineEdit*>(fileLabel->buddy()));
    dialog->close();
  });
  view->command(IDM_LENS_EXPORT);
  EXPECT_TRUE(fileLabel);
  delete view;
}

}  // namespace
}  // namespace kelvane
