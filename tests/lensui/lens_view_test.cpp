// The lens view: opening in either mode, the trace buffer and its count,
// the resize rule and closing.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "lens_test_support.h"
#include "lensui/lens_control.h"
#include "lensui/lens_wnd.h"
#include "winui/remembered_place.h"

namespace kelvane {
namespace {

class LensViewTest : public ::testing::Test {
 protected:
  void SetUp() override { test::resetLensSession(); }
  void TearDown() override { test::resetLensSession(); }
};

TEST_F(LensViewTest, OpensWithCaptionMenuAndPlace) {
  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  EXPECT_EQ(view->windowTitle(), "Kelvane Lens Demo");
  const QList<QAction*> items = view->menuBar()->actions();
  ASSERT_GE(items.size(), 2);  // the two commands first; more follow them
  EXPECT_EQ(items[0]->text(), "para&Meters");
  EXPECT_EQ(items[0]->data().toInt(), IDM_LENS_PARAMETERS);
  EXPECT_EQ(items[1]->text(), "&Print");
  EXPECT_EQ(items[1]->data().toInt(), IDM_LENS_PRINT);
  ASSERT_TRUE(test::waitFor([&] { return view->frameGeometry() == kLensWndOuterRect; }))
      << view->frameGeometry().x() << "," << view->frameGeometry().y() << " "
      << view->frameGeometry().width() << "x" << view->frameGeometry().height();
  // Opening again gives the same view and the same dialog.
  LensControl* dlg = lensSession().control;
  EXPECT_EQ(openLensView(nullptr, kSingleBeamMode), view);
  EXPECT_EQ(lensSession().control, dlg);
}

TEST_F(LensViewTest, DialogFirstOpensInTheViewsBottomRightCorner) {
  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  LensControl* dlg = lensSession().control;
  ASSERT_NE(dlg, nullptr);
  const QRect v = view->frameGeometry();
  EXPECT_TRUE(test::waitFor([&] {
    return dlg->frameGeometry().bottomRight() == v.bottomRight() - QPoint(4, 4);
  })) << dlg->frameGeometry().bottomRight().x()
      << "," << dlg->frameGeometry().bottomRight().y();
}

TEST_F(LensViewTest, ViewAndDialogReopenWhereTheLastRunLeftThem) {
  LensSession& s = lensSession();
  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(s.control.data()));
  const QRect viewPlace(30, 40, 700, 500);
  setOuterGeometry(view, viewPlace);
  const QRect dialogPlace(QPoint(50, 60), s.control->frameGeometry().size());
  setOuterGeometry(s.control, dialogPlace);
  view->close();  // the dialog goes with it

  // The next run keeps nothing in memory; the settings bring both back.
  s.savedDialogRect = QRect();
  view = openLensView(nullptr, kSingleBeamMode);
  EXPECT_EQ(view->frameGeometry(), viewPlace);
  EXPECT_EQ(s.control->frameGeometry(), dialogPlace);

  // Places on a screen that is gone: the first-run placement.
  view->close();
  s.savedDialogRect = QRect();
  keepPlace(kPlaceLensView, viewPlace.translated(3000, 0));
  keepPlace(kPlaceLensControl, dialogPlace.translated(0, 3000));
  view = openLensView(nullptr, kSingleBeamMode);
  EXPECT_EQ(view->frameGeometry(), kLensWndOuterRect);
  const QRect v = view->frameGeometry();
  EXPECT_TRUE(test::waitFor(
      [&] { return s.control->frameGeometry().bottomRight() == v.bottomRight() - QPoint(4, 4); }));
}

TEST_F(LensViewTest, BeamModeOwnsOneBufferAndReusesIt) {
  LensSession& s = lensSession();
  LensWnd* view = openLensView(nullptr, kMultiBeamMode);
  EXPECT_EQ(traceAllocCount(), 1);
  EXPECT_EQ(s.model.settings().pointsMode, 1);
  EXPECT_EQ(s.model.bufferPoints(), MULTI_BEAM_POINTS);
  int fans = 0;
  for (int c : s.model.results().fanCounts) fans += c;
  EXPECT_GT(fans, 0);
  EXPECT_TRUE(s.control->controlAs<QPushButton>(IDC_MULTI)->isChecked());

  // The same mode keeps the buffer.
  const TracePoint* buffer = s.model.buffer();
  setBeamMode(kMultiBeamMode);
  EXPECT_EQ(s.model.buffer(), buffer);
  EXPECT_EQ(traceAllocCount(), 1);

  // The "Multi" button switches back to single-beam and retraces.
  QTest::mouseClick(s.control->controlAs<QPushButton>(IDC_MULTI), Qt::LeftButton);
  EXPECT_EQ(s.model.beamMode(), kSingleBeamMode);
  EXPECT_EQ(s.model.settings().pointsMode, 3);
  EXPECT_EQ(s.model.bufferPoints(), SINGLE_BEAM_POINTS);
  EXPECT_EQ(traceAllocCount(), 1);
  EXPECT_EQ(s.model.results().beamCount, 5);

  // The menu's other mode switches the open view and traces the new mode.
  EXPECT_EQ(openLensView(nullptr, kMultiBeamMode), view);
  EXPECT_EQ(s.model.beamMode(), kMultiBeamMode);
  EXPECT_TRUE(s.control->controlAs<QPushButton>(IDC_MULTI)->isChecked());
  fans = 0;
  for (int c : s.model.results().fanCounts) fans += c;
  EXPECT_GT(fans, 0);

  int stops = 0;
  s.stopScript = [&stops] { ++stops; };
  view->close();
  ASSERT_TRUE(test::waitFor([&] { return !s.view; }));
  EXPECT_EQ(traceAllocCount(), 0);
  EXPECT_EQ(s.model.buffer(), nullptr);
  EXPECT_EQ(s.control, nullptr);
  EXPECT_GE(stops, 1);
  s.stopScript = nullptr;
}

TEST_F(LensViewTest, AModeSetBeforeTheViewIsAdopted) {
  LensSession& s = lensSession();
  setBeamMode(kMultiBeamMode);  // a script asks for multi-beam first
  const TracePoint* buffer = s.model.buffer();
  EXPECT_EQ(traceAllocCount(), 1);
  openLensView(nullptr, kMultiBeamMode);
  EXPECT_EQ(s.model.buffer(), buffer);
  EXPECT_EQ(traceAllocCount(), 1);
  delete s.view.data();
  EXPECT_EQ(traceAllocCount(), 0);
}

TEST_F(LensViewTest, AViewOpenedInTheOtherModeGetsItsOwnBuffer) {
  LensSession& s = lensSession();
  setBeamMode(kMultiBeamMode);
  openLensView(nullptr, kSingleBeamMode);
  EXPECT_EQ(s.model.beamMode(), kSingleBeamMode);
  EXPECT_EQ(s.model.settings().pointsMode, 3);
  EXPECT_EQ(s.model.bufferPoints(), SINGLE_BEAM_POINTS);
  EXPECT_EQ(traceAllocCount(), 1);
  EXPECT_EQ(s.model.results().beamCount, 5);
}

TEST_F(LensViewTest, ANewBufferHoldsNoBeamsUntilTraced) {
  LensSession& s = lensSession();
  openLensView(nullptr, kSingleBeamMode);
  EXPECT_EQ(s.model.results().beamCount, 5);
  s.control->close();  // no dialog: nothing retraces the new buffer
  setBeamMode(kMultiBeamMode);
  EXPECT_EQ(s.model.results().beamCount, 0);
  for (int c : s.model.results().fanCounts) EXPECT_EQ(c, 0);
  setBeamMode(kSingleBeamMode);
  EXPECT_EQ(s.model.results().beamCount, 0);
  EXPECT_EQ(traceAllocCount(), 1);
}

TEST_F(LensViewTest, ResizeNeverDropsBelowTheSliderValues) {
  LensSession& s = lensSession();
  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  view->resize(300, 200);  // smaller than ivx 219 / evx 143 and ivy 163 / evy 260
  ASSERT_TRUE(test::waitFor([&] { return view->canvas()->width() == 300; }))
      << view->canvas()->width();
  EXPECT_EQ(s.Xmax, 300);
  EXPECT_EQ(s.Ymax, 260);  // held at the egress Y slider
  EXPECT_EQ(s.control->controlAs<QLineEdit>(IDC_YMAX)->text(), "260");
  view->resize(200, 150);
  ASSERT_TRUE(test::waitFor([&] { return view->canvas()->width() == 200; }))
      << view->canvas()->width();
  EXPECT_EQ(s.Xmax, 219);
  view->resize(1000, 900);
  ASSERT_TRUE(test::waitFor([&] { return view->canvas()->width() == 1000; }))
      << view->canvas()->width();
  EXPECT_EQ(s.Xmax, 1000);
  EXPECT_EQ(s.Ymax, view->canvas()->height());
  // With the dialog closed the slider values follow the lens.
  s.control->close();
  Lens wider = s.model.lens();
  wider.ivx = 250.6;
  s.model.setLens(wider);
  view->resize(900, 800);
  ASSERT_TRUE(test::waitFor([&] { return view->canvas()->width() == 900; }))
      << view->canvas()->width();
  EXPECT_EQ(s.sliderValues[0], 251);
  EXPECT_EQ(s.Xmax, 900);
}

}  // namespace
}  // namespace kelvane
