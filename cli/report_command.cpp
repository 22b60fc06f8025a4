// `kelvane-cli report NAME`: one of the Calc menu's reports, its lines
// exactly as the program sends them through dbgPrint.
#include <cstdio>
#include <map>
#include <string>

#include "cli/commands.h"
#include "cli/output.h"
#include "cli/trace_stdout.h"
#include "optics/ellipse_intersect.h"
#include "optics/reports.h"

namespace kelvane::cli {

namespace {

using Report = void (*)();

const std::map<std::string, Report>& reports() {
  static const std::map<std::string, Report> table = {
      {"basic", reportBasicInfo},
      {"normal", reportNormalRefractTable},
      {"face", reportFaceRefractTable},
      {"slope", reportSlopeRefractTable},
      {"deflection", reportDeflectionTable},
      {"formulas", testRefractFormulas},
      {"ellipse", testEllipseIntersect},
  };
  return table;
}

}  // namespace

void addReportCommand(CLI::App& app, int& exitCode) {
  auto name = std::make_shared<std::string>();
  CLI::App* cmd = app.add_subcommand("report", "Print one of the refraction reports or tests.");
  std::vector<std::string> names;
  for (const auto& entry : reports()) names.push_back(entry.first);
  cmd->add_option("NAME", *name, "basic, normal, face, slope, deflection, formulas or ellipse")
      ->required()
      ->check(CLI::IsMember(names));
  cmd->callback([name, &exitCode] {
    {
      TraceToStdout toStdout;
      reports().at (*name)();
    }
    exitCode = Output::standardOutput().finish();
  });
}

}  // namespace kelvane::cli
