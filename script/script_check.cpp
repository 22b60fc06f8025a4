// The checks read each line's arguments as the stepper does, by the keyword
// table, and say for each what the runner makes of a value it cannot use.
#include "script/script_check.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "fileio/regular_file.h"
#include "optics/light_source.h"
#include "script/colour_lines.h"
#include "script/script_args.h"
#include "script/script_reader.h"

namespace kelvane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSign(char c) { return c == '+' || c == '-'; }

// What atoi reads a number from: digits, after an optional sign.
bool isIntegerToken(std::string_view t) {
  if (!t.empty() && isSign(t.front())) t.remove_prefix(1);
  return !t.empty() && isDigit(t.front());
}

bool isRealToken(std::string_view t, double& value) {
  const std::string text(t);
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end != text.c_str();
}

// A token as a message shows it: quoted, short, printable.
std::string quoted(std::string_view t) {
  constexpr std::size_t kShown = 24;
  std::string out = "\"";
  for (std::size_t i = 0; i < t.size() && i < kShown; ++i) {
    const unsigned char c = static_cast<unsigned char>(t[i]);
    out += (c >= ' ' && c < 0x7f) ? static_cast<char>(c) : '?';
  }
  if (t.size() > kShown) out += "...";
  return out + "\"";
}

using Token = std::optional<std::string_view>;

// The problems of one line's arguments, after its keyword.
class Problems {
 public:
  void add(std::string_view text) {
    if (!m_text.empty()) m_text += "; ";
    m_text += text;
  }
  // The line is passed over as a whole.
  void skipped() { m_skipped = true; }
  bool empty() const { return m_text.empty(); }

  // "WHAT: problems[: the line is skipped]", or nothing for a sound line.
  std::optional<std::string> result(std::string_view what) const {
    if (m_text.empty()) return std::nullopt;
    return std::string(what) + ": " + m_text + (m_skipped ? ": the line is skipped" : "");
  }

 private:
  std::string m_text;
  bool m_skipped = false;
};

// What a bad value leads to: the form's own words, or the line passed over.
void badValue(const ArgForm& form, const std::string& text, Problems& p) {
  p.add(text + std::string(form.then));
  if (form.then.empty()) p.skipped();
}

// A count; false when the token is none. `wordsToo`: a sub-command's word
// could have stood there instead.
bool checkCount(const ArgForm& form, std::string_view name, Token t, bool wordsToo, Problems& p) {
  if (t && isDigit(t->front())) return true;
  if (!t) {
    if (form.need != ArgNeed::Optional) badValue(form, "missing " + std::string(name), p);
  } else if (isSign(t->front())) {
    badValue(form, std::string(name) + " " + quoted(*t) + " may not have a sign", p);
  } else if (wordsToo) {
    badValue(form, "unknown word " + quoted(*t), p);
  } else {
    badValue(form, std::string(name) + " " + quoted(*t) + " is not a number", p);
  }
  return false;
}

// Five counts, of which the first that is none is told, and the shape word,
// where a number read in its place takes `form.then` from the values after it.
void checkLens(const ArgForm& form, const ScriptArg& arg, Problems& p) {
  const std::string prefix = form.name.empty() ? "" : std::string(form.name) + " ";
  const ArgForm counts = countArg(form.name, ArgNeed::Told, "");
  bool whole = true;
  for (std::size_t i = 0; whole && i < kLensValueNames.size(); ++i)
    whole = checkCount(counts, prefix + std::string(kLensValueNames[i]), arg.tokens[i], false, p);
  const Token shape = arg.tokens[5];
  if (!shape || lookupWord(shape, kShapeWords) >= 0) return;
  if (!form.then.empty() && isIntegerToken(*shape))
    p.add("the " + prefix + "lens has no shape word, so " + quoted(*shape) +
          " is read as its shape and " + std::string(form.then));
  else
    p.add("unknown shape word " + quoted(*shape) + " (CVCV is used)");
}

void checkArgument(const ArgForm& form, const ScriptArg& arg, bool wordsToo, Problems& p) {
  const Token t = arg.tokens[0];
  switch (form.kind) {
    case ArgKind::Integer:
      if (t && !isIntegerToken(*t))
        p.add(std::string(form.name) + " " + quoted(*t) + " is not a number (read as 0)");
      break;
    case ArgKind::Count:
      checkCount(form, form.name, t, wordsToo, p);
      break;
    case ArgKind::Real: {
      double r = 0;
      if (!t)
        badValue(form, "missing " + std::string(form.name), p);
      else if (!isRealToken(*t, r))
        badValue(form, quoted(*t) + " is not a number", p);
      else if (!(r > 0) || !std::isfinite(r))
        badValue(form, std::string(form.name) + " " + quoted(*t) + " is not greater than 0", p);
      break;
    }
    case ArgKind::Word:
      if (t && arg.integer < 0)
        badValue(form, "unknown " + std::string(form.name) + " " + quoted(*t), p);
      break;
    case ArgKind::Lens:
      checkLens(form, arg, p);
      break;
    case ArgKind::Text:  // any text names a glass or none; checkColour tells
      break;
    case ArgKind::None:
      break;
  }
}

// A width fade runs only with a step: from width 0 the start is the traced
// width, known only when it runs.
void checkWidthFadeStep(const ScriptArgs& args, Problems& p) {
  const long long start = args[0].integer;
  const long long steps = args[2].integer;
  if (steps == 0) {
    p.add("0 steps");
    p.skipped();
  } else if (start != 0 && (args[1].integer - start) / steps == 0) {
    p.add("the step (end - start) / steps is 0");
    p.skipped();
  }
}

// Distances and heights the lens view can show; the runner passes over others.
void checkSourceRange(const ScriptArgs& args, Problems& p) {
  const double distance = args[0].real;
  if (distance > 0 && (distance < kMinSourceDistance || distance > kMaxSourceDistance)) {
    p.add("the distance is not from 1 to 100000");
    p.skipped();
  }
  if (args.form->argCount() > 1 && args[1].real > kMaxSourceHeight) {
    p.add("the height is over 10000");
    p.skipped();
  }
}

// A colour line, followed from the colour the lines before it set (from
// the start of the file, as a run from the default colour meets them).
void checkColour(int keyword, const ScriptArgs& args, ColourState& colour, Problems& p) {
  const std::optional<ColourLine> line = readColourLine(keyword, args);
  if (!line || !p.empty()) return;  // told already
  const ColourState next = applyColourLine(*line, colour);
  if (const std::string why = colourProblem(next); !why.empty()) {
    p.add(why);
    p.skipped();
    return;
  }
  colour = next;
}

std::optional<std::string> checkArguments(int keyword, ScriptLine& line, ColourState& colour) {
  const ScriptArgs args = readArguments(keyword, line);
  std::string what = "\"" + std::string(kScriptGrammar[keyword].word);
  if (args.sub >= 0) what += " " + std::string(args.form->word);
  what += "\"";
  Problems p;
  if (!args.complete) {
    p.add(args.form->needs);
    p.skipped();
    return p.result(what);
  }
  const bool wordsToo = args.sub < 0 && !kScriptGrammar[keyword].subs.empty();
  for (int i = 0; i < args.form->argCount(); ++i)
    checkArgument(args.form->args[i], args[i], wordsToo, p);
  if (keyword == KW_WIDTH && args.sub == WIDTH_FADE) checkWidthFadeStep(args, p);
  if (keyword == KW_SOURCE && args.sub > 0) checkSourceRange(args, p);
  checkColour(keyword, args, colour, p);
  return p.result(what);
}

}  // namespace

std::vector<ScriptWarning> checkScript(std::FILE* file) {
  std::vector<ScriptWarning> warnings;
  std::string text;
  int lineNumber = 1;
  // A line of the file may come in many parts (one every kScriptLineMax
  // characters): its warning names the first few problems and counts the
  // rest, so a line of any length gives a line of warning of a few hundred
  // characters.
  constexpr int kProblemsShown = 4;
  std::string problems;  // of the file's current line
  int problemCount = 0;
  bool toldLong = false;  // the line's "longer than" note is in
  bool inSkip = false;
  ColourState colour;      // as the colour lines so far leave it
  bool continued = false;  // the part read is the rest of a split line
  auto add = [&](const std::string& p) {
    if (++problemCount > kProblemsShown) return;
    if (!problems.empty()) problems += "; ";
    problems += p;
  };
  auto finishLine = [&] {
    if (problemCount > kProblemsShown)
      problems += "; and " + std::to_string(problemCount - kProblemsShown) + " more";
    if (!problems.empty()) warnings.push_back({lineNumber, problems});
    problems.clear();
    problemCount = 0;
    toldLong = false;
  };
  ScriptLineRead read;
  while (readScriptLine(file, text, &read)) {
    if (read.heldNul) add("a NUL byte: the rest of the line is not read");
    ScriptLine line(text);
    const auto first = line.nextToken();
    if (inSkip) {
      inSkip = !(first && equalsIgnoreCase(*first, kEndSkipWord));
    } else if (first && !isCommentToken(*first)) {
      if (continued && !toldLong) {
        toldLong = true;
        add("the line is longer than " + std::to_string(kScriptLineMax) +
            " characters: its rest is read as a line of its own");
      }
      const int keyword = lookupWord(first, kScriptKeywords);
      if (keyword == KW_SKIP)
        inSkip = true;
      else if (keyword >= 0) {
        if (auto p = checkArguments(keyword, line, colour)) add(*p);
      } else if (equalsIgnoreCase(*first, kEndSkipWord)) {
        add("\"endskip\" without \"skip\": the line is skipped");
      } else {
        add("unknown keyword " + quoted(*first) + ": the line is skipped");
      }
    }
    continued = read.split;
    if (!continued) {
      finishLine();
      ++lineNumber;
    }
  }
  finishLine();
  return warnings;
}

std::string formatScriptWarning(std::string_view file, const ScriptWarning& warning) {
  return std::string(file) + ":" + std::to_string(warning.line) + ": " + warning.message;
}

std::optional<std::string> scriptFileProblem(const std::string& path) {
  std::string problem;
  const InputFilePtr file = openRegularInput(path, problem);
  if (!file) return problem;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
    if (std::memchr(buffer, '\0', n)) return "not a text file (it holds NUL bytes)";
  if (std::ferror(file.get())) return std::strerror(errno);
  return std::nullopt;
}

}  // namespace kelvane
