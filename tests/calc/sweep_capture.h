// Runs a sweep the way the program does (startBackgroundCalc, then wait for
// its thread) and collects its lines.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "calc/sweep_output.h"

namespace kelvane::test {

struct SweepCapture {
  std::vector<std::string> lines;
  // Called with each line as it arrives (on the calculation thread), before
  // it is stored; may call killBackgroundCalc.
  std::function<void(const std::string&)> onLine;

  SweepLineWriter writer() {
    return [this](const char* line) {
      if (onLine) onLine(line);
      lines.emplace_back(line);
    };
  }
};

// Starts `calculation` with startBackgroundCalc and waits for it to end.
// Returns startBackgroundCalc's result.
int runAsBackgroundCalc(std::function<void()> calculation);

// The lines of a table stored under tests/calc/expected/: the rows this
// program has always written for that grid.
std::vector<std::string> expectedTable(const std::string& name);

}  // namespace kelvane::test
