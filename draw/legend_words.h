// The words that name the marks of the lens picture, shared by the lens
// view's legend and the Aberration window so both say the same thing.
#pragma once

#include <array>
#include <string_view>

namespace kelvane::draw {

inline constexpr char kNearestCrossingWords[] = "nearest crossing";
inline constexpr char kFarthestCrossingWords[] = "farthest crossing";
inline constexpr char kMeanFocusWords[] = "mean focus";

// Every key row made of words alone, and the zoom note's pattern. The
// picture offers exactly these to its word lookup (PictureStyle::words); a
// program that translates them keeps a table of the same words, checked
// against this list.
inline constexpr char kTrueScaleNote[] = "%1 \u00D7 true scale";  // %1: the zoom

inline constexpr std::array<std::string_view, 22> kLegendWords{
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
};

}  // namespace kelvane::draw
