#include "calc/fp_state.h"

#include <cfenv>

#include "optics/fpflags.h"

namespace kelvane {

#if defined(__x86_64__) || defined(__i386__)

// The same bits the tracer's error test reads: the x87 status word and MXCSR
// share the low flag bits, inexact (0x20) left out.
unsigned fpErrorFlags() {
  asm volatile("" ::: "memory");
  unsigned short x87;
  asm volatile("fnstsw %0" : "=am"(x87)::"memory");
  return (_mm_getcsr() | x87) & kFpErrorBits;
}

void setFpErrorFlags(unsigned bits) {
  asm volatile("fnclex" ::: "memory");
  _mm_setcsr((_mm_getcsr() & ~0x3Fu) | (bits & kFpErrorBits));
  asm volatile("" ::: "memory");
}

#else

unsigned fpErrorFlags() {
  return static_cast<unsigned>(std::fetestexcept(FE_ALL_EXCEPT & ~FE_INEXACT));
}

void setFpErrorFlags(unsigned bits) {
  std::feclearexcept(FE_ALL_EXCEPT);
  if (bits != 0) std::feraiseexcept(static_cast<int>(bits));
}

#endif

}  // namespace kelvane
