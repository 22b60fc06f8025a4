// The Lens Maker dialog: the remembered faces, the "&Make" line and closing
// by Enter or Esc.
#include "lensui/lens_maker.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "lens_test_support.h"

namespace kelvane {
namespace {

QPushButton* button(const LensMaker& d, int id) {
  return qobject_cast<QPushButton*>(d.control(id));
}

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

TEST(LensMaker, MakeAddsTheSameLineEachTimeAndEnterCloses) {
  test::ensureApplication();
  LensMaker dialog(nullptr);
  dialog.show();
  auto* focus = qobject_cast<QLineEdit*>(dialog.control(IDC_MAKER_FOCUS));
  QTest::keyClicks(focus, "12a3");
  EXPECT_EQ(focus->text(), "123");  // digits only
  for (int i = 0; i < 3; ++i) QTest::mouseClick(button(dialog, IDC_MAKER_MAKE), Qt::LeftButton);
  ASSERT_EQ(dialog.list()->count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog.list()->item(i)->text(), kLensMakerTestLine);
  QTest::keyClick(focus, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), IDOK_COMMAND);
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace kelvane
