// The script language's reader: lines, tokens, arguments and word lists.
//
// A script is read line by line, at most 399 characters a line (a longer
// line goes on as the next one, except a comment, which is one line however
// long it is). Tokens are runs of characters other than
// space, comma, tab and line feed, so "lens 1,2 3" and "lens 1 2,3" read
// alike. The first token is the keyword; a first token that begins with
// punctuation makes the line a comment. Keywords and words match without
// regard to ASCII case.
//
// The keywords, their arguments and the word lists are in script_grammar.h.
//
// Index: ScriptLine, scriptAtoi, scriptAtof, scriptCount, nextInt, nextReal, lookupWord,
// readLensSpec, ScriptLineRead, readScriptLine, scriptKeyword.
#pragma once

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "script/script_grammar.h"

namespace kelvane {

// Longest line the reader hands out; the rest of a longer line comes next.
inline constexpr int kScriptLineMax = 399;

// Token separators. A carriage return before the line feed belongs to the
// line end of a file written with CR LF, as a text-mode read would drop it.
inline constexpr std::string_view kScriptDelimiters = " ,\t\n\r";

// One line, handing out its tokens one after another.
class ScriptLine {
 public:
  explicit ScriptLine(std::string_view text) : m_rest(text) {}
  // The next token, or nothing when the line has no more.
  std::optional<std::string_view> nextToken();

 private:
  std::string_view m_rest;
};

// The leading decimal integer of a token with an optional sign, as C's atoi
// reads it: "12ab" gives 12, "ab" gives 0. Values beyond int saturate.
int scriptAtoi(std::string_view token);

// A count token's value when it starts with a digit; MISSING_INT otherwise
// (so a leading minus sign counts as missing, and so does no token).
int scriptCount(std::optional<std::string_view> token);

// The next token read as a count.
int nextInt(ScriptLine& line);

// The leading real number of a token, as C's atof reads it.
double scriptAtof(std::string_view token);

// The next token read as a real number (leading part, like atof); 0.0 when
// there is no token.
double nextReal(ScriptLine& line);

// 0-based index of the token in the list, compared without case; -1 for no
// token or a word not in the list.
int lookupWord(std::optional<std::string_view> token, WordList list);

bool equalsIgnoreCase(std::string_view a, std::string_view b);

// True for a first token that makes its line a comment: it begins with a
// printable ASCII character that is neither a letter, a digit nor a blank.
bool isCommentToken(std::string_view token);

// Five counts (ivx, ivy, evx, evy, depth) and a shape word.
struct LensSpec {
  std::array<double, 5> values{};  // a missing count becomes -2147483648.0
  int shape = 0;                   // an absent or unknown shape word gives 0
  // A count was absent or signed: such a line is no lens to show.
  bool hasMissingCount() const;
};
LensSpec readLensSpec(ScriptLine& line);
// The same from a lens's six tokens (five counts, the shape word).
using LensTokens = std::array<std::optional<std::string_view>, 6>;
LensSpec lensSpecOf(const LensTokens& tokens);

// How readScriptLine found a line.
struct ScriptLineRead {
  // The file's line goes on beyond kScriptLineMax characters; its rest is
  // read as the next line.
  bool split = false;
  // A NUL byte cut the line short: what followed it is not in `line`.
  bool heldNul = false;
};

// Reads the next line of at most kScriptLineMax characters into `line`
// (its line feed included when it fits). A comment longer than that is read
// to its end, so its tail never runs as a line of its own. False at the end
// of the file.
bool readScriptLine(std::FILE* file, std::string& line, ScriptLineRead* how = nullptr);

// The keyword number of a line, or -1 for a blank line, a comment or a first
// token that is no keyword. `line` is left just after the keyword.
int scriptKeyword(ScriptLine& line);

}  // namespace kelvane
