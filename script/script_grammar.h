// The script language's keywords and the arguments each one reads, as one
// table. The runner's stepper reads a line's arguments by it and the checker
// warns by it, so the two cannot drift apart: a new keyword is a row here
// (and a number in ScriptKeyword) plus what the stepper does with it.
//
// Index: the word lists, ArgKind, ArgNeed, ArgForm and its makers,
// KeywordForm, kWidthForms, kScriptGrammar, kScriptKeywords, kWidthWords.
#pragma once

#include <array>
#include <climits>
#include <span>
#include <string_view>

namespace kelvane {

using WordList = std::span<const std::string_view>;

// What a count yields when its token is absent or does not start with a digit.
inline constexpr int MISSING_INT = INT_MIN;

// "trace" arguments: the beam modes 0 (single-beam) and 1 (multi-beam).
inline constexpr std::array<std::string_view, 2> kBeamModeWords = {"beam", "multibeam"};

// "window" anchors: 0..3 inside the lens view, 4..7 inside the work area;
// anchor mod 4 is the corner (left-top, right-top, left-bottom, right-bottom).
inline constexpr std::array<std::string_view, 8> kAnchorWords = {
    "INLT", "INRT", "INLB", "INRB", "OUTLT", "OUTRT", "OUTLB", "OUTRB"};
inline constexpr int kAnchorsInView = 4;

// Shape words, indexed by the lens shape code.
inline constexpr std::array<std::string_view, 4> kShapeWords = {"CVCV", "CVCC", "CCCV", "CCCC"};

// The five counts of a lens, in the order a line gives them.
inline constexpr std::array<std::string_view, 5> kLensValueNames = {"ivx", "ivy", "evx", "evy",
                                                                    "depth"};

// Ends a skipped block; not a keyword of its own.
inline constexpr std::string_view kEndSkipWord = "endskip";

enum class ArgKind {
  None,     // no argument: the end of a keyword's list
  Integer,  // read as C's atoi reads it: "12ab" is 12, "ab" is 0
  Count,    // a token that starts with a digit; any other is no count
  Real,     // a number greater than 0, read as C's atof reads it
  Word,     // one of a list of words, without regard to case
  Lens,     // five counts (ivx, ivy, evx, evy, depth) and a shape word
  Text,     // the rest of the line, its tokens joined by single spaces
};

enum class ArgNeed {
  Optional,  // may be left out, without a word about it
  Told,      // may be left out, and the checker says so
  Required,  // without it the runner passes the line over
};

struct ArgForm {
  ArgKind kind = ArgKind::None;
  ArgNeed need = ArgNeed::Optional;
  std::string_view name = {};  // as warnings name it; a lens's: "" or what the lens is ("start")
  // What the runner does with a bad value, as a warning ends; empty when it
  // passes the line over. A lens's: what a number read as its shape word
  // takes from the values after it (empty: nothing that matters).
  std::string_view then = {};
  int missing = 0;      // Integer and Count: the value without a number
  WordList words = {};  // Word: the words it takes
};

constexpr ArgForm integerArg(std::string_view name, int missing = 0,
                             ArgNeed need = ArgNeed::Optional) {
  return {ArgKind::Integer, need, name, {}, missing};
}
constexpr ArgForm countArg(std::string_view name, ArgNeed need, std::string_view then,
                           int missing = MISSING_INT) {
  return {ArgKind::Count, need, name, then, missing};
}
constexpr ArgForm realArg(std::string_view name, std::string_view then) {
  return {ArgKind::Real, ArgNeed::Told, name, then};
}
constexpr ArgForm wordArg(std::string_view name, WordList words, ArgNeed need,
                          std::string_view then) {
  return {ArgKind::Word, need, name, then, -1, words};
}
constexpr ArgForm lensArg(std::string_view name, std::string_view then) {
  return {ArgKind::Lens, ArgNeed::Told, name, then};
}

inline constexpr int kMaxArgs = 7;

struct KeywordForm {
  std::string_view word;
  std::array<ArgForm, kMaxArgs> args{};
  std::string_view needs = {};  // the warning for a line without a Required argument
  // Sub-commands chosen by the first argument's word; a first argument that
  // is none of them is read as the keyword's own arguments.
  std::span<const KeywordForm> subs = {};

  constexpr int argCount() const {
    int n = 0;
    while (n < kMaxArgs && args[n].kind != ArgKind::None) ++n;
    return n;
  }
};

// As the runner has it: a loop without a count runs this many passes.
inline constexpr int kDefaultLoopPasses = 9999;
// A fade without a step count takes this many steps.
inline constexpr int kDefaultFadeSteps = 10;

// "width" sub-commands, in the order their numbers give.
inline constexpr std::array<KeywordForm, 4> kWidthForms = {{
    {"fade",
     {integerArg("start", 0, ArgNeed::Required), integerArg("end", 0, ArgNeed::Required),
      integerArg("steps", 0, ArgNeed::Required)},
     "needs start, end and steps"},
    {"lock"},
    {"unlock"},
    {"percent", {integerArg("percentage", 0, ArgNeed::Required)}, "needs a percentage"},
}};
enum WidthWord : int { WIDTH_FADE = 0, WIDTH_LOCK, WIDTH_UNLOCK, WIDTH_PERCENT };

// "source" sub-commands: parallel light, a point D before the ingress
// vertex, an arrow of height H at D.
inline constexpr std::array<std::string_view, 3> kSourceWords = {"parallel", "point", "object"};
inline constexpr ArgForm kSourceDistanceArg{ArgKind::Real, ArgNeed::Required, "distance"};
inline constexpr std::array<KeywordForm, 3> kSourceForms = {{
    {"parallel"},
    {"point", {kSourceDistanceArg}, "needs a distance"},
    {"object", {kSourceDistanceArg, ArgForm{ArgKind::Real, ArgNeed::Required, "height"}},
     "needs a distance and a height"},
}};

// "medium" words: the lens in air or in water.
inline constexpr std::array<std::string_view, 2> kMediumWords = {"air", "water"};
// "wavelength" sub-command: white light instead of one wavelength in nm.
inline constexpr std::array<KeywordForm, 1> kWavelengthForms = {{{"white"}}};
// "glass custom": back to the lens's own index (the "rindex" one).
inline constexpr std::string_view kCustomGlassWord = "custom";

// The keywords, in the order their numbers (ScriptKeyword) give. "glass",
// "medium" and "wavelength" set the colour as "rindex" sets the index: the
// next line that shows the lens shows it.
inline constexpr std::array<KeywordForm, 19> kScriptGrammar = {{
    {"window",
     {integerArg("x", -1, ArgNeed::Required), integerArg("y", -1, ArgNeed::Required),
      integerArg("w", -1, ArgNeed::Required), integerArg("h", -1, ArgNeed::Required),
      wordArg("anchor", kAnchorWords, ArgNeed::Optional, " (the dialog stays)"),
      integerArg("dx", -1), integerArg("dy", -1)},
     "needs x, y, w and h"},
    {"canvass",
     {countArg("Xmax", ArgNeed::Told, " (Xmax stays)"),
      countArg("Ymax", ArgNeed::Told, " (Ymax stays)")}},
    {"stop"},
    {"pause"},
    {"delay", {integerArg("the value")}},
    {"sleep", {integerArg("the value")}},
    {"repeat", {integerArg("the value")}},
    {"loop",
     {countArg("count", ArgNeed::Optional, " (the loop runs 9999 passes)", kDefaultLoopPasses)}},
    {"endloop"},
    {"skip"},
    {"lens", {lensArg("", "")}},
    {"fade",
     {lensArg("start", "the values after it shift"), lensArg("end", "not as the steps"),
      integerArg("steps", kDefaultFadeSteps)}},
    {"width",
     {countArg("a width", ArgNeed::Required, "")},
     "needs a width, \"lock\", \"unlock\", \"percent\" or \"fade\"",
     kWidthForms},
    {"rindex", {realArg("the index", " (the index stays)")}},
    {"trace",
     {wordArg("beam mode", kBeamModeWords, ArgNeed::Required, "")},
     "needs \"beam\" or \"multibeam\""},
    {"source",
     {wordArg("source", kSourceWords, ArgNeed::Required, "")},
     "needs \"parallel\", \"point D\" or \"object D H\"",
     kSourceForms},
    {"glass",
     {ArgForm{ArgKind::Text, ArgNeed::Required, "glass"}},
     "needs a glass name (kelvane-cli glasses lists them) or \"custom\""},
    {"medium",
     {wordArg("medium", kMediumWords, ArgNeed::Required, "")},
     "needs \"air\" or \"water\""},
    {"wavelength",
     {ArgForm{ArgKind::Real, ArgNeed::Required, "wavelength"}},
     "needs a wavelength in nm or \"white\"",
     kWavelengthForms},
}};
enum ScriptKeyword : int {
  KW_WINDOW = 0,
  KW_CANVASS,
  KW_STOP,
  KW_PAUSE,
  KW_DELAY,
  KW_SLEEP,
  KW_REPEAT,
  KW_LOOP,
  KW_ENDLOOP,
  KW_SKIP,
  KW_LENS,
  KW_FADE,
  KW_WIDTH,
  KW_RINDEX,
  KW_TRACE,
  KW_SOURCE,
  KW_GLASS,
  KW_MEDIUM,
  KW_WAVELENGTH,
  KW_COUNT
};
static_assert(KW_COUNT == kScriptGrammar.size(), "a number for every keyword of the table");

template <std::size_t N>
constexpr std::array<std::string_view, N> wordsOf(const std::array<KeywordForm, N>& forms) {
  std::array<std::string_view, N> words{};
  for (std::size_t i = 0; i < N; ++i) words[i] = forms[i].word;
  return words;
}

// The keywords and the "width" sub-commands as word lists.
inline constexpr std::array<std::string_view, kScriptGrammar.size()> kScriptKeywords =
    wordsOf(kScriptGrammar);
inline constexpr std::array<std::string_view, kWidthForms.size()> kWidthWords =
    wordsOf(kWidthForms);

}  // namespace kelvane
