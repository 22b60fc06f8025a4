// placeWindow: the corners, insets, the 1000 + p percentage rule, corners
// that leave the window alone, and a move asked for from another thread.
#include "winui/place_window.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <thread>

#include "tests/qt_test_app.h"

namespace kelvane {
namespace {

TEST(PlacedPosition, CornersWithInsets) {
  const QRect ref(100, 50, 800, 600);  // right 900, bottom 650
  const QSize win(200, 100);
  EXPECT_EQ(placedPosition(win, ref, 0, 4, 4), QPoint(104, 54));
  EXPECT_EQ(placedPosition(win, ref, 1, 4, 4), QPoint(900 - 200 - 4, 54));
  EXPECT_EQ(placedPosition(win, ref, 2, 4, 4), QPoint(104, 650 - 100 - 4));
  // Bottom-right corner 4 pixels in from the reference's bottom-right corner.
  EXPECT_EQ(placedPosition(win, ref, 3, 4, 4), QPoint(696, 546));
  EXPECT_EQ(placedPosition(win, ref, 3, 0, 0), QPoint(700, 550));
}

TEST(PlacedPosition, PercentInsetsCentreTheWindow) {
  const QRect ref(0, 0, 1000, 800);
  const QSize win(201, 101);
  // 50 %: the centre of the reference, with truncating divisions.
  EXPECT_EQ(placedPosition(win, ref, 0, 1050, 1050), QPoint(500 - 100, 400 - 50));
  // Measured from the chosen corner's side.
  EXPECT_EQ(placedPosition(win, ref, 3, 1025, 1010),
            QPoint(1000 - 201 - (250 - 100), 800 - 101 - (80 - 50)));
  // 1000 + 0: the window's centre on the corner's edge.
  EXPECT_EQ(placedPosition(win, ref, 0, 1000, 999), QPoint(-100, 999));
}

TEST(PlacedPosition, OtherCornersDoNotMove) {
  EXPECT_FALSE(placedPosition(QSize(10, 10), QRect(0, 0, 100, 100), 4, 0, 0).has_value());
  EXPECT_FALSE(placedPosition(QSize(10, 10), QRect(0, 0, 100, 100), -1, 0, 0).has_value());
}

TEST(PlaceWindow, MovesTopLevelWindowsOnTheirOwnAndOtherThreads) {
  test::ensureApplication();
  QWidget reference;
  reference.setGeometry(200, 150, 400, 300);
  reference.show();
  QWidget window;
  window.setGeometry(0, 0, 100, 80);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  const QRect ref = screenRect(&reference);
  placeWindow(&window, &reference, 3, 4, 4);
  EXPECT_EQ(window.frameGeometry().bottomRight(), QPoint(ref.right() - 4, ref.bottom() - 4));
  EXPECT_EQ(window.size(), QSize(100, 80));

  const QPoint before = window.pos();
  placeWindow(&window, &reference, 7, 0, 0);
  EXPECT_EQ(window.pos(), before);

  // From a worker: queued to the window's thread, the worker does not wait.
  std::thread worker([&] { placeWindow(&window, nullptr, 0, 10, 20); });
  worker.join();
  const QPoint target = workArea().topLeft() + QPoint(10, 20);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry().topLeft() == target; }, 2000));
}

}  // namespace
}  // namespace kelvane
