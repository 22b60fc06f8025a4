// Fuzz target: a script (an ".ops" file or a ".lens" snapshot, which is a
// script too) read, checked and run on the headless host, as kelvane-cli
// runs it, until its end, a "stop", or one of the limits below.
//
// Each input is one whole run on the runner's own thread, so it must stay
// short however the script loops: delays and sleeps are skipped, the run
// ends after kMaxSteps executed lines or kMaxRefreshes retraces, and a
// "pause" is resumed at once, as nobody can press the button here.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "script/headless_host.h"
#include "script/script_runner.h"

namespace {

using namespace kelvane;

constexpr long long kMaxSteps = 600;
constexpr int kMaxRefreshes = 60;

// Says what broke and ends the process, so both libFuzzer and the replay
// report the input.
[[noreturn]] void broken(const char* what) {
  std::fprintf(stderr, "script target: %s\n", what);
  std::abort();
}

// The headless host, with the input as the script the user "chooses".
class FuzzHost final : public HeadlessHost {
 public:
  FuzzHost(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

  ScriptFile chooseScript(std::string& path) override {
    path = "fuzz.ops";
    // An empty script is a valid file too; fmemopen wants some buffer.
    static char empty = 0;
    void* buffer = m_size ? const_cast<std::uint8_t*>(m_data) : static_cast<void*>(&empty);
    return ScriptFile(fmemopen(buffer, m_size, "r"));
  }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzHost host(data, size);
  {
    ScriptRunner runner(host);
    runner.setDelaysEnabled(false);
    runner.setMaxSteps(kMaxSteps);
    runner.setWarningSink([](const std::string& text) {
      if (text.empty()) broken("an empty warning");
    });
    // Runs on the runner's thread, inside the work it hands the host.
    host.onRefresh = [&runner](const HeadlessHost& h) {
      if (h.refreshCount() >= kMaxRefreshes) runner.stopScript();
    };
    host.onNote = [](const std::string& text) {
      if (text.empty()) broken("an empty note");
    };
    runner.toggleScript();
    for (;;) {
      runner.waitFor([](int state, bool busy) { return !busy || state == SCRIPT_PAUSED; });
      if (!runner.busy()) break;
      if (runner.scriptRunState() == SCRIPT_PAUSED) runner.toggleScript();
    }
    if (runner.scriptRunState() != SCRIPT_STOPPED) broken("a finished run is not stopped");
  }
  // A stopped run hands the host no more work.
  if (host.refreshCount() > kMaxRefreshes) broken("retraces after the run was stopped");
  if (host.buttonText() != kScriptButtonIdle) broken("the button does not read \"&Script\"");
  if (host.statusEnabled()) broken("the status line is still enabled");
  return 0;
}
