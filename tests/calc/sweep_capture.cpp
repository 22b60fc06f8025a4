#include "sweep_capture.h"

#include "calc/calc_state.h"

namespace kelvane::test {

int runAsBackgroundCalc(std::function<void()> calculation) {
  const int started = startBackgroundCalc(std::move(calculation));
  joinBackgroundCalc();
  return started;
}

}  // namespace kelvane::test
