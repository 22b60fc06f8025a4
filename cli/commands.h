// The subcommands of kelvane-cli; each adds itself to the application and
// runs when chosen. A command's result is the process exit code.
#pragma once

#include <CLI/CLI.hpp>

namespace kelvane::cli {

// Exit code for bad arguments.
inline constexpr int kUsageError = 2;

// False in the ranks of an MPI run other than rank 0, which write nothing:
// a message would be repeated once per rank.
bool leadRank();

// `focus IVX IVY EVX EVY DEPTH SHAPE [--rindex R] [--width W | --fill P] [--raw] [--multi]`
void addFocusCommand(CLI::App& app, int& exitCode);

// `image IVX IVY EVX EVY DEPTH SHAPE [--object D] [--height H] [--rindex R] [--width W | --fill P] [--raw]`
void addImageCommand(CLI::App& app, int& exitCode);

// `design --focus F [--shape S] [--rindex R] [--width W | --fill P] [--ivx A:B] ... [--raw]`
void addDesignCommand(CLI::App& app, int& exitCode);

// `glasses`: the glass catalogue
void addGlassesCommand(CLI::App& app, int& exitCode);
// `report basic|normal|face|slope|deflection|formulas|ellipse`
void addReportCommand(CLI::App& app, int& exitCode);

// `table [grid options] [--estimate] [-o FILE] [--threads N] [-q]`, under mpirun too
void addTableCommand(CLI::App& app, int& exitCode);

// `matrix [-o FILE] [--rindex R] [-q]`
void addMatrixCommand(CLI::App& app, int& exitCode);

// `script FILE [--no-delay] [--max-refreshes N]`
void addScriptCommand(CLI::App& app, int& exitCode);

// `draw IVX IVY EVX EVY DEPTH SHAPE [options] -o FILE.svg|png|pdf` (only in
// builds with Qt)
void addDrawCommand(CLI::App& app, int& exitCode);

// `help [COMMAND]`: the help of the program or of one command. Add it last.
void addHelpCommand(CLI::App& app, int& exitCode);

}  // namespace kelvane::cli
