// Numbers typed on the command line, read whole and refused unless finite:
// "nan", "inf" and "1e400" (which overflows) never reach the optics.
#pragma once

#include <string>

namespace kelvane::cli {

// Reads all of `text` as one decimal number. False for an empty text, text
// after the number, or a value that is not finite.
bool parseFiniteNumber(const std::string& text, double& value);

// A lens shape: "CVCV".."CCCC" (any case) or 0..3; -1 when it is neither.
int parseShape(const std::string& text);

}  // namespace kelvane::cli
