// The floating-point error test of the tracer: the sticky exception flags
// (invalid, denormal operand, division by zero, overflow, underflow; never
// inexact) tell whether a computation failed. The flags are per thread.
#pragma once

#include <cfenv>
#include <cmath>
#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#endif

namespace kelvane {

#if defined(__wasm__)
// WebAssembly has no floating-point exception flags. There a failure is
// seen where it shows: in the values fenced before each test, which an
// invalid operation leaves not a number and a division by zero or an
// overflow leaves infinite (both carry through to the fenced result).
// Underflows pass unseen. The page runs on one thread, so one flag serves.
inline constexpr bool kFpFlagsInHardware = false;

namespace fpdetail {
inline bool stickyError = false;
}

inline void fpFenceOne(double& value) {
  if (!std::isfinite(value)) fpdetail::stickyError = true;
}

template <typename... T>
inline void fpFence(T&... values) {
  (fpFenceOne(values), ...);
}

inline bool fpErrorRaised() { return fpdetail::stickyError; }
inline void fpClearFlags() { fpdetail::stickyError = false; }

inline bool fpErrorTest() {
  if (!fpErrorRaised()) return false;
  fpClearFlags();
  return true;
}
#else
inline constexpr bool kFpFlagsInHardware = true;

// Keeps the compiler from moving the computation of `values` past the flag
// test that follows: each value is materialised before the barrier, and the
// barrier is a full compiler fence.
inline void fpFenceOne(double& value) { asm volatile("" : "+m"(value)::"memory"); }

template <typename... T>
inline void fpFence(T&... values) {
  (fpFenceOne(values), ...);
  asm volatile("" ::: "memory");
}

#if defined(__x86_64__) || defined(__i386__)
// x87 status word and MXCSR share the low six flag bits; 0x20 is inexact.
inline constexpr unsigned kFpErrorBits = 0x1F;

inline bool fpErrorRaised() {
  unsigned short x87;
  asm volatile("fnstsw %0" : "=am"(x87)::"memory");
  return ((_mm_getcsr() | x87) & kFpErrorBits) != 0;
}

inline void fpClearFlags() {
  asm volatile("fnclex" ::: "memory");
  _mm_setcsr(_mm_getcsr() & ~0x3Fu);
}
#else
inline bool fpErrorRaised() { return std::fetestexcept(FE_ALL_EXCEPT & ~FE_INEXACT) != 0; }
inline void fpClearFlags() { std::feclearexcept(FE_ALL_EXCEPT); }
#endif

// True when an error flag is raised; then every flag is cleared. Otherwise
// nothing changes.
inline bool fpErrorTest() {
  asm volatile("" ::: "memory");
  if (!fpErrorRaised()) return false;
  fpClearFlags();
  return true;
}

#endif

}  // namespace kelvane
