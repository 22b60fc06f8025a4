// `kelvane-cli help [COMMAND]`: the program's help, or one command's with
// its arguments and output.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/output.h"

namespace kelvane::cli {

void addHelpCommand(CLI::App& app, int& exitCode) {
  auto name = std::make_shared<std::string>();
  CLI::App* cmd =
      app.add_subcommand("help", "Explain kelvane-cli, or one of its commands with its output.");
  cmd->add_option("COMMAND", *name, "the command to explain");
  cmd->callback([&app, name, &exitCode] {
    if (name->empty()) {
      Output::standardOutput().write(
          app.get_formatter()->make_help(&app, app.get_name(), CLI::AppFormatMode::Normal).c_str());
      exitCode = 0;
      return;
    }
    const auto found =
        app.get_subcommands([&](const CLI::App* sub) { return sub->get_name() == *name; });
    if (found.empty()) {
      std::fprintf(stderr,
                   "kelvane-cli help: there is no command \"%s\"; kelvane-cli help lists them\n",
                   name->c_str());
      exitCode = kUsageError;
      return;
    }
    Output::standardOutput().write(found.front()->help(app.get_name()).c_str());
    exitCode = 0;
  });
}

}  // namespace kelvane::cli
