#include "sweep_capture.h"

#include <fstream>

#include "calc/calc_state.h"

namespace kelvane::test {

int runAsBackgroundCalc(std::function<void()> calculation) {
  const int started = startBackgroundCalc(std::move(calculation));
  joinBackgroundCalc();
  return started;
}

std::vector<std::string> expectedTable(const std::string& name) {
  std::ifstream in(std::string(KELVANE_EXPECTED_TABLES) + "/" + name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace kelvane::test
