// Fuzz target: a script (an ".ops" file or a ".lens" snapshot, which is a
// script too) checked, then stepped on the headless host, as kelvane-cli,
// the windows' runner and the web page step it, until its end, a "stop", or
// one of the limits below.
//
// The steps run here, on the caller's thread, through the same stepper the
// runner's thread drives (the runner's threading has tests of its own, under
// ThreadSanitizer): no thread to start and no wake-ups per input, so the
// fuzzer runs thousands of inputs a second. Waits are not waited, and a
// "pause" resumes at once, as nobody can press the button here.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "script/headless_host.h"
#include "script/script_check.h"
#include "script/script_stepper.h"

namespace {

using namespace kelvane;

// Each executed line and each retrace costs; more find nothing new.
constexpr long long kMaxSteps = 600;
constexpr int kMaxRefreshes = 20;
// A step runs at most ScriptStepper::kLinesPerStep lines; this bounds the
// steps of a run that ends at a limit.
constexpr int kMaxNextCalls = kMaxSteps + kMaxRefreshes + 2;

// Says what broke and ends the process, so both libFuzzer and the replay
// report the input.
[[noreturn]] void broken(const char* what) {
  std::fprintf(stderr, "script target: %s\n", what);
  std::abort();
}

// The input as a script file read from its start; fmemopen wants a buffer
// even for an empty script.
ScriptFile open(const std::uint8_t* data, std::size_t size) {
  static char empty = 0;
  void* buffer = size ? const_cast<std::uint8_t*>(data) : static_cast<void*>(&empty);
  return ScriptFile(fmemopen(buffer, size, "r"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    ScriptFile file = open(data, size);
    for (const ScriptWarning& w : checkScript(file.get()))
      if (w.line < 1 || w.message.empty() || formatScriptWarning("fuzz.ops", w).empty())
        broken("a warning without a line or a text");
  }

  HeadlessHost host;
  host.onNote = [](const std::string& text) {
    if (text.empty()) broken("an empty note");
  };
  DirectScriptActions actions(host);
  ScriptStepper stepper(open(data, size), actions);
  stepper.setLineLimit(kMaxSteps);
  int steps = 0;
  for (;;) {
    if (host.refreshCount() >= kMaxRefreshes) stepper.stop();
    if (stepper.next().kind == ScriptWait::End) break;
    if (++steps > kMaxNextCalls) broken("a run that goes on past every limit");
  }
  if (!stepper.ended()) broken("a run that ended still holds its script");
  const int refreshes = host.refreshCount();
  if (stepper.next().kind != ScriptWait::End || host.refreshCount() != refreshes)
    broken("a step after the end");
  return 0;
}
