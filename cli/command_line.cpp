#include "cli/command_line.h"

#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/output.h"
#include "cli/typed_options.h"

#ifndef KELVANE_VERSION
#error "the build passes the program's version as KELVANE_VERSION"
#endif

namespace kelvane::cli {

int runCommandLine(CLI::App& app, int argc, char** argv, const int& commandExitCode) {
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("kelvane-cli ") + KELVANE_VERSION,
                       "print the version and exit");
  app.footer("kelvane-cli help COMMAND explains a command, its arguments and its output.\n");
  Output& out = Output::standardOutput();
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out.write(app.help().c_str());
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    out.write(app.help("", CLI::AppFormatMode::All).c_str());
    return 0;
  } catch (const CLI::CallForVersion& e) {
    out.print("%s\n", e.what());
    return 0;
  } catch (const BadArgument& e) {
    if (leadRank()) std::fprintf(stderr, "%s\n", e.what());
    return kUsageError;
  } catch (const CLI::ParseError& e) {
    std::fprintf(stderr,
                 "kelvane-cli: %s\nusage: kelvane-cli COMMAND ...; kelvane-cli help [COMMAND] "
                 "explains them\n",
                 e.what());
    return kUsageError;
  }
  return commandExitCode;
}

}  // namespace kelvane::cli
