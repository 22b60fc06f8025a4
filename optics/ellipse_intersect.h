// Intersection of two axis-aligned ellipses whose centres share one
// coordinate: the beam layout finds the lens rim with it.
#pragma once

#include <atomic>
#include <cstdint>

#include "optics/lens.h"

namespace kelvane {

// Diagnostic options, all clear by default (see ellipseIntersect):
// 0x01 entry line, 0x02 refusals, 0x04 roots, 0x08 coordinates,
// 0x10 verify lines (with 0x20), 0x20 the closing listing.
inline std::atomic<std::uint8_t> ellipseTraceOptions{0};

// 2 when b lies below a (beyond 1e-06), 1 when within 1e-06 of it, 0 above.
int compareTol(double a, double b);

// Writes up to four crossing points of e1 and e2 into out (room for four) and
// returns their number, or -1 for the same ellipse twice or centres that
// share neither coordinate.
int ellipseIntersect(const Ellipse& e1, TracePoint out[4], const Ellipse& e2);

// "test &Ellipse intersect": runs the built-in table of eleven cases,
// printing each case's name (and whatever the options enable).
void testEllipseIntersect();

}  // namespace kelvane
