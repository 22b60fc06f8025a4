// Colour on the desktop: the Lens Control's "Colour" group, each change one
// undo step, refusals that change nothing, the read-out and the Aberration
// window's curve per wavelength.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QSlider>
#include <QTest>

#include "lens_test_support.h"
#include "lensui/aberration_wnd.h"
#include "lensui/lens_colour_group.h"
#include "lensui/lens_control.h"
#include "lensui/lens_readout.h"
#include "lensui/lens_status_line.h"
#include "lensui/lens_undo.h"
#include "lensui/lens_wnd.h"

namespace kelvane {
namespace {

class ColourGroupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::resetLensSession();
    view = openLensView(nullptr, kSingleBeamMode);
    dialog = lensSession().control;
    group = dialog->colourGroup();
  }
  void TearDown() override {
    delete view;
    test::resetLensSession();
  }
  const ColourState& colour() { return lensSession().model.colour(); }
  // A pick in a choice, as a click on one of its items makes it.
  static void pick(QComboBox* choice, const QString& text) {
    const int index = choice->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    choice->setCurrentIndex(index);
    emit choice->activated(index);
  }
  LensWnd* view = nullptr;
  LensControl* dialog = nullptr;
  LensColourGroup* group = nullptr;
};

TEST_F(ColourGroupTest, GlassAndWhiteLightAreStepsOfUndoAndShowTheirIndex) {
  const int steps = lensUndo().stack().count();
  auto* rindex = dialog->controlAs<QLineEdit>(IDC_RINDEX);
  pick(group->glassChoice(), "N-BK7");
  lensUndo().beginGesture();
  pick(group->lightChoice(), "White");
  EXPECT_EQ(colour().glass, "N-BK7");
  EXPECT_TRUE(colour().white);
  EXPECT_EQ(lensSession().model.colourTraces().size(), kWhiteWavelengths.size()) << "retraced";
  EXPECT_FALSE(rindex->isEnabled()) << "the glass sets the index";
  EXPECT_EQ(rindex->text(), "1.52");
  EXPECT_FALSE(group->wavelengthSlider()->isEnabled());
  EXPECT_EQ(lensUndo().stack().count(), steps + 2);
  const QString line = lensReadoutText(lensSession().model);
  EXPECT_TRUE(line.contains(QString::fromUtf8("n_d 1.51680 \u00B7 V_d 64.17")))
      << line.toStdString();
  EXPECT_TRUE(line.contains("lca ")) << line.toStdString();
  EXPECT_TRUE(line.contains("486.1 nm (F) ")) << line.toStdString();
  lensUndo().stack().undo();
  lensUndo().stack().undo();
  EXPECT_TRUE(colour().isDefault());
  EXPECT_EQ(group->glassChoice()->currentIndex(), 0) << "the group follows undo";
  EXPECT_TRUE(rindex->isEnabled());
  EXPECT_EQ(lensReadoutText(lensSession().model),
            lensReadoutText(lensSession().model.singleBeamTrace().results));
}

TEST_F(ColourGroupTest, AStateTheGlassWasNeverMeasuredAtIsRefusedWithItsReason) {
  pick(group->glassChoice(), "PMMA");
  const int steps = lensUndo().stack().count();
  pick(group->lightChoice(), "White");
  EXPECT_FALSE(colour().white);
  EXPECT_EQ(lensUndo().stack().count(), steps);
  EXPECT_EQ(group->lightChoice()->currentIndex(), 0) << "the choice shows what is in force";
  EXPECT_TRUE(dialog->statusLine()->text().contains("not at 420 nm"))
      << dialog->statusLine()->text().toStdString();
}

TEST_F(ColourGroupTest, TheWavelengthSliderTracesAtItsWavelengthAndColoursItsSwatch) {
  group->wavelengthSlider()->setValue(450);
  EXPECT_EQ(colour().wavelength, 450);
  EXPECT_EQ(group->wavelengthText()->text(), "450 nm");
  EXPECT_EQ(group->swatch()->palette().color(QPalette::Window), QColor(0, 70, 255));
}

TEST_F(ColourGroupTest, TheAberrationWindowDrawsOneCurvePerWavelength) {
  AberrationWnd* plot = openAberrationWindow(view);
  pick(group->glassChoice(), "N-SF11");
  pick(group->lightChoice(), "White");
  ASSERT_EQ(plot->colourCurves().size(), kWhiteWavelengths.size());
  EXPECT_EQ(plot->colourCurves()[2]->name(), "486.1 nm (F)");
  for (QLineSeries* curve : plot->colourCurves()) EXPECT_GT(curve->count(), 0);
  EXPECT_TRUE(plot->numbers()->text().contains("lca "));
  // Blue crosses the axis nearer the lens than red.
  EXPECT_LT(plot->colourCurves().front()->at(0).x(), plot->colourCurves().back()->at(0).x());
  pick(group->lightChoice(), "One wavelength");
  for (QLineSeries* curve : plot->colourCurves()) EXPECT_FALSE(curve->isVisible());
  plot->close();
}

}  // namespace
}  // namespace kelvane
