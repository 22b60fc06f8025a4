// The lens view's View choices and read-out: the zoom keys and Fit to
// window, the classroom view kept for the next run, full screen, and the
// numbers in words on the status bar.
#include "lensui/lens_view_options.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include "draw/zoom.h"
#include "lens_test_support.h"
#include "lensui/lens_paint.h"
#include "lensui/lens_readout.h"

namespace kelvane {
namespace {

class LensViewOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { test::resetLensSession(); }
  void TearDown() override {
    if (LensWnd* v = lensSession().view) v->viewOptions()->setClassroom(false);
    test::resetLensSession();
  }
  LensWnd* openActiveView() {
    LensWnd* view = openLensView(nullptr, kSingleBeamMode);
    view->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(view));
    return view;
  }
  static double zoomOf(LensWnd* view) {
    const QWidget* c = view->canvas();
    return view->viewOptions()->zoomFor(draw::pictureOf(lensSession().model), c->width(),
                                        c->height(), c->logicalDpiX(), c->logicalDpiY());
  }
};

TEST_F(LensViewOptionsTest, ZoomKeysStepAndCtrlZeroRestoresTrueScale) {
  LensWnd* view = openActiveView();
  EXPECT_EQ(zoomOf(view), 1);
  QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(zoomOf(view), 1.25);
  QTest::keyClick(view, Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(zoomOf(view), 1.5625);
  QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(zoomOf(view), 1.25);
  QTest::keyClick(view, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(zoomOf(view), 1);

  // Fit to window follows the canvas; a key step leaves it, from the fitted zoom.
  view->viewOptions()->fitToWindow();
  const QWidget* c = view->canvas();
  const double fitted = draw::fitZoom(draw::pictureOf(lensSession().model), c->width(), c->height(),
                                      c->logicalDpiX(), c->logicalDpiY());
  EXPECT_NE(fitted, 1);
  EXPECT_DOUBLE_EQ(zoomOf(view), fitted);
  QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_FALSE(view->viewOptions()->fitsWindow());
  EXPECT_DOUBLE_EQ(zoomOf(view), draw::zoomStep(fitted, -1));
  QTest::keyClick(view, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(zoomOf(view), 1);

  QTest::keyClick(view, Qt::Key_F11);
  EXPECT_TRUE(view->windowState() & Qt::WindowFullScreen);
  EXPECT_TRUE(view->viewOptions()->fullScreenAction()->isChecked());
  QTest::keyClick(view, Qt::Key_F11);
  EXPECT_FALSE(view->windowState() & Qt::WindowFullScreen);

  // The keys work from the Lens Control dialog too, where the focus mostly is.
  QWidget* dialog = lensSession().control;
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
  QTest::keyClick(dialog, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(zoomOf(view), 1.25);
  QTest::keyClick(dialog, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(zoomOf(view), 1);
}

TEST_F(LensViewOptionsTest, ClassroomViewIsKeptForTheNextViewAndReachesPrints) {
  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  EXPECT_FALSE(view->viewOptions()->classroomAction()->isChecked());  // the default
  EXPECT_FALSE(currentPictureOptions().style.classroom);
  view->viewOptions()->classroomAction()->trigger();
  EXPECT_TRUE(currentPictureOptions().style.classroom);
  EXPECT_EQ(currentPictureOptions().style.zoom, 1);  // prints stay at true scale
  view->viewOptions()->zoomIn();
  EXPECT_EQ(currentPictureOptions().style.zoom, 1);
  delete view;
  view = openLensView(nullptr, kSingleBeamMode);
  EXPECT_TRUE(view->viewOptions()->classroomAction()->isChecked());
}

TEST_F(LensViewOptionsTest, ReadoutSaysTheNumbersInWordsWithUnits) {
  TraceResults r;
  r.focus = 316.1;
  r.dev = 0.39;
  r.devpcnt = 0.1234;
  r.width = 136.54;
  EXPECT_EQ(
      lensReadoutText(r),
      QString::fromUtf8("Focus 316.10 (3.16 in) \u00B7 spread 0.39 (0.12 %) \u00B7 width 136.5"));
  r.focus = 0;
  EXPECT_EQ(lensReadoutText(r), QString::fromUtf8("Focus -- \u00B7 spread -- \u00B7 width 136.5"));

  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  const QLabel* line = view->statusBar()->findChild<QLabel*>();
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->text(), lensReadoutText(lensSession().model.singleBeamTrace().results));
  EXPECT_TRUE(line->text().startsWith("Focus 3")) << line->text().toStdString();
}

}  // namespace
}  // namespace kelvane
