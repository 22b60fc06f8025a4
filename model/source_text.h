// A light source as one word of text, as the command line's --source and
// the page's link give it: "parallel", "point,D" or "object,D,H" (D the
// distance before the ingress vertex, H the arrow's height). C locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "optics/light_source.h"

namespace kelvane {

// How a message words what is accepted.
inline constexpr const char* kSourceTextForms =
    "parallel, point,D or object,D,H (D from 1 to 100000, H above 0 and up to 10000)";

// Whether the distance (and an arrow's height) are within the limits every
// surface holds.
bool sourceInRange(const LightSource& source);

// The source, or nothing when the text is none of the forms or out of range.
std::optional<LightSource> parseSourceText(std::string_view text);

// The text parseSourceText reads back (six significant digits).
std::string sourceText(const LightSource& source);

}  // namespace kelvane
