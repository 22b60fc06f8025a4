// The script line of a designed lens, as `kelvane-cli design` prints it and
// the Lens Maker copies it: "lens IVX IVY EVX EVY DEPTH SHAPE", each value
// the shortest text that reads back as the same double.
#pragma once

#include <string>

#include "optics/lens.h"

namespace kelvane {

std::string designedLensLine(const Lens& lens);

}  // namespace kelvane
