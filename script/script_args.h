// A line's arguments read by the keyword table (script_grammar.h): what the
// stepper runs and what the checker looks at are one reading.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "script/script_grammar.h"
#include "script/script_reader.h"

namespace kelvane {

struct ScriptArg {
  // The tokens read: one, or a lens's six (five counts, the shape word).
  LensTokens tokens{};
  int integer = 0;    // Integer, Count: the value; Word: the word's index, -1 for none
  double real = 0.0;  // Real: the value, 0 without a token
  LensSpec lens;      // Lens
  std::string text;   // Text: the tokens from this one on, joined by spaces

  bool present() const { return tokens[0].has_value(); }
};

struct ScriptArgs {
  const KeywordForm* form = nullptr;  // the keyword's, or its sub-command's
  int sub = -1;                       // the sub-command's number, -1 for none
  bool complete = true;               // no Required argument is missing
  std::array<ScriptArg, kMaxArgs> args{};

  const ScriptArg& operator[](int i) const { return args[i]; }
};

// Reads the arguments of `keyword` (a ScriptKeyword) from the rest of `line`.
// The tokens point into the line's text.
ScriptArgs readArguments(int keyword, ScriptLine& line);

}  // namespace kelvane
