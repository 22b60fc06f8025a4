// Remembered places: which kept rectangles can still be reached on the
// screens, a window's place kept as it moves and given back at the next
// showing, and the first-run placement for a place off every screen.
#include "winui/remembered_place.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <memory>

#include "tests/qt_test_app.h"
#include "winui/place_window.h"

namespace kelvane {
namespace {

constexpr char kKey[] = "TestWindow";

TEST(ReachableOnScreens, TheTitleStripMustLieOnAScreen) {
  const QList<QRect> screens{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
  EXPECT_TRUE(reachableOnScreens(QRect(100, 10, 860, 720), screens));
  // Mostly off to the left or below, but the title bar can still be grabbed.
  EXPECT_TRUE(reachableOnScreens(QRect(-800, 900, 860, 720), screens));
  // On the second screen only.
  EXPECT_TRUE(reachableOnScreens(QRect(2500, 500, 400, 300), screens));
  // Less than the reachable width left on the screen.
  EXPECT_FALSE(reachableOnScreens(QRect(-830, 10, 860, 720), screens));
  // The title bar above the top edge, the body below it on the screen.
  EXPECT_FALSE(reachableOnScreens(QRect(100, -30, 860, 720), screens));
  // Off every screen, where a screen was once; and no rectangle at all.
  EXPECT_FALSE(reachableOnScreens(QRect(3300, 200, 400, 300), screens));
  EXPECT_FALSE(reachableOnScreens(QRect(100, 1100, 400, 300), screens));
  EXPECT_FALSE(reachableOnScreens(QRect(), screens));
  EXPECT_FALSE(reachableOnScreens(QRect(100, 10, 860, 720), {}));
}

class RememberedPlace : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ensureApplication();
    forgetRememberedPlaces();
  }
  void TearDown() override { forgetRememberedPlaces(); }

  // Shows a new window under kKey; true when the first-run placement ran.
  bool showNew(std::unique_ptr<QWidget>& window, QRect firstRect) {
    window = std::make_unique<QWidget>();
    bool firstRun = false;
    QWidget* w = window.get();
    showAtRememberedPlace(w, kKey, [w, firstRect, &firstRun] {
      firstRun = true;
      showWithFrameRect(w, firstRect);
    });
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
    return firstRun;
  }
};

TEST_F(RememberedPlace, KeptAsTheWindowMovesAndGivenBackNextTime) {
  const QRect first(40, 30, 320, 240);
  std::unique_ptr<QWidget> window;
  EXPECT_TRUE(showNew(window, first));
  EXPECT_EQ(window->frameGeometry(), first);

  // A move is kept once it has settled, without closing the window.
  const QRect moved(120, 90, 300, 200);
  setFrameRect(window.get(), moved);
  EXPECT_TRUE(QTest::qWaitFor([&] { return rememberedPlace(kKey) == moved; }, 5000));

  // Moved again and closed at once: the close keeps the newest place.
  const QRect last(60, 70, 280, 190);
  setFrameRect(window.get(), last);
  window->close();
  EXPECT_EQ(rememberedPlace(kKey), last);

  // The next showing (as in the next run) goes there, not to the first place.
  EXPECT_FALSE(showNew(window, first));
  EXPECT_EQ(window->frameGeometry(), last);

  // A window deleted right after a move still keeps that move.
  const QRect beforeDelete(80, 50, 260, 180);
  setFrameRect(window.get(), beforeDelete);
  window.reset();
  EXPECT_EQ(rememberedPlace(kKey), beforeDelete);
}

TEST_F(RememberedPlace, APlaceOffEveryScreenFallsBackToTheFirstRunPlace) {
  const QRect first(40, 30, 320, 240);
  keepPlace(kKey, QRect(5000, 4000, 300, 200));  // a screen that is gone
  EXPECT_EQ(rememberedPlace(kKey), std::nullopt);
  std::unique_ptr<QWidget> window;
  EXPECT_TRUE(showNew(window, first));
  EXPECT_EQ(window->frameGeometry(), first);
  // The window's own place replaces the unreachable one.
  window->close();
  EXPECT_EQ(rememberedPlace(kKey), first);
}

}  // namespace
}  // namespace kelvane
