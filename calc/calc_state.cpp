#include "calc/calc_state.h"

#include <mutex>
#include <system_error>
#include <thread>

namespace kelvane {

namespace {

struct CalcThread {
  std::mutex mutex;  // guards the thread object and the listener
  std::thread worker;
  CalcMenuListener listener;
};

CalcThread& calcThread() {
  static CalcThread c;
  return c;
}

void notifyMenu(bool active) {
  CalcMenuListener listener;
  {
    std::lock_guard lock(calcThread().mutex);
    listener = calcThread().listener;
  }
  if (listener) listener(active);
}

}  // namespace

void setCalcMenuListener(CalcMenuListener listener) {
  std::lock_guard lock(calcThread().mutex);
  calcThread().listener = std::move(listener);
}

int startBackgroundCalc(std::function<void()> calculation) {
  int expected = CALC_IDLE;
  if (!calcState.compare_exchange_strong(expected, CALC_STARTED)) return -2;
  // The menu turns active before the thread exists: a calculation that ends
  // at once then always turns it idle after, never before.
  notifyMenu(true);
  try {
    std::lock_guard lock(calcThread().mutex);
    // The previous calculation has set calcState to 0 as its last step; its
    // thread is ending or has ended.
    if (calcThread().worker.joinable()) calcThread().worker.join();
    calcThread().worker = std::thread(std::move(calculation));
  } catch (const std::system_error&) {
    // No thread could be started: nothing runs, so nothing is active.
    notifyMenu(false);
    calcState.store(CALC_IDLE);
    return -1;
  }
  return 0;
}

bool beginBackgroundCalc() {
  int expected = CALC_STARTED;
  return calcState.compare_exchange_strong(expected, CALC_RUNNING);
}

void killBackgroundCalc() {
  int state = calcState.load();
  while (state > CALC_IDLE && !calcState.compare_exchange_weak(state, CALC_KILL_REQUESTED)) {
  }
}

void finishBackgroundCalc() {
  notifyMenu(false);
  calcState.store(CALC_IDLE);
}

void joinBackgroundCalc() {
  std::thread worker;
  {
    std::lock_guard lock(calcThread().mutex);
    worker = std::move(calcThread().worker);
  }
  if (worker.joinable()) worker.join();
}

}  // namespace kelvane
