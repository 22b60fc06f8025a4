// What the Lens Control dialog shows must be what the lens is: values held
// by new limits, the ray end after the view grows, the multi-beam fields and
// fan counts, "Copy" on the clipboard, limit fields that show their value.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <algorithm>

#include "lens_test_support.h"
#include "lensui/lens_control.h"
#include "lensui/lens_status_line.h"
#include "optics/focus.h"

namespace kelvane {
namespace {

class LensControlStateTest : public test::LensControlFixture {
 protected:
  QLabel* status() const { return dlg->controlAs<QLabel>(IDC_STATUS); }
  // The focus a fresh single-beam trace of the session's lens finds.
  static double freshFocus() {
    const LensSession& s = lensSession();
    TracerContext ctx;
    ctx.indexRatio = s.model.indexRatio();
    BeamSettings settings = s.model.settings();
    settings.pointsMode = 0;
    settings.traceBuffer = nullptr;
    return findFocus(ctx, s.model.lens(), settings);
  }
};

TEST_F(LensControlStateTest, NewLimitsCommitAndRetraceTheHeldValues) {
  const LensSession& s = lensSession();
  enter(IDC_XMAX, "150");  // ivx 219 and evx 143 against 150; depth 112 may stay
  EXPECT_EQ(s.model.lens().ivx, 150.0);
  EXPECT_EQ(edit(100)->text(), "150");
  EXPECT_EQ(slider(0)->value(), 150);
  EXPECT_EQ(s.model.lens().evx, 143.0);
  EXPECT_EQ(s.model.lens().depth, 112.0) << "a depth up to Xmax is kept";
  EXPECT_EQ(edit(112)->text(), "112") << "the field shows the depth, not the trackbar's end";
  EXPECT_EQ(slider(4)->value(), 75);
  EXPECT_DOUBLE_EQ(s.model.results().focus, freshFocus()) << "retraced with the held value";
  EXPECT_EQ(edit(IDC_FOCUS)->text(), QString::number(int(s.model.results().focus + 0.5)));
  EXPECT_TRUE(dlg->copyLine().startsWith("150,163,143,260,112,CVCV"))
      << dlg->copyLine().toStdString();

  enter(IDC_YMAX, "100");
  EXPECT_EQ(s.model.lens().ivy, 100.0);
  EXPECT_EQ(s.model.lens().evy, 100.0);
  EXPECT_EQ(edit(103)->text(), "100");
  EXPECT_EQ(edit(109)->text(), "100");
  enter(IDC_XMAX, "90");
  EXPECT_EQ(s.model.lens().depth, 90.0);
  EXPECT_EQ(edit(112)->text(), "90");
  EXPECT_DOUBLE_EQ(s.model.results().focus, freshFocus());
  EXPECT_TRUE(dlg->copyLine().startsWith("90,100,90,100,90,CVCV")) << dlg->copyLine().toStdString();
}

TEST_F(LensControlStateTest, EnlargingTheViewCarriesTheExitRaysToTheNewWidth) {
  LensSession& s = lensSession();
  QTest::mouseClick(dlg->controlAs<QPushButton>(IDC_MULTI), Qt::LeftButton);
  ASSERT_EQ(s.model.beamMode(), kMultiBeamMode);
  const int before = s.Xmax;
  ASSERT_GT(s.model.results().fanCounts[4], 0);
  view->resize(view->width() + 150, view->height());
  ASSERT_TRUE(test::waitFor([&] { return s.Xmax > before; }));
  EXPECT_EQ(s.Xmax, view->canvas()->width());
  EXPECT_EQ(s.model.settings().rayEndX, s.Xmax);
  EXPECT_EQ(edit(IDC_XMAX)->text(), QString::number(s.Xmax));
  // Point 2 of every recorded beam is where its exit ray ends.
  int records = 0;
  for (int c : s.model.results().fanCounts) records += c;
  ASSERT_GT(records, 0);
  for (int i = 0; i < records; ++i)
    ASSERT_EQ(s.model.buffer()[3 * i + 2].x, s.Xmax) << "beam record " << i;
}

TEST_F(LensControlStateTest, MultiBeamShowsNoFocusAndTheFanCounts) {
  LensSession& s = lensSession();
  ASSERT_EQ(edit(IDC_FOCUS)->text(), "316");
  QTest::mouseClick(dlg->controlAs<QPushButton>(IDC_MULTI), Qt::LeftButton);
  for (int id : {IDC_FOCUS, IDC_DEV, IDC_DEVPCNT}) EXPECT_EQ(edit(id)->text(), "--") << id;
  const auto& fans = s.model.results().fanCounts;
  const QString expected = QString("Fans 40..0\u00B0: %1 %2 %3 %4 %5")
                               .arg(fans[0])
                               .arg(fans[1])
                               .arg(fans[2])
                               .arg(fans[3])
                               .arg(fans[4]);
  EXPECT_EQ(status()->text(), expected);
  EXPECT_TRUE(status()->isEnabled());
  EXPECT_LE(status()->fontMetrics().horizontalAdvance(status()->text()),
            status()->contentsRect().width())
      << "the counts fit the status line";
  EXPECT_TRUE(dlg->copyLine().contains("; F=-- W=")) << dlg->copyLine().toStdString();
  EXPECT_TRUE(dlg->copyLine().endsWith(" dev=--")) << dlg->copyLine().toStdString();
  // A new lens: new counts.
  enter(100, "120");
  EXPECT_EQ(status()->text(), QString("Fans 40..0\u00B0: %1 %2 %3 %4 %5")
                                  .arg(fans[0])
                                  .arg(fans[1])
                                  .arg(fans[2])
                                  .arg(fans[3])
                                  .arg(fans[4]));
  // A running script's name wins over the counts, which come back after it.
  dlg->setStatusText("demo.ops");
  dlg->setStatusEnabled(true);
  enter(100, "130");
  EXPECT_EQ(status()->text(), "demo.ops");
  dlg->setStatusEnabled(false);
  EXPECT_TRUE(status()->text().startsWith("Fans"));
  // Single-beam again: the focus is back and the counts are gone.
  QTest::mouseClick(dlg->controlAs<QPushButton>(IDC_MULTI), Qt::LeftButton);
  enter(100, "219");
  EXPECT_EQ(edit(IDC_FOCUS)->text(), "316");
  EXPECT_EQ(status()->text(), "demo.ops") << "only the ended script's name, greyed";
  EXPECT_FALSE(status()->isEnabled());
}

TEST_F(LensControlStateTest, CopyPutsItsLineOnTheClipboardAndSaysSoBriefly) {
  QApplication::clipboard()->clear();
  dlg->setStatusText("demo.ops");
  dlg->setStatusEnabled(true);
  QTest::mouseClick(dlg->controlAs<QPushButton>(IDC_COPY), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text(), "219,163,143,260,112,CVCV  ; F=316 W=137 dev=0.12%");
  EXPECT_EQ(status()->text(), "Copied to the clipboard");
  EXPECT_TRUE(status()->isEnabled());
  // Brief: the line goes back to what it showed.
  EXPECT_TRUE(test::waitFor([&] { return status()->text() == "demo.ops"; }, 4 * kStatusNoticeMs));
  EXPECT_TRUE(status()->isEnabled());
}

TEST_F(LensControlStateTest, LimitFieldsShowTheirLargestValueWhole) {
  const QString largest = QString::number(kLimitMax);
  for (int id : {IDC_XMAX, IDC_YMAX}) {
    QLineEdit* e = edit(id);
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->rect();
    opt.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
    const QRect contents = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    const int room = contents.width() - e->textMargins().left() - e->textMargins().right() - 4;
    EXPECT_GE(room, e->fontMetrics().horizontalAdvance(largest)) << id;
    EXPECT_LE(e->geometry().right(), dlg->width()) << id;
  }
  EXPECT_LT(edit(IDC_XMAX)->geometry().right(), edit(IDC_YMAX)->geometry().left());
  // The "Ymax" label stands between the fields.
  const QList<QLabel*> labels = dlg->findChildren<QLabel*>();
  const auto ymaxLabel =
      std::find_if(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "Ymax"; });
  ASSERT_NE(ymaxLabel, labels.end());
  EXPECT_GT((*ymaxLabel)->geometry().left(), edit(IDC_XMAX)->geometry().right());
  EXPECT_LT((*ymaxLabel)->geometry().right(), edit(IDC_YMAX)->geometry().left());
  // No more digits than the largest value has.
  enter(IDC_XMAX, "1234567");
  EXPECT_EQ(lensSession().Xmax, 12345);
}

}  // namespace
}  // namespace kelvane
