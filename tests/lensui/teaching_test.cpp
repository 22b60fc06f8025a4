// The lens view's teaching commands in the real windows (offscreen): the
// Aberration plot against the traced records, the presets, and undo/redo
// across a slider drag, a held key and a script run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QChartView>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QScatterSeries>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

#include "lens_test_support.h"
#include "lensui/aberration_wnd.h"
#include "lensui/lens_control.h"
#include "lensui/lens_teaching.h"
#include "lensui/lens_undo.h"
#include "lensui/script_ui_host.h"
#include "optics/presets.h"
#include "trace/filerequest.h"

namespace kelvane {
namespace {

class TeachingTest : public test::LensControlFixture {
 protected:
  // A menu-bar item of the view, or an item of one of its menus.
  QAction* menuItem(const QString& text) const {
    for (QAction* a : view->menuBar()->actions()) {
      if (a->text() == text) return a;
      if (a->menu())
        for (QAction* sub : a->menu()->actions())
          if (sub->text() == text) return sub;
    }
    return nullptr;
  }
};

// The plot shows what the dialog reports of the last trace: one point per
// beam, outermost (at the traced width) first, the beams evenly spaced down
// to the axis; the exit crossings average to the focus and span focusMin to
// focusMax, the inner ones innerFocusMin to innerFocusMax.
void expectPlotShowsTheFocus(AberrationWnd* plot) {
  const TraceResults& res = lensSession().model.results();
  const QList<QPointF> exits = plot->exitPoints()->points();
  const QList<QPointF> inner = plot->innerPoints()->points();
  ASSERT_EQ(exits.size(), res.beamCount);
  ASSERT_EQ(inner.size(), res.beamCount);
  double sum = 0, lo = 1e9, hi = -1e9, innerLo = 1e9, innerHi = -1e9;
  for (int k = 0; k < res.beamCount; ++k) {
    EXPECT_NEAR(exits[k].y(), res.width * (res.beamCount - k) / res.beamCount, 1e-9) << k;
    EXPECT_EQ(inner[k].y(), exits[k].y()) << k;
    sum += exits[k].x();
    lo = std::min(lo, exits[k].x());
    hi = std::max(hi, exits[k].x());
    innerLo = std::min(innerLo, inner[k].x());
    innerHi = std::max(innerHi, inner[k].x());
  }
  EXPECT_NEAR(sum / res.beamCount, res.focus, 1e-9);
  EXPECT_EQ(lo, res.focusMin);
  EXPECT_EQ(hi, res.focusMax);
  EXPECT_EQ(innerLo, res.innerFocusMin);
  EXPECT_EQ(innerHi, res.innerFocusMax);
  ASSERT_EQ(plot->focusLine()->count(), 2);
  EXPECT_EQ(plot->focusLine()->at(0).x(), res.focus);
  EXPECT_EQ(plot->focusLine()->at(1).x(), res.focus);
  EXPECT_EQ(plot->focusMinLine()->at(0).x(), res.focusMin);
  EXPECT_EQ(plot->focusMaxLine()->at(0).x(), res.focusMax);
}

TEST_F(TeachingTest, TheAberrationPlotShowsTheTracedCrossingsAndFollowsTheSlider) {
  // The teaching items close the view's menu bar, in this order.
  const QList<QAction*> bar = view->menuBar()->actions();
  ASSERT_GE(bar.size(), 6);
  QStringList last;
  for (qsizetype i = bar.size() - 4; i < bar.size(); ++i) last << bar[i]->text();
  EXPECT_EQ(last, QStringList({"&Aberration", "&Lenses", "&Undo", "&Redo"}));
  QAction* item = menuItem("&Aberration");
  ASSERT_NE(item, nullptr);
  item->trigger();
  AberrationWnd* plot = aberrationWindow();
  ASSERT_NE(plot, nullptr);
  EXPECT_EQ(plot->windowTitle(), "Aberration");
  EXPECT_TRUE(plot->isVisible());
  expectPlotShowsTheFocus(plot);
  EXPECT_NEAR(plot->focusLine()->at(0).x(), 316.10, 0.005);
  EXPECT_TRUE(plot->numbers()->text().startsWith("focus 316.10"))
      << plot->numbers()->text().toStdString();

  // A biconvex lens spreads the crossings; the plot follows each step.
  dlg->controlAs<QAbstractButton>(IDC_EGRESS_CC)->click();
  expectPlotShowsTheFocus(plot);
  slider(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(lensSession().model.lens().ivx, 220);
  expectPlotShowsTheFocus(plot);
  const double singleFocus = lensSession().model.results().focus;

  // The fans hold no crossings: the plot traces the same lens as single
  // beams on its own and leaves the view's trace alone.
  dlg->controlAs<QAbstractButton>(IDC_MULTI)->click();
  ASSERT_EQ(lensSession().model.beamMode(), kMultiBeamMode);
  EXPECT_EQ(plot->exitPoints()->count(), 5);
  EXPECT_DOUBLE_EQ(plot->curve().focus, singleFocus);
  EXPECT_EQ(plot->focusLine()->at(0).x(), singleFocus);

  // Diverging exit rays: no crossing, no focus line.
  dlg->controlAs<QAbstractButton>(IDC_MULTI)->click();
  dlg->controlAs<QAbstractButton>(IDC_INGRESS_CC)->click();
  EXPECT_EQ(plot->exitPoints()->count(), 0);
  EXPECT_EQ(plot->focusLine()->count(), 0);

  // One window: the item raises the open one; it closes with the view.
  item->trigger();
  EXPECT_EQ(aberrationWindow(), plot);
  delete view;
  EXPECT_EQ(aberrationWindow(), nullptr);
}

TEST_F(TeachingTest, FixedAxesGrowDuringEditsAndStartAfreshWithAPreset) {
  menuItem("&Aberration")->trigger();
  AberrationWnd* plot = aberrationWindow();
  ASSERT_NE(plot, nullptr);
  // The lens view's words, and units on the axes.
  EXPECT_EQ(plot->focusLine()->name(), "mean focus");
  EXPECT_EQ(plot->focusMinLine()->name(), "nearest crossing");
  EXPECT_EQ(plot->focusMaxLine()->name(), "farthest crossing");
  EXPECT_EQ(plot->crossingAxis()->titleText(), "Axis crossing x (units, 100 = 1 inch)");
  ASSERT_TRUE(plot->fixedAxes()->isChecked());
  QValueAxis* x = plot->crossingAxis();
  const double min0 = x->min(), max0 = x->max();

  // A biconvex lens spreads the crossings: the axis grows to take them in.
  dlg->controlAs<QAbstractButton>(IDC_EGRESS_CC)->click();
  const double min1 = x->min(), max1 = x->max(), height1 = plot->heightAxis()->max();
  EXPECT_TRUE(min1 < min0 || max1 > max0) << min1 << ".." << max1;
  // Back to the narrow spread by an edit: the axes stay as they were.
  dlg->controlAs<QAbstractButton>(IDC_EGRESS_CV)->click();
  EXPECT_EQ(x->min(), min1);
  EXPECT_EQ(x->max(), max1);
  EXPECT_EQ(plot->heightAxis()->max(), height1);
  // A preset is a new lens: the axes fit its curve alone.
  dlg->controlAs<QAbstractButton>(IDC_EGRESS_CC)->click();
  ASSERT_TRUE(applyLensPreset("Start-up meniscus"));
  EXPECT_LT(x->max() - x->min(), max1 - min1);
}

TEST_F(TeachingTest, PerfectFocusMeetsInOnePointAndKeepsItsFractions) {
  LensSession& s = lensSession();
  QAction* perfect = menuItem("Perfect focus");
  ASSERT_NE(perfect, nullptr);
  for (const char* name : {"Start-up meniscus", "Biconvex lens", "Thin lens", "Diverging lens"})
    EXPECT_NE(menuItem(name), nullptr) << name;
  perfect->trigger();
  EXPECT_EQ(edit(IDC_FOCUS)->text(), "365");
  EXPECT_EQ(edit(IDC_DEVPCNT)->text(), "0.00");
  const double ivy = s.model.lens().ivy;
  ASSERT_NE(ivy, std::round(ivy)) << "a lens with fractions";
  // The sliders show the values rounded, the lens keeps them whole: also
  // when the dialog is closed and opened again, or the view resized.
  EXPECT_EQ(slider(1)->value(), 163);
  EXPECT_EQ(edit(103)->text(), "163");
  dlg->close();
  view->resize(view->width() + 20, view->height());
  openLensControl();
  ASSERT_NE(s.control, nullptr);
  EXPECT_EQ(s.model.lens().ivy, ivy);
  EXPECT_LT(s.model.results().dev, 1e-9);

  // The start-up meniscus brings back the index 1.5.
  s.model.setIndexRatio(1 / 1.33);
  ASSERT_TRUE(applyLensPreset("Start-up meniscus"));
  EXPECT_EQ(s.model.indexRatio(), kInitialIndexRatio);
  EXPECT_EQ(s.model.lens().ivx, 219);
  // No ellipse of eccentricity 1/n for an index below 1.
  s.model.setIndexRatio(1.25);
  EXPECT_FALSE(applyLensPreset("Perfect focus"));
  EXPECT_FALSE(applyLensPreset("No such lens"));
}

// Where the thumb of a slider is, for dragging it.
QPoint thumbCentre(QSlider* slider) {
  QStyleOptionSlider opt;
  opt.initFrom(slider);
  opt.orientation = slider->orientation();
  opt.minimum = slider->minimum();
  opt.maximum = slider->maximum();
  opt.sliderPosition = slider->sliderPosition();
  opt.sliderValue = slider->value();
  return slider->style()
      ->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider)
      .center();
}

TEST_F(TeachingTest, UndoTakesBackADragAHeldKeyAndAPresetAsOneStepEach) {
  LensSession& s = lensSession();
  QUndoStack& stack = lensUndo().stack();
  QAction* undo = menuItem("&Undo");
  QAction* redo = menuItem("&Redo");
  ASSERT_NE(undo, nullptr);
  ASSERT_NE(redo, nullptr);
  EXPECT_FALSE(undo->isEnabled());
  ASSERT_TRUE(applyLensPreset("Perfect focus"));
  const LensState preset = currentLensState();

  // A drag of the depth thumb, many values, one step.
  QSlider* depth = slider(4);
  const QPoint grab = thumbCentre(depth);
  QTest::mousePress(depth, Qt::LeftButton, Qt::NoModifier, grab);
  for (int dx = 10; dx <= 60; dx += 10) QTest::mouseMove(depth, grab + QPoint(dx, 0));
  QTest::mouseRelease(depth, Qt::LeftButton, Qt::NoModifier, grab + QPoint(60, 0));
  const LensState dragged = currentLensState();
  EXPECT_GT(dragged.lens.depth, 115);
  EXPECT_EQ(stack.count(), 2);

  // A held arrow key on the ingress X slider: a press and its repeats.
  slider(0)->setFocus();
  for (bool repeat : {false, true, true, true}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), repeat);
    QApplication::sendEvent(slider(0), &press);
  }
  EXPECT_EQ(s.model.lens().ivx, 223);
  EXPECT_EQ(stack.count(), 3);
  // A press of another key is a step of its own.
  QTest::keyClick(slider(0), Qt::Key_Up);
  EXPECT_EQ(s.model.lens().ivx, 224);
  EXPECT_EQ(stack.count(), 4);

  // Ctrl+Z in the dialog, also with a text field focused; Ctrl+Shift+Z and
  // Ctrl+Y redo; the view's items do the same.
  edit(100)->setFocus();
  dlg->activateWindow();
  ASSERT_TRUE(test::waitFor([&] { return QApplication::activeWindow() == dlg; }));
  QTest::keyClick(edit(100), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(s.model.lens().ivx, 223);
  QTest::keyClick(edit(100), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(currentLensState() == dragged);
  EXPECT_EQ(edit(100)->text(), "219");
  EXPECT_EQ(slider(0)->value(), 219);
  QTest::keyClick(edit(100), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(currentLensState() == preset) << "the drag went back in one step, fractions kept";
  EXPECT_EQ(s.model.lens().ivy, preset.lens.ivy);
  EXPECT_LT(s.model.results().dev, 1e-9);
  EXPECT_EQ(edit(IDC_FOCUS)->text(), "365");
  QTest::keyClick(edit(100), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(currentLensState() == dragged);
  QTest::keyClick(edit(100), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(s.model.lens().ivx, 223);
  view->activateWindow();
  ASSERT_TRUE(test::waitFor([&] { return QApplication::activeWindow() == view; }));
  QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(currentLensState() == dragged);
  undo->trigger();
  undo->trigger();
  EXPECT_EQ(s.model.lens().ivx, 219);
  EXPECT_EQ(s.model.lens().ivy, 163);
  EXPECT_FALSE(undo->isEnabled());
  redo->trigger();
  EXPECT_TRUE(currentLensState() == preset);

  // The lock and the refractive index are steps too; a new change drops
  // what could be redone.
  dlg->controlAs<QCheckBox>(IDC_LOCK)->click();
  EXPECT_TRUE(s.model.settings().locked());
  edit(IDC_RINDEX)->clear();
  QTest::keyClicks(edit(IDC_RINDEX), "1.7");
  QTest::keyClick(edit(IDC_RINDEX), Qt::Key_Return);
  EXPECT_DOUBLE_EQ(s.model.indexRatio(), 1 / 1.7);
  EXPECT_FALSE(redo->isEnabled());
  undo->trigger();
  EXPECT_EQ(s.model.indexRatio(), kInitialIndexRatio);
  EXPECT_EQ(edit(IDC_RINDEX)->text(), "1.50");
  undo->trigger();
  EXPECT_FALSE(s.model.settings().locked());
  EXPECT_FALSE(dlg->controlAs<QCheckBox>(IDC_LOCK)->isChecked());
}

// A script file in a fresh folder, removed with the test.
class ScriptFileTest : public TeachingTest {
 protected:
  void TearDown() override {
    TeachingTest::TearDown();
    std::filesystem::remove_all(dir);
  }
  std::string scriptFile(const char* name, const char* text) {
    std::filesystem::create_directories(dir);
    const std::string path = (dir / name).string();
    std::ofstream(path) << text;
    return path;
  }
  bool runEnded(ScriptUi& ui) {
    return test::waitFor([&] { return !ui.runner().busy() && !lensUndo().scriptRunning(); }, 20000);
  }
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kelvane-teach-" + std::to_string(::getpid()));
};

TEST_F(ScriptFileTest, AScriptRunIsOneStepBackToTheLensBeforeIt) {
  const std::string script = scriptFile("fade.ops",
                                        "lens 300,200,300,200,80,CVCC\nrindex 1.6\n"
                                        "lens 250,180,250,180,60,CVCV\nwidth percent 50\n");
  auto ui = std::make_unique<ScriptUi>(nullptr, script);
  LensSession& s = lensSession();
  QUndoStack& stack = lensUndo().stack();
  // One change by hand first.
  ASSERT_TRUE(applyLensPreset("Thin lens"));
  const LensState before = currentLensState();
  ui->toggleScript(script);
  ASSERT_TRUE(runEnded(*ui));
  EXPECT_EQ(s.model.lens().ivx, 250);
  EXPECT_DOUBLE_EQ(s.model.indexRatio(), 1 / 1.6);
  EXPECT_EQ(s.model.settings().fill, 0.5);
  EXPECT_EQ(stack.count(), 2) << "the preset, then the whole run";
  lensUndo().undoAction()->trigger();
  EXPECT_TRUE(currentLensState() == before);
  EXPECT_EQ(slider(0)->value(), 100);
  EXPECT_EQ(edit(IDC_RINDEX)->text(), "1.50");
  EXPECT_EQ(edit(IDC_FILL_EDIT)->text(), "90");
  lensUndo().redoAction()->trigger();
  EXPECT_EQ(s.model.lens().ivx, 250);
  EXPECT_EQ(edit(IDC_FILL_EDIT)->text(), "50");
  ui.reset();
}

TEST_F(ScriptFileTest, AHandedOffLensFileIsOneStepUndoneAndRedone) {
  const std::string snapshot =
      scriptFile("handed.lens", "trace beam\nrindex 1.60\nlens 300,200,300,200,80,CVCC\n");
  ScriptUi ui(nullptr, snapshot);
  const LensState before = currentLensState();
  ui.handOffScript(snapshot);
  ASSERT_TRUE(runEnded(ui));
  const LensState handed = currentLensState();
  EXPECT_EQ(handed.lens.ivx, 300);
  EXPECT_EQ(lensUndo().stack().count(), 1);
  lensUndo().undoAction()->trigger();
  EXPECT_TRUE(currentLensState() == before);
  EXPECT_EQ(slider(0)->value(), 219);
  EXPECT_EQ(edit(IDC_RINDEX)->text(), "1.50");
  lensUndo().redoAction()->trigger();
  EXPECT_TRUE(currentLensState() == handed);
  EXPECT_EQ(edit(IDC_RINDEX)->text(), "1.60");
}

}  // namespace
}  // namespace kelvane
