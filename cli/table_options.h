// The grid options of `kelvane-cli table`: shape, index, the five axes,
// their steps and the deviation limit, read into the grid to sweep.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "calc/focus_table.h"
#include "cli/colour_options.h"
#include "cli/number_argument.h"

namespace kelvane::cli {

struct TableGridArgs {
  int shape = 0;
  double rindex = 1.5;
  std::optional<RangeText> ivx, ivy, evx, evy, depth;
  std::optional<double> step;  // for every axis without a step of its own
  std::optional<double> stepIvx, stepIvy, stepEvx, stepEvy, stepDepth;
  std::optional<double> devLimit;
  ColourArgs colour;  // --glass, --medium, --wavelength: the one index traced
  bool estimate = false;                // print the estimate line only
  std::vector<CLI::Option*> gridGiven;  // the options that make a grid other than the default
};

void addTableGridOptions(CLI::App& cmd, TableGridArgs& args);

// The arguments with the colour options read into the one index the table
// traces (so `--glass N-BK7` is `--rindex` of N-BK7's index at d, exactly).
// Throws BadArgument for a colour that cannot be traced, and for white
// light: a table row is a lens of one index.
TableGridArgs withColourIndex(const CLI::App& cmd, const TableGridArgs& args);

// Fills the grid, the index ratio and the comment line of `options` (a
// comment only when a grid option was given). Returns the message that
// refuses the grid, or nothing.
std::optional<std::string> readTableGrid(const TableGridArgs& args, FocusTableOptions& options);

}  // namespace kelvane::cli
