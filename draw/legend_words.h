// The words that name the marks of the lens picture, shared by the lens
// view's legend and the Aberration window so both say the same thing.
#pragma once

namespace kelvane::draw {

inline constexpr char kNearestCrossingWords[] = "nearest crossing";
inline constexpr char kFarthestCrossingWords[] = "farthest crossing";
inline constexpr char kMeanFocusWords[] = "mean focus";

}  // namespace kelvane::draw
