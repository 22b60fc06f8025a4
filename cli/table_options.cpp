#include "cli/table_options.h"

#include "cli/typed_options.h"
#include "optics/lens.h"

namespace kelvane::cli {

namespace {

struct Axis {
  const char* name;
  const std::optional<RangeText>* range;
  const std::optional<double>* step;
  GridAxis TableGrid::*axis;
};

}  // namespace

void addTableGridOptions(CLI::App& cmd, TableGridArgs& args) {
  auto& given = args.gridGiven;
  given.push_back(addShape(cmd, "--shape", args.shape,
                           "lens shape: CVCV (default), CVCC, CCCV or CCCC (any case) or 0-3"));
  given.push_back(
      addNumber(cmd, "--rindex", args.rindex, kPositiveNumber, "refractive index (default 1.5)"));
  addColourOptions(cmd, args.colour, given.back());
  for (CLI::Option* option : args.colour.options) given.push_back(option);
  given.push_back(addRange(cmd, "--ivx", args.ivx, "ingress X semi-axes A:B (default 150:350)"));
  given.push_back(addRange(cmd, "--ivy", args.ivy,
                           "ingress Y semi-axes A:B, each up to ivx (default 150:350)"));
  given.push_back(addRange(cmd, "--evx", args.evx, "egress X semi-axes A:B (default 150:350)"));
  given.push_back(addRange(cmd, "--evy", args.evy,
                           "egress Y semi-axes A:B, each from max(ivy, evx) (default 150:350)"));
  given.push_back(addRange(cmd, "--depth", args.depth, "centre depths A:B or A (default 30:180)"));
  given.push_back(addNumber(cmd, "--step", args.step, kPositiveNumber,
                            "step of every axis (default 1); A:B:S sets one axis"));
  for (auto [name, step] : {std::pair{"--step-ivx", &args.stepIvx},
                            {"--step-ivy", &args.stepIvy},
                            {"--step-evx", &args.stepEvx},
                            {"--step-evy", &args.stepEvy},
                            {"--step-depth", &args.stepDepth}})
    given.push_back(addNumber(cmd, name, *step, kPositiveNumber, "step of that axis"));
  given.push_back(addNumber(cmd, "--dev-limit", args.devLimit, kPositiveNumber,
                            "a lens is good below this deviation in percent (default 0.01)"));
  cmd.add_flag("--estimate", args.estimate,
               "print the size of the grid and the expected time, then stop");
}

TableGridArgs withColourIndex(const CLI::App& cmd, const TableGridArgs& args) {
  const ColourState colour = readColour(cmd, args.colour);
  if (colour.white)
    throw BadArgument("kelvane-cli " + cmd.get_name() +
                      ": a table traces one index, so it takes one --wavelength, not --white");
  TableGridArgs out = args;
  out.rindex = colourRindex(colour, args.rindex, colour.wavelength);
  return out;
}

std::optional<std::string> readTableGrid(const TableGridArgs& args, FocusTableOptions& options) {
  TableGrid grid;
  grid.shape = args.shape;
  const Axis axes[] = {{"ivx", &args.ivx, &args.stepIvx, &TableGrid::ivx},
                       {"ivy", &args.ivy, &args.stepIvy, &TableGrid::ivy},
                       {"evx", &args.evx, &args.stepEvx, &TableGrid::evx},
                       {"evy", &args.evy, &args.stepEvy, &TableGrid::evy},
                       {"depth", &args.depth, &args.stepDepth, &TableGrid::depth}};
  for (const Axis& a : axes) {
    GridAxis& axis = grid.*a.axis;
    const bool inlineStep = *a.range && (*a.range)->step;
    if (*a.range) {
      axis.first = (*a.range)->first;
      axis.last = (*a.range)->last;
      if (inlineStep) axis.step = *(*a.range)->step;
    }
    if (*a.step) {
      if (inlineStep)
        return std::string("--step-") + a.name + " and the step of --" + a.name +
               " A:B:S set the same step: give it once";
      axis.step = **a.step;
    } else if (args.step && !inlineStep) {
      axis.step = *args.step;
    }
  }
  if (args.devLimit) grid.devLimit = *args.devLimit;
  if (std::optional<std::string> problem = gridProblem(grid)) return problem;
  options.grid = grid;
  options.indexRatio = ratioFromRindex(args.rindex);
  for (const CLI::Option* option : args.gridGiven)
    if (option->count() > 0) options.comment = gridCommentLine(grid, args.rindex);
  return std::nullopt;
}

}  // namespace kelvane::cli
