// --source TEXT of the drawing and script commands: "parallel", "point,D"
// or "object,D,H", as the script's source line and the page's link give it.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>

#include "optics/light_source.h"

namespace kelvane::cli {

CLI::Option* addSourceOption(CLI::App& cmd, std::optional<LightSource>& source);

}  // namespace kelvane::cli
