// The Lens Maker dialog: the remembered faces, the fields that cannot be
// read, a design listed, shown as one undo step and copied, and a run
// cancelled or closed.
#include "lensui/lens_maker.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <sstream>
#include <vector>

#include "lens_test_support.h"

namespace kelvane {
namespace {

QPushButton* button(const LensMaker& d, int id) {
  return qobject_cast<QPushButton*>(d.control(id));
}

void type(const LensMaker& d, int id, const QString& text) {
  auto* e = qobject_cast<QLineEdit*>(d.control(id));
  e->clear();
  QTest::keyClicks(e, text);
}

void click(const LensMaker& d, int id) { QTest::mouseClick(button(d, id), Qt::LeftButton); }

TEST(LensMaker, RemembersTheFacesButLeavesTheLensAlone) {
  test::resetLensSession();
  {
    LensMaker dialog(nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Lens Maker");
    EXPECT_TRUE(button(dialog, IDC_MAKER_INGRESS_CV)->isChecked());
    QTest::mouseClick(button(dialog, IDC_MAKER_INGRESS_CC), Qt::LeftButton);
    EXPECT_EQ(lensMakerShape(), 2);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), IDCANCEL_COMMAND);
  }
  LensMaker again(nullptr);
  EXPECT_TRUE(button(again, IDC_MAKER_INGRESS_CC)->isChecked());
  EXPECT_TRUE(button(again, IDC_MAKER_EGRESS_CV)->isChecked());
  EXPECT_EQ(lensSession().model.lens().shape, 0);
  QTest::mouseClick(button(again, IDC_MAKER_EGRESS_CC), Qt::LeftButton);
  QTest::mouseClick(button(again, IDC_MAKER_INGRESS_CV), Qt::LeftButton);
  EXPECT_EQ(lensMakerShape(), 1);
}

TEST(LensMaker, FieldsThatCannotBeReadGetAMessageAndNothingRuns) {
  test::resetLensSession();
  LensMaker dialog(nullptr);
  dialog.show();
  type(dialog, IDC_MAKER_WIDTH, "6a00");
  EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.control(IDC_MAKER_WIDTH))->text(), "600");
  type(dialog, IDC_MAKER_AXES_LEAST, "300");
  type(dialog, IDC_MAKER_AXES_MOST, "200");
  type(dialog, IDC_MAKER_INDEX, ".");
  click(dialog, IDC_MAKER_MAKE);
  EXPECT_FALSE(dialog.running());
  EXPECT_EQ(dialog.list()->count(), 0);
  EXPECT_EQ(dialog.fieldMessage(IDC_MAKER_FOCUS), "enter a number");  // left empty
  EXPECT_EQ(dialog.fieldMessage(IDC_MAKER_WIDTH), "above 0, at most 500");
  EXPECT_EQ(dialog.fieldMessage(IDC_MAKER_AXES_MOST), "below the first");
  EXPECT_EQ(dialog.fieldMessage(IDC_MAKER_INDEX), "not a number");
  EXPECT_EQ(dialog.fieldMessage(IDC_MAKER_DEPTH), "");  // empty: searched
  // Typing in a field takes its message away.
  QTest::keyClicks(qobject_cast<QLineEdit*>(dialog.control(IDC_MAKER_FOCUS)), "3");
  EXPECT_EQ(dialog.fieldMessage(IDC_MAKER_FOCUS), "");
}

TEST(LensMaker, MakeListsALensThatShowsAsOneUndoStepAndCopiesAsAScriptLine) {
  test::resetLensSession();
  const LensState before = lensSession().model.state();
  LensMaker dialog(nullptr);
  dialog.show();
  // Only the ingress X is searched: a run of a few hundredths of a second.
  type(dialog, IDC_MAKER_FOCUS, "300");
  type(dialog, IDC_MAKER_DEPTH, "33");
  type(dialog, IDC_MAKER_INGRESS_Y, "172");
  type(dialog, IDC_MAKER_EGRESS_X, "150");
  type(dialog, IDC_MAKER_EGRESS_Y, "350");
  click(dialog, IDC_MAKER_MAKE);
  ASSERT_TRUE(test::waitFor([&] { return dialog.list()->count() == 1; }, 30000));
  EXPECT_FALSE(dialog.running());
  QListWidgetItem* row = dialog.list()->item(0);
  EXPECT_TRUE(row->text().startsWith("focus 300.")) << row->text().toStdString();
  EXPECT_TRUE(row->text().contains("CVCV 2")) << row->text().toStdString();

  const int steps = lensUndo().stack().count();
  const QPoint at = dialog.list()->visualItemRect(row).center();
  QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(dialog.list()->viewport(), Qt::LeftButton, {}, at);
  const Lens shown = lensSession().model.lens();
  EXPECT_EQ(lensUndo().stack().count(), steps + 1);
  EXPECT_EQ(shown.ivy, 172);
  EXPECT_EQ(shown.depth, 33);
  EXPECT_NE(shown.ivx, before.lens.ivx);
  EXPECT_NEAR(lensSession().model.results().focus, 300, 0.15);

  click(dialog, IDC_MAKER_COPY);
  std::istringstream line(QGuiApplication::clipboard()->text().toStdString());
  std::string word, shape;
  double v[5];
  line >> word >> v[0] >> v[1] >> v[2] >> v[3] >> v[4] >> shape;
  EXPECT_EQ(word, "lens");
  EXPECT_EQ(shape, "CVCV");
  // The lens, to the last bit.
  EXPECT_EQ(std::vector<double>(v, v + 5),
            std::vector<double>({shown.ivx, shown.ivy, shown.evx, shown.evy, shown.depth}));

  lensUndo().stack().undo();
  EXPECT_EQ(lensSession().model.state(), before);
  test::resetLensSession();
}

TEST(LensMaker, CancelAndClosingStopARun) {
  test::resetLensSession();
  LensMaker dialog(nullptr);
  dialog.show();
  type(dialog, IDC_MAKER_FOCUS, "300");  // every value searched: a long run
  click(dialog, IDC_MAKER_MAKE);
  ASSERT_TRUE(dialog.running());
  EXPECT_FALSE(button(dialog, IDC_MAKER_MAKE)->isEnabled());
  click(dialog, IDC_MAKER_CANCEL);
  EXPECT_FALSE(dialog.running());
  EXPECT_EQ(dialog.list()->count(), 0);
  EXPECT_TRUE(button(dialog, IDC_MAKER_MAKE)->isEnabled());

  click(dialog, IDC_MAKER_MAKE);
  ASSERT_TRUE(dialog.running());
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.running());
  EXPECT_FALSE(dialog.isVisible());

  // Quitting destroys a dialog whose run is in progress: it ends, no hang.
  auto* quitting = new LensMaker(nullptr);
  type(*quitting, IDC_MAKER_FOCUS, "300");
  click(*quitting, IDC_MAKER_MAKE);
  ASSERT_TRUE(quitting->running());
  delete quitting;
}

}  // namespace
}  // namespace kelvane
