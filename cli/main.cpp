// kelvane-cli: the optics, the sweeps, the reports and the script runner
// without a display, for terminals, handouts and reproducible numbers.
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Kelvane from the command line: lens focus, reports, sweeps and scripts.",
               "kelvane-cli"};
  app.require_subcommand(1);
  int exitCode = 0;
  kelvane::cli::addFocusCommand(app, exitCode);
  kelvane::cli::addReportCommand(app, exitCode);
  kelvane::cli::addTableCommand(app, exitCode);
  kelvane::cli::addMatrixCommand(app, exitCode);
  kelvane::cli::addScriptCommand(app, exitCode);
#ifdef KELVANE_CLI_DRAW
  kelvane::cli::addDrawCommand(app, exitCode);
#endif
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "kelvane-cli: " << e.what() << "\n"
              << "usage: kelvane-cli <command> ...; kelvane-cli --help lists the commands\n";
    return kelvane::cli::kUsageError;
  }
  return exitCode;
}
