#include "calc/focus_thinning.h"

namespace kelvane {

int FocusThinning::bucket(double focus) {
  // Compare before converting: truncating a focus beyond the int range (or
  // NaN) to int is undefined. Inside the range this is exactly
  // (int)focus - 200 restricted to 0..199.
  if (!(focus >= kFirstFocus && focus < kFirstFocus + kBuckets)) return -1;
  return static_cast<int>(focus) - static_cast<int>(kFirstFocus);
}

bool FocusThinning::admit(double focus) {
  const int b = bucket(focus);
  if (b < 0) return true;
  if (m_rowsPrinted[b] > 9) {
    if (m_skipCounter[b] == 0) m_skipCounter[b] = m_rowsPrinted[b] / 2;
    m_skipCounter[b] -= 1;
    if (m_skipCounter[b] > 0) return false;
  }
  m_rowsPrinted[b] += 1;
  return true;
}

}  // namespace kelvane
