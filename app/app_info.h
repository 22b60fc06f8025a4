// The program's version and build stamp, the demo trace messages and the
// exit report. Qt-free.
#pragma once

#include <string>

namespace kelvane {

inline constexpr const char* kProgramVersion = "313";
inline constexpr const char* kProgramName = "Kelvane";
inline constexpr const char* kAboutTitle = "KELVANE";
inline constexpr const char* kHelpDocument = "kelvane.html";
inline constexpr const char* kDefaultScriptName = "script.ops";

// The build's time stamp in the 24-character form "Mon Dec  7 05:06:24 2026".
std::string buildTimeStamp();
// The same form for a compiler's __DATE__ ("Dec  7 2026") and __TIME__
// ("05:06:24"); the weekday is worked out from the date.
std::string formatBuildStamp(const char* date, const char* time);

// "demo trace messages": ten lines "Trace message %d by dbgPrint" per use,
// numbered on from the last use, back to 0 after 99.
class DemoTrace {
 public:
  void run();
  int counter() const { return m_counter; }

 private:
  int m_counter = 0;  // number of the next message
};

// Shows "Lens trace buffer allocation count %d" (error icon, task-modal)
// when lens trace buffers were never released. Returns whether it did.
bool exitReport(int traceAllocCount);

}  // namespace kelvane
