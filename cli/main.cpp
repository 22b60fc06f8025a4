// kelvane-cli: the optics, the sweeps, the reports and the script runner
// without a display, for terminals, handouts and reproducible numbers.
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/output.h"

int main(int argc, char** argv) {
  CLI::App app{"Kelvane from the command line: lens focus, reports, sweeps and scripts.",
               "kelvane-cli"};
  int exitCode = 0;
  kelvane::cli::addFocusCommand(app, exitCode);
  kelvane::cli::addDesignCommand(app, exitCode);
  kelvane::cli::addImageCommand(app, exitCode);
  kelvane::cli::addGlassesCommand(app, exitCode);
  kelvane::cli::addReportCommand(app, exitCode);
  kelvane::cli::addTableCommand(app, exitCode);
  kelvane::cli::addMatrixCommand(app, exitCode);
  kelvane::cli::addScriptCommand(app, exitCode);
#ifdef KELVANE_CLI_DRAW
  kelvane::cli::addDrawCommand(app, exitCode);
#endif
  kelvane::cli::addHelpCommand(app, exitCode);
  exitCode = kelvane::cli::runCommandLine(app, argc, argv, exitCode);
  return kelvane::cli::finishStandardOutput(exitCode);
}
