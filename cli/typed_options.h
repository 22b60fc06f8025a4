// The typed options and arguments every command shares. Each reads its text
// with number_argument.h as soon as the command line is parsed and refuses
// it with one line that names the option and the text, such as
//   kelvane-cli focus: --fill must be a percentage from 1 to 99, not "0x10"
// which runCommandLine prints before it exits with the usage code (2).
#pragma once

#include <CLI/CLI.hpp>
#include <limits>
#include <optional>
#include <string>

#include "cli/number_argument.h"
#include "optics/lens.h"

namespace kelvane::cli {

// A value the command cannot take; what() is the whole message line.
class BadArgument : public CLI::ParseError {
 public:
  explicit BadArgument(const std::string& line)
      : CLI::ParseError("BadArgument", line, CLI::ExitCodes::ValidationError) {}
};

// The values a number may take, and how the message words them.
struct NumberRule {
  double least = -std::numeric_limits<double>::max();
  double most = std::numeric_limits<double>::max();
  bool leastIncluded = true;
  const char* wording = "a finite number";

  bool admits(double v) const { return (leastIncluded ? v >= least : v > least) && v <= most; }
};

inline constexpr NumberRule kPositiveNumber{0, std::numeric_limits<double>::max(), false,
                                            "a finite number greater than 0"};
inline constexpr NumberRule kNonNegativeNumber{0, std::numeric_limits<double>::max(), true,
                                               "a finite number of 0 or more"};
inline constexpr NumberRule kFillPercent{1, 99, true, "a percentage from 1 to 99"};
// A locked beam width: no wider than the widest layout of the dialog.
inline constexpr NumberRule kLockedWidth{1, kInitialCurrentSettings.maxWidth, true,
                                         "a number from 1 to 500"};

// Whole numbers from `least` to `most`.
struct WholeRule {
  long long least = 0;
  long long most = std::numeric_limits<long long>::max();
  const char* wording = "a whole number of 0 or more";
};

// `name` is an option ("--fill") or a positional argument ("IVX"); the
// target keeps its value when the option is not given.
CLI::Option* addNumber(CLI::App& cmd, const std::string& name, double& value,
                       const NumberRule& rule, const std::string& help);
CLI::Option* addNumber(CLI::App& cmd, const std::string& name, std::optional<double>& value,
                       const NumberRule& rule, const std::string& help);
// --width W (a locked beam width) and --fill P (percent of the rim height),
// as the Lens Control's width controls take them.
void addBeamWidthOptions(CLI::App& cmd, std::optional<double>& width,
                         std::optional<double>& fill);
CLI::Option* addWhole(CLI::App& cmd, const std::string& name, long long& value,
                      const WholeRule& rule, const std::string& help);
CLI::Option* addWhole(CLI::App& cmd, const std::string& name, int& value, const WholeRule& rule,
                      const std::string& help);
// CVCV, CVCC, CCCV, CCCC (any case) or 0-3.
CLI::Option* addShape(CLI::App& cmd, const std::string& name, int& shape, const std::string& help);
// A, A:B or A:B:S.
CLI::Option* addRange(CLI::App& cmd, const std::string& name, std::optional<RangeText>& range,
                      const std::string& help);
// WxH in pixels.
CLI::Option* addPixelSize(CLI::App& cmd, const std::string& name, PixelSize& size,
                          const std::string& help);

// Reads a number; throws BadArgument when `text` is not one within the rule.
double readNumber(const CLI::App& cmd, const std::string& name, const NumberRule& rule,
                  const std::string& text);
// Reads a whole number; throws BadArgument when `text` is not one within the rule.
long long readWhole(const CLI::App& cmd, const std::string& name, const WholeRule& rule,
                    const std::string& text);

// The message line for a refused text: "kelvane-cli CMD: NAME must be RULE, not "TEXT"".
std::string refusal(const CLI::App& cmd, const std::string& name, const std::string& rule,
                    const std::string& text);

}  // namespace kelvane::cli
