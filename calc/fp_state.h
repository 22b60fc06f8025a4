// The tracer's floating-point error flags as a plain value, so that a sweep
// split across threads can hand the sticky flags that one stretch of lenses
// leaves behind to the stretch that follows it. The flags are per thread.
#pragma once

namespace kelvane {

// The error flags (everything but inexact) now raised on this thread, as
// bits; 0 when none is.
unsigned fpErrorFlags();

// Clears every exception flag of this thread, then raises exactly `bits`
// (a value from fpErrorFlags), without trapping.
void setFpErrorFlags(unsigned bits);

}  // namespace kelvane
