// The light source on the desktop: the Lens Control's group and the tip of
// the object dragged in the lens view, each change one undo step.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSlider>
#include <QTest>

#include "draw/lens_picture.h"
#include "lens_test_support.h"
#include "lensui/lens_control.h"
#include "lensui/lens_source_group.h"
#include "lensui/lens_undo.h"
#include "lensui/lens_wnd.h"

namespace kelvane {
namespace {

class LightSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::resetLensSession();
    view = openLensView(nullptr, kSingleBeamMode);
    group = lensSession().control->sourceGroup();
  }
  void TearDown() override {
    delete view;
    test::resetLensSession();
  }
  const LightSource& source() { return lensSession().model.source(); }
  LensWnd* view = nullptr;
  LensSourceGroup* group = nullptr;
};

TEST_F(LightSourceTest, GroupChangesAreUndoneOneByOneAndShown) {
  const int steps = lensUndo().stack().count();
  group->kinds()->button(2)->click();
  EXPECT_EQ(source().kind, SourceKind::Object);
  EXPECT_TRUE(lensSession().model.sourceTrace().tip.image.found) << "retraced at once";
  lensUndo().beginGesture();
  group->distanceSlider()->setValue(900);
  EXPECT_EQ(source().distance, 900);
  EXPECT_EQ(lensUndo().stack().count(), steps + 2);
  lensUndo().stack().undo();
  EXPECT_EQ(source().distance, LightSource{}.distance);
  EXPECT_EQ(group->distanceSlider()->value(), LightSource{}.distance) << "the group follows undo";
  lensUndo().stack().undo();
  EXPECT_EQ(source().kind, SourceKind::Parallel);
  EXPECT_TRUE(group->kinds()->button(0)->isChecked());
}

TEST_F(LightSourceTest, DraggingTheTipIsOneStep) {
  LensState state = currentLensState();
  state.source = LightSource{SourceKind::Object, 200, 50};
  lensUndo().applyAsStep(state, "test");
  QWidget* canvas = view->canvas();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
  const double px = canvas->logicalDpiX() / 100.0, py = canvas->logicalDpiY() / 100.0;
  const draw::Point o = draw::lensOriginPixel(lensSession().model.lens(), canvas->width(),
                                              canvas->height(), 200, canvas->logicalDpiX());
  const QPoint tip(int(o.x - 200 * px + 0.5), int(o.y - 50 * py + 0.5));
  const int steps = lensUndo().stack().count();
  QTest::mousePress(canvas, Qt::LeftButton, {}, tip);
  for (int k = 1; k <= 5; ++k) QTest::mouseMove(canvas, tip + QPoint(-4 * k, -4 * k));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, tip + QPoint(-20, -20));
  EXPECT_NEAR(source().distance, 200 + 20 / px, 1.5);
  EXPECT_NEAR(source().height, 50 + 20 / py, 1.5);
  EXPECT_EQ(lensUndo().stack().count(), steps + 1);
  lensUndo().stack().undo();
  EXPECT_EQ(source(), state.source);
  // A press away from the tip moves nothing.
  QTest::mousePress(canvas, Qt::LeftButton, {}, tip + QPoint(0, 40));
  QTest::mouseMove(canvas, tip + QPoint(-30, 40));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, tip + QPoint(-30, 40));
  EXPECT_EQ(source(), state.source);
}

}  // namespace
}  // namespace kelvane
