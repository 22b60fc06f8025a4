#include "calc/calc_state.h"

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace kelvane {
namespace {

bool waitForIdle() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (calcState.load() != CALC_IDLE) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::yield();
  }
  joinBackgroundCalc();
  return true;
}

class CalcStateTest : public ::testing::Test {
 protected:
  void TearDown() override {
    killBackgroundCalc();
    EXPECT_TRUE(waitForIdle());
    setCalcMenuListener(nullptr);
  }
};

TEST_F(CalcStateTest, OneCalculationAtATimeAndKillOnlyWhenActive) {
  killBackgroundCalc();
  EXPECT_EQ(calcState.load(), CALC_IDLE);

  std::atomic<bool> sawKill{false};
  ASSERT_EQ(startBackgroundCalc([&] {
              if (beginBackgroundCalc()) {
                while (calcState.load() == CALC_RUNNING) std::this_thread::yield();
              }
              sawKill = calcState.load() == CALC_KILL_REQUESTED;
              finishBackgroundCalc();
            }),
            0);
  EXPECT_NE(calcState.load(), CALC_IDLE);
  EXPECT_EQ(startBackgroundCalc([] { finishBackgroundCalc(); }), -2);
  killBackgroundCalc();
  ASSERT_TRUE(waitForIdle());
  EXPECT_TRUE(sawKill.load());
}

TEST_F(CalcStateTest, AKillBeforeTheThreadBeginsIsNotLost) {
  std::atomic<bool> release{false};
  std::atomic<int> began{-1};
  ASSERT_EQ(startBackgroundCalc([&] {
              while (!release.load()) std::this_thread::yield();
              began = beginBackgroundCalc() ? 1 : 0;
              finishBackgroundCalc();
            }),
            0);
  killBackgroundCalc();  // still "started": the thread has not begun
  release = true;
  ASSERT_TRUE(waitForIdle());
  EXPECT_EQ(began.load(), 0);
}

TEST_F(CalcStateTest, TheMenuTurnsActiveBeforeAQuickCalculationTurnsItIdle) {
  std::mutex mutex;
  std::vector<bool> events;
  // The user interface applies "active" a little late, as a busy event loop
  // would: by then a quick calculation may already have ended. Its "idle"
  // must still come after.
  setCalcMenuListener([&](bool active) {
    if (active) {
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(50);
      while (calcState.load() != CALC_IDLE && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    }
    std::lock_guard lock(mutex);
    events.push_back(active);
  });
  for (int run = 0; run < 20; ++run) {
    ASSERT_EQ(startBackgroundCalc([] {
                beginBackgroundCalc();
                finishBackgroundCalc();
              }),
              0);
    ASSERT_TRUE(waitForIdle());
  }
  std::lock_guard lock(mutex);
  ASSERT_EQ(events.size(), 40u);
  for (size_t i = 0; i < events.size(); i += 2) {
    EXPECT_TRUE(events[i]) << "event " << i;
    EXPECT_FALSE(events[i + 1]) << "event " << i + 1;
  }
}

}  // namespace
}  // namespace kelvane
