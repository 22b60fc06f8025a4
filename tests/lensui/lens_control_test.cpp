// The Lens Control dialog driven through real key, mouse and slider events:
// clamping and write-back, lock and fill, the CV/CC buttons, "--", Esc,
// Alt+digit, the guarded index and limit fields, the script operations and
// the saved position.
#include "lensui/lens_control.h"
#include "optics/focus.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolButton>
#include <string>
#include <vector>

#include "lens_test_support.h"
#include "lensui/dialog_fields.h"
#include "lensui/up_down.h"
#include "trace/dbgprint.h"

namespace kelvane {
namespace {

class LensControlTest : public test::LensControlFixture {
 protected:
  UpDown* spin(int id) const { return dlg->controlAs<UpDown>(id); }
  QPushButton* button(int id) const { return dlg->controlAs<QPushButton>(id); }
};

TEST_F(LensControlTest, OpensWithTheCurrentLensTracedAndShown) {
  const LensSession& s = lensSession();
  EXPECT_EQ(dlg->windowTitle(), "Lens Control");
  EXPECT_EQ(edit(100)->text(), "219");
  EXPECT_EQ(edit(112)->text(), "112");
  EXPECT_EQ(slider(0)->value(), 219);
  EXPECT_EQ(edit(IDC_INGRESS_ECC)->text(), "0.668");
  EXPECT_EQ(edit(IDC_EGRESS_ECC)->text(), "0.835");
  EXPECT_EQ(edit(IDC_FOCUS)->text(), "316");  // focus 316.10, dev 0.386, 0.12 %
  EXPECT_EQ(edit(IDC_DEV)->text(), "0");
  EXPECT_EQ(edit(IDC_DEVPCNT)->text(), "0.12");
  EXPECT_EQ(edit(IDC_FILL_EDIT)->text(), "90");
  EXPECT_EQ(edit(IDC_RINDEX)->text(), "1.50");
  EXPECT_EQ(edit(IDC_XMAX)->text(), QString::number(s.Xmax));
  EXPECT_EQ(s.Xmax, view->canvas()->width());
  EXPECT_EQ(s.model.settings().rayEndX, s.Xmax);
  EXPECT_EQ(slider(4)->maximum(), s.Xmax / 2);
  EXPECT_EQ(slider(1)->maximum(), s.Ymax);
  EXPECT_TRUE(button(IDC_INGRESS_CV)->isChecked());
  EXPECT_FALSE(button(IDC_MULTI)->isChecked());
  // Save and Script wait for the script runner's hooks.
  EXPECT_FALSE(button(IDC_SAVE)->isEnabled());
  EXPECT_FALSE(button(IDC_SCRIPT)->isEnabled());
}

TEST_F(LensControlTest, TypedRowValuesAreClampedAndWrittenBack) {
  LensSession& s = lensSession();
  enter(100, "0");
  EXPECT_EQ(edit(100)->text(), "1");
  EXPECT_EQ(s.model.lens().ivx, 1.0);
  EXPECT_EQ(slider(0)->value(), 1);
  enter(103, "99999");
  EXPECT_EQ(edit(103)->text(), QString::number(s.Ymax));
  EXPECT_EQ(s.model.lens().ivy, s.Ymax);
  // A typed depth may go up to Xmax although its trackbar stops at Xmax / 2.
  enter(112, QString::number(s.Xmax - 10));
  EXPECT_EQ(s.model.lens().depth, s.Xmax - 10);
  EXPECT_EQ(edit(112)->text(), QString::number(s.Xmax - 10));
  EXPECT_EQ(slider(4)->value(), slider(4)->maximum());
  // An empty field is passed over and shows the value in force.
  enter(106, "");
  EXPECT_EQ(edit(106)->text(), "143");
  EXPECT_EQ(s.model.lens().evx, 143.0);
}

TEST_F(LensControlTest, SliderStepsAndDragsRetraceAtOnce) {
  LensSession& s = lensSession();
  slider(0)->setFocus();
  QTest::keyClick(slider(0), Qt::Key_Right);
  EXPECT_EQ(s.sliderValues[0], 220);
  EXPECT_EQ(edit(100)->text(), "220");
  EXPECT_EQ(s.model.lens().ivx, 220.0);
  // A drag: every position of the thumb retraces.
  const double focusBefore = s.model.results().focus;
  slider(0)->setSliderDown(true);
  slider(0)->setSliderPosition(180);
  EXPECT_EQ(s.model.lens().ivx, 180.0);
  EXPECT_EQ(edit(100)->text(), "180");
  EXPECT_NE(s.model.results().focus, focusBefore);
  EXPECT_EQ(edit(IDC_FOCUS)->text(), QString::number(int(s.model.results().focus + 0.5)));
  slider(0)->setSliderPosition(190);
  EXPECT_EQ(s.model.lens().ivx, 190.0);
  slider(0)->setSliderDown(false);
  // Jumps to an end are not taken.
  QTest::keyClick(slider(0), Qt::Key_Home);
  EXPECT_EQ(s.model.lens().ivx, 190.0);
  EXPECT_EQ(slider(0)->value(), 190);
}

TEST_F(LensControlTest, MouseDragOfTheThumbRetracesWhileMoving) {
  LensSession& s = lensSession();
  QSlider* depth = slider(4);
  QStyleOptionSlider opt;
  opt.initFrom(depth);
  opt.orientation = depth->orientation();
  opt.minimum = depth->minimum();
  opt.maximum = depth->maximum();
  opt.sliderPosition = depth->sliderPosition();
  opt.sliderValue = depth->value();
  opt.singleStep = depth->singleStep();
  opt.pageStep = depth->pageStep();
  const QRect handle =
      depth->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, depth);
  const QPoint grab = handle.center();
  QTest::mousePress(depth, Qt::LeftButton, Qt::NoModifier, grab);
  QTest::mouseMove(depth, grab + QPoint(40, 0));
  // Still held: the lens already follows the thumb.
  EXPECT_TRUE(depth->isSliderDown());
  EXPECT_GT(s.model.lens().depth, 112.0);
  EXPECT_EQ(edit(112)->text(), QString::number(int(s.model.lens().depth)));
  const double whileHeld = s.model.lens().depth;
  QTest::mouseMove(depth, grab + QPoint(60, 0));
  EXPECT_GT(s.model.lens().depth, whileHeld);
  QTest::mouseRelease(depth, Qt::LeftButton, Qt::NoModifier, grab + QPoint(60, 0));
  EXPECT_EQ(s.model.lens().depth, depth->value());
}

TEST_F(LensControlTest, UpDownArrowsAndKeysStepTheRow) {
  LensSession& s = lensSession();
  QTest::mouseClick(spin(101)->upButton(), Qt::LeftButton);
  EXPECT_EQ(s.model.lens().ivx, 220.0);
  EXPECT_EQ(slider(0)->value(), 220);
  EXPECT_EQ(edit(100)->text(), "220");
  edit(103)->setFocus();
  QTest::keyClick(edit(103), Qt::Key_Down);
  EXPECT_EQ(s.model.lens().ivy, 162.0);
  EXPECT_EQ(slider(1)->value(), 162);
}

TEST_F(LensControlTest, HoldingAnArrowSpeedsUp) {
  UpDown* s0 = spin(101);  // range 1..Xmax: 8 a step after one second
  std::vector<int> positions;
  QObject::connect(s0, &UpDown::thumbPosition, [&positions](int pos) { positions.push_back(pos); });
  QTest::mousePress(s0->downButton(), Qt::LeftButton);
  auto sawStep = [&positions](int size) {
    for (size_t i = 1; i < positions.size(); ++i)
      if (positions[i - 1] - positions[i] == size) return true;
    return false;
  };
  const int fast = std::max(2, (s0->maximum() - 1) / 100);
  EXPECT_TRUE(test::waitFor([&] { return sawStep(fast); }, 5000)) << "no step of " << fast;
  QTest::mouseRelease(s0->downButton(), Qt::LeftButton);
  EXPECT_EQ(positions.front(), 218);  // the first step is 1
  EXPECT_EQ(lensSession().model.lens().ivx, positions.back());
}

TEST(UpDownAccel, ThreeStepsFromTheRange) {
  const auto a = spinAccel(1, 860);
  EXPECT_EQ(accelIncrement(a, 0), 1);
  EXPECT_EQ(accelIncrement(a, 999), 1);
  EXPECT_EQ(accelIncrement(a, 1000), 8);   // max(2, 859 / 100)
  EXPECT_EQ(accelIncrement(a, 2500), 32);  // max(4, 4 * 8)
  const auto small = spinAccel(1, 99);
  EXPECT_EQ(accelIncrement(small, 1500), 2);
  EXPECT_EQ(accelIncrement(small, 5000), 4);
}

TEST_F(LensControlTest, WidthLocksAndFillUnlocks) {
  LensSession& s = lensSession();
  QCheckBox* lock = dlg->controlAs<QCheckBox>(IDC_LOCK);
  enter(IDC_WIDTH_EDIT, "50");
  EXPECT_TRUE(s.model.settings().locked());
  EXPECT_EQ(s.model.settings().lockedWidth, 50.0);
  EXPECT_TRUE(lock->isChecked());
  EXPECT_DOUBLE_EQ(s.model.results().width, 50.0);
  enter(IDC_FILL_EDIT, "100");  // held to 99
  EXPECT_EQ(edit(IDC_FILL_EDIT)->text(), "99");
  EXPECT_FALSE(s.model.settings().locked());
  EXPECT_DOUBLE_EQ(s.model.settings().fill, 0.99);
  EXPECT_FALSE(lock->isChecked());
  QTest::mouseClick(spin(IDC_WIDTH_SPIN)->upButton(), Qt::LeftButton);
  EXPECT_TRUE(s.model.settings().locked());
  EXPECT_TRUE(lock->isChecked());
  QTest::mouseClick(spin(IDC_FILL_SPIN)->downButton(), Qt::LeftButton);
  EXPECT_FALSE(s.model.settings().locked());
  EXPECT_DOUBLE_EQ(s.model.settings().fill, 0.98);
  // "&Lock" takes the traced width and does not retrace.
  QSignalSpy retraces(&lensSessionNotifier(), &LensSessionNotifier::retraced);
  QTest::mouseClick(lock, Qt::LeftButton);
  EXPECT_TRUE(s.model.settings().locked());
  EXPECT_EQ(s.model.settings().lockedWidth, s.model.results().width);
  EXPECT_EQ(retraces.count(), 0);
}

TEST_F(LensControlTest, ScriptLockAndFillOperations) {
  LensSession& s = lensSession();
  QCheckBox* lock = dlg->controlAs<QCheckBox>(IDC_LOCK);
  setLockWidth(80);
  EXPECT_TRUE(s.model.settings().locked());
  EXPECT_EQ(s.model.settings().lockedWidth, 80.0);
  EXPECT_TRUE(lock->isChecked());
  EXPECT_EQ(edit(IDC_WIDTH_EDIT)->text(), "80");
  setLockWidth(-1);
  EXPECT_FALSE(s.model.settings().locked());
  EXPECT_FALSE(lock->isChecked());
  setLockWidth(0);  // locks again, keeping the width
  EXPECT_TRUE(s.model.settings().locked());
  EXPECT_EQ(s.model.settings().lockedWidth, 80.0);
  EXPECT_TRUE(lock->isChecked());
  setFillPercent(0);
  EXPECT_DOUBLE_EQ(s.model.settings().fill, 0.01);
  EXPECT_FALSE(lock->isChecked());
  EXPECT_EQ(edit(IDC_FILL_EDIT)->text(), "1");
  setFillPercent(-7);
  EXPECT_DOUBLE_EQ(s.model.settings().fill, 0.01);
  setFillPercent(250);
  EXPECT_DOUBLE_EQ(s.model.settings().fill, 0.99);
  EXPECT_EQ(edit(IDC_FILL_EDIT)->text(), "99");
}

TEST_F(LensControlTest, RefreshShowsALensWrittenFromOutside) {
  LensSession& s = lensSession();
  s.model.setLens(Lens{200.4, 150.6, 143, 260, 90, 1});
  refreshLensControl();
  EXPECT_EQ(edit(100)->text(), "200");
  EXPECT_EQ(edit(103)->text(), "151");
  EXPECT_EQ(slider(4)->value(), 90);
  EXPECT_TRUE(button(IDC_EGRESS_CC)->isChecked());
  EXPECT_TRUE(button(IDC_INGRESS_CV)->isChecked());
  // Retraced on the lens as written (no commit of the slider values).
  EXPECT_EQ(s.model.lens().ivx, 200.4);
  EXPECT_GT(s.model.results().focus, 0);
}

// A flag left raised by other work on this thread (drawing, layout) must
// not fail the outermost beam of the next retrace.
TEST_F(LensControlTest, AFlagLeftByOtherWorkDoesNotChangeTheResults) {
  // Locked, so no rim search runs (and clears the flag) before the beams.
  setLockWidth(120);
  volatile double zero = 0.0;
  volatile double quotient = 1.0 / zero;  // raises division by zero
  (void)quotient;
  refreshLensControl();
  const TraceResults& shown = lensSession().model.results();
  TracerContext clean;
  BeamSettings settings = lensSession().model.settings();
  settings.pointsMode = 0;
  settings.traceBuffer = nullptr;
  findFocus(clean, lensSession().model.lens(), settings);
  EXPECT_EQ(shown.focus, clean.results.focus);
  EXPECT_EQ(shown.dev, clean.results.dev) << "the outermost beam took part";
}

TEST_F(LensControlTest, ShapeButtonsAndNoFocus) {
  LensSession& s = lensSession();
  // The selected button again: nothing changes, no retrace.
  QSignalSpy retraces(&lensSessionNotifier(), &LensSessionNotifier::retraced);
  QTest::mouseClick(button(IDC_INGRESS_CV), Qt::LeftButton);
  EXPECT_EQ(retraces.count(), 0);
  EXPECT_EQ(s.model.lens().shape, 0);
  // Ingress CC makes "CCCV": the exit rays diverge, no focus.
  QTest::mouseClick(button(IDC_INGRESS_CC), Qt::LeftButton);
  EXPECT_EQ(s.model.lens().shape, 2);
  EXPECT_TRUE(button(IDC_INGRESS_CC)->isChecked());
  EXPECT_FALSE(button(IDC_INGRESS_CV)->isChecked());
  EXPECT_EQ(s.model.results().focus, 0.0);
  for (int id : {IDC_FOCUS, IDC_DEV, IDC_DEVPCNT}) EXPECT_EQ(edit(id)->text(), "--");
  QTest::mouseClick(button(IDC_EGRESS_CC), Qt::LeftButton);
  EXPECT_EQ(s.model.lens().shape, 3);
  QTest::mouseClick(button(IDC_INGRESS_CV), Qt::LeftButton);
  QTest::mouseClick(button(IDC_EGRESS_CV), Qt::LeftButton);
  EXPECT_EQ(s.model.lens().shape, 0);
  EXPECT_EQ(edit(IDC_FOCUS)->text(), "316");
}

TEST_F(LensControlTest, BadRefractiveIndexIsPassedOver) {
  LensSession& s = lensSession();
  for (const char* bad : {"", "0", ".", "0.00"}) {
    enter(IDC_RINDEX, bad);
    EXPECT_DOUBLE_EQ(s.model.indexRatio(), 1.0 / 1.5) << bad;
    EXPECT_EQ(edit(IDC_RINDEX)->text(), "1.50") << bad;
  }
  enter(IDC_RINDEX, "1.6");
  EXPECT_DOUBLE_EQ(s.model.indexRatio(), 1.0 / 1.6);
  EXPECT_EQ(edit(IDC_RINDEX)->text(), "1.6");
  EXPECT_NE(edit(IDC_FOCUS)->text(), "316");  // retraced with the new index
}

TEST_F(LensControlTest, BadLimitsLeaveEverySliderARange) {
  LensSession& s = lensSession();
  const int xmax = s.Xmax;
  enter(IDC_XMAX, "");
  EXPECT_EQ(s.Xmax, xmax);
  EXPECT_EQ(edit(IDC_XMAX)->text(), QString::number(xmax));
  enter(IDC_YMAX, "0");
  EXPECT_GT(s.Ymax, 0);
  EXPECT_EQ(edit(IDC_YMAX)->text(), QString::number(s.Ymax));
  // Xmax 1 would give the depth row the empty range 1..0.
  enter(IDC_XMAX, "1");
  EXPECT_EQ(s.Xmax, 1);
  EXPECT_EQ(s.model.settings().rayEndX, 1.0);
  for (int r = 0; r < kSliderRows; ++r) EXPECT_GE(slider(r)->maximum(), slider(r)->minimum()) << r;
  enter(IDC_XMAX, "1200");
  EXPECT_EQ(slider(0)->maximum(), 1200);
  EXPECT_EQ(slider(4)->maximum(), 600);
  EXPECT_EQ(spin(IDC_WIDTH_SPIN)->maximum(), 600);
}

TEST_F(LensControlTest, EscDoesNothingAndAltDigitFocusesATrackbar) {
  dlg->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
  edit(100)->setFocus();
  QTest::keyClick(dlg, Qt::Key_Escape);
  QTest::keyClick(edit(100), Qt::Key_Escape);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(lensSession().control, dlg);
  for (int r = 0; r < kSliderRows; ++r) {
    QTest::keyClick(dlg, Qt::Key(Qt::Key_1 + r), Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), slider(r)) << "Alt+" << r + 1;
  }
}

TEST_F(LensControlTest, TabSkipsTheReadOnlyFields) {
  dlg->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
  button(IDC_INGRESS_CC)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), slider(0));  // not the eccentricity 150
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), edit(100));  // the up-down is no stop
}

TEST_F(LensControlTest, CopyTracesTheLensLine) {
  static std::string line;
  line.clear();
  setDebuggerWriter([](const char* text) { line += text; });
  QTest::mouseClick(button(IDC_COPY), Qt::LeftButton);
  setDebuggerWriter(nullptr);
  EXPECT_EQ(line, "219,163,143,260,112,CVCV  ; F=316 W=137 dev=0.12%\n");
}

TEST_F(LensControlTest, ClosingStopsTheScriptAndReopensWhereItWas) {
  LensSession& s = lensSession();
  int stops = 0;
  s.stopScript = [&stops] { ++stops; };
  dlg->move(37, 53);
  const QPoint where = dlg->frameGeometry().topLeft();
  dlg->close();
  EXPECT_EQ(s.control, nullptr);
  EXPECT_EQ(stops, 1);
  EXPECT_EQ(s.savedDialogRect.topLeft(), where);
  view->command(IDM_LENS_PARAMETERS);
  ASSERT_NE(s.control, nullptr);
  EXPECT_EQ(s.control->frameGeometry().topLeft(), where);
  s.stopScript = nullptr;
}

TEST_F(LensControlTest, HooksEnableSaveAndScript) {
  LensSession& s = lensSession();
  int toggles = 0, saves = 0;
  s.toggleScript = [&toggles] { ++toggles; };
  s.writeLensScript = [&saves] { ++saves; };
  dlg->updateHookButtons();
  QTest::mouseClick(button(IDC_SCRIPT), Qt::LeftButton);
  QTest::mouseClick(button(IDC_SAVE), Qt::LeftButton);
  EXPECT_EQ(toggles, 1);
  EXPECT_EQ(saves, 1);
  dlg->setScriptButtonText("&Stop");
  EXPECT_EQ(button(IDC_SCRIPT)->text(), "&Stop");
  s.toggleScript = nullptr;
  s.writeLensScript = nullptr;
}

}  // namespace
}  // namespace kelvane

namespace kelvane {
namespace {

TEST(DialogFields, ReadersTakeTheLeadingNumber) {
  EXPECT_EQ(readUnsignedField("  42"), 42);
  EXPECT_EQ(readUnsignedField("1234567890123"), 123456789);  // the first 9 characters
  EXPECT_EQ(readUnsignedField("-5"), -5);                    // compared signed: below any range
  EXPECT_FALSE(readUnsignedField("").has_value());
  EXPECT_FALSE(readUnsignedField("x1").has_value());
  EXPECT_DOUBLE_EQ(*readDoubleField("1.6abc"), 1.6);
  EXPECT_DOUBLE_EQ(*readDoubleField(".5"), 0.5);
  EXPECT_FALSE(readDoubleField("").has_value());
  EXPECT_FALSE(readDoubleField(".").has_value());
  EXPECT_FALSE(readDoubleField("inf").has_value());
}

TEST(DialogFields, DialogUnitsFollowTheFont) {
  const DialogUnits du(7, 16);  // average character width 7, line height 16
  EXPECT_EQ(du.x(291), 509);    // 291 * 7 / 4, rounded
  EXPECT_EQ(du.y(110), 220);    // 110 * 16 / 8
  EXPECT_EQ(du.rect(135, 16, 22, 13), QRect(236, 32, 39, 26));
}

TEST_F(LensControlTest, DialogSizeComesFromItsFont) {
  const DialogUnits du(dlg->font());
  EXPECT_EQ(dlg->size(), QSize(du.x(kLensControlDluW), du.y(kLensControlDluH)));
  EXPECT_EQ(slider(0)->geometry(), du.rect(14, 16, 121, 13));
  EXPECT_EQ(slider(4)->geometry(), du.rect(30, 93, 105, 13));
}

}  // namespace
}  // namespace kelvane
