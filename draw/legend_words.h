// The words that name the marks of the lens picture, shared by the lens
// view's legend and the Aberration window so both say the same thing.
#pragma once

#include <array>
#include <string_view>

namespace kelvane::draw {

inline constexpr char kNearestCrossingWords[] = "nearest crossing";
inline constexpr char kFarthestCrossingWords[] = "farthest crossing";
inline constexpr char kMeanFocusWords[] = "mean focus";

// Every key row made of words alone, the zoom note's and the read-out's
// patterns and words. The
// picture offers exactly these to its word lookup (PictureStyle::words); a
// program that translates them keeps a table of the same words, checked
// against this list.
inline constexpr char kTrueScaleNote[] = "%1 \u00D7 true scale";  // %1: the zoom

// The read-out lines of the lens equation; %1.. take the numbers.
inline constexpr char kAfocalReadout[] = "f = -- (afocal lens)";
inline constexpr char kFocusReadout[] = "f = %1   paraxial focus %2";
inline constexpr char kFocusOffsetReadout[] = "traced - paraxial focus %1";
inline constexpr char kDistanceReadout[] = "s = %1   s' = %2 traced, %3 paraxial";
inline constexpr char kInfiniteWord[] = "infinite";
inline constexpr char kMagnificationReadout[] = "m = %1 traced, %2 paraxial";
inline constexpr char kBlurReadout[] = "blur %1";
inline constexpr char kVirtualImageWords[] = "virtual image";
inline constexpr char kRealImageWords[] = "real image";
inline constexpr char kNoImageWords[] = "no image";

// Key rows with numbers; %1.. take them.
inline constexpr char kFanRow[] = "%1\u00B0 fan: %2 beams";
inline constexpr char kFanRowOne[] = "%1\u00B0 fan: %2 beam";
inline constexpr char kAllFansRow[] = "fans at %1, %2, %3, %4 and %5\u00B0";
inline constexpr char kFansAtWavelength[] = "fans at %1";  // %1: "486.1 nm (F)"
inline constexpr char kBeamsAtWavelength[] = "beams through the lens at %1";

// The caption's words; %1 focus, %2 width, %3 dev, %4 dev %.
inline constexpr char kCaptionFocus[] = "focus %1   width %2   dev %3 (%4%)";
inline constexpr char kCaptionNoFocus[] = "focus --   width %1   dev -- (--%)";
inline constexpr char kOneInch[] = "%1 inch";  // the scale bar: one inch

inline constexpr std::array<std::string_view, 40> kLegendWords{
    "beams through the lens",
    "rays bent by the ingress face alone",
    "far focus of the ingress ellipse",
    "centre depth",
    "paraxial focus (lens equation)",
    "white light before the lens",
    "object",
    "point source",
    "rays from the object's foot",
    "rays from the point",
    "rays from the object's tip",
    "virtual image (traced)",
    "real image (traced)",
    "paraxial image (diamond)",
    "glass",
    "axis",
    "dotted upright: the ingress vertex",
    "below the axis: the upper half mirrored",
    "mean focus",
    "V: nearest crossing to farthest crossing",
    "V: nearest crossing to farthest crossing (green)",
    kTrueScaleNote,
    kAfocalReadout,
    kFocusReadout,
    kFocusOffsetReadout,
    kDistanceReadout,
    kInfiniteWord,
    kMagnificationReadout,
    kBlurReadout,
    kVirtualImageWords,
    kRealImageWords,
    kNoImageWords,
    kFanRow,
    kFanRowOne,
    kAllFansRow,
    kFansAtWavelength,
    kBeamsAtWavelength,
    kCaptionFocus,
    kCaptionNoFocus,
    kOneInch,
};

}  // namespace kelvane::draw
