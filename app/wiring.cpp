#include "app/wiring.h"

#include "app/main_window.h"

namespace kelvane {

void wireSubsystems(MainWindow& window) {
  (void)window;
  // The lens view (201, 203, 205), scripts (200), the sweeps (301, 302),
  // the reports (310-315) and the trace windows (401, 402 and the timer)
  // are wired here as they arrive.
}

int pendingTraceBuffers() { return 0; }

}  // namespace kelvane
