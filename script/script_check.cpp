// The checks follow the reading rules of the keywords one by one; what the
// runner does with a line it cannot read whole is said in each message, so
// keep them in step with script_stepper.cpp.
#include "script/script_check.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "fileio/regular_file.h"
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
class ArgumentCheck {
 public:
  explicit ArgumentCheck(ScriptLine& line) : m_line(line) {}

  Token next() { return m_line.nextToken(); }
  void problem(std::string text) {
    if (!m_problems.empty()) m_problems += "; ";
    m_problems += text;
  }
  // The line is passed over as a whole.
  void skipped() { m_skipped = true; }

  // A count the line needs: a token that starts with a digit. `then` says
  // what follows when it is not one.
  bool count(Token t, std::string_view name, std::string_view then = "") {
    if (t && isDigit(t->front())) return true;
    std::string text;
    if (!t)
      text = "missing " + std::string(name);
    else if (isSign(t->front()))
      text = std::string(name) + " " + quoted(*t) + " may not have a sign";
    else
      text = std::string(name) + " " + quoted(*t) + " is not a number";
    problem(text + std::string(then));
    return false;
  }
  // An integer that may be left out; one that is there is read with atoi.
  void optionalInteger(Token t, std::string_view name) {
    if (t && !isIntegerToken(*t))
      problem(std::string(name) + " " + quoted(*t) + " is not a number (read as 0)");
  }

  // "WHAT: problems[: the line is skipped]", or nothing for a sound line.
  std::optional<std::string> result(std::string_view what) const {
    if (m_problems.empty()) return std::nullopt;
    return std::string(what) + ": " + m_problems + (m_skipped ? ": the line is skipped" : "");
  }

 private:
  ScriptLine& m_line;
  std::string m_problems;
  bool m_skipped = false;
};

constexpr std::array<std::string_view, 5> kLensValueNames = {"ivx", "ivy", "evx", "evy", "depth"};

// Five counts; false when one of them is no count (the first such is told).
bool lensCounts(ArgumentCheck& c, std::string_view prefix) {
  bool whole = true;
  for (std::string_view name : kLensValueNames) {
    const Token t = c.next();
    if (whole) whole = c.count(t, std::string(prefix) + std::string(name));
  }
  return whole;
}

// The shape word after a lens line's counts; `shifts` names what a number
// read in its place takes from the values after it.
void shapeWord(ArgumentCheck& c, std::string_view lensName, std::string_view shifts) {
  const Token t = c.next();
  if (!t || lookupWord(t, kShapeWords) >= 0) return;
  if (!shifts.empty() && isIntegerToken(*t))
    c.problem("the " + std::string(lensName) + " has no shape word, so " + quoted(*t) +
              " is read as its shape and " + std::string(shifts));
  else
    c.problem("unknown shape word " + quoted(*t) + " (CVCV is used)");
}

std::optional<std::string> checkWindow(ArgumentCheck& c) {
  for (std::string_view name : {"x", "y", "w", "h"}) {
    const Token t = c.next();
    if (!t) {
      c.problem("needs x, y, w and h");
      c.skipped();
      return c.result("\"window\"");
    }
    c.optionalInteger(t, name);
  }
  const Token anchor = c.next();
  if (anchor && lookupWord(anchor, kAnchorWords) < 0)
    c.problem("unknown anchor " + quoted(*anchor) + " (the dialog stays)");
  c.optionalInteger(c.next(), "dx");
  c.optionalInteger(c.next(), "dy");
  return c.result("\"window\"");
}

std::optional<std::string> checkCanvass(ArgumentCheck& c) {
  c.count(c.next(), "Xmax", " (Xmax stays)");
  c.count(c.next(), "Ymax", " (Ymax stays)");
  return c.result("\"canvass\"");
}

std::optional<std::string> checkLoop(ArgumentCheck& c) {
  const Token t = c.next();
  if (t) c.count(t, "count", " (the loop runs 9999 passes)");
  return c.result("\"loop\"");
}

std::optional<std::string> checkLens(ArgumentCheck& c) {
  if (!lensCounts(c, "")) c.skipped();
  shapeWord(c, "lens", "");
  return c.result("\"lens\"");
}

std::optional<std::string> checkFade(ArgumentCheck& c) {
  bool whole = lensCounts(c, "start ");
  shapeWord(c, "start lens", "the values after it shift");
  whole = lensCounts(c, "end ") && whole;
  shapeWord(c, "end lens", "not as the steps");
  c.optionalInteger(c.next(), "steps");
  if (!whole) c.skipped();
  return c.result("\"fade\"");
}

std::optional<std::string> checkWidthFade(ArgumentCheck& c) {
  const Token s = c.next();
  const Token e = c.next();
  const Token k = c.next();
  if (!k) {
    c.problem("needs start, end and steps");
    c.skipped();
    return c.result("\"width fade\"");
  }
  c.optionalInteger(s, "start");
  c.optionalInteger(e, "end");
  c.optionalInteger(k, "steps");
  const long long start = scriptAtoi(*s);
  const long long steps = scriptAtoi(*k);
  if (steps == 0) {
    c.problem("0 steps");
    c.skipped();
  } else if (start != 0 && (scriptAtoi(*e) - start) / steps == 0) {
    // From width 0 the start is the traced width, known only when it runs.
    c.problem("the step (end - start) / steps is 0");
    c.skipped();
  }
  return c.result("\"width fade\"");
}

std::optional<std::string> checkWidth(ArgumentCheck& c) {
  const Token t = c.next();
  switch (lookupWord(t, kWidthWords)) {
    case WIDTH_FADE:
      return checkWidthFade(c);
    case WIDTH_LOCK:
    case WIDTH_UNLOCK:
      return std::nullopt;
    case WIDTH_PERCENT: {
      const Token p = c.next();
      if (!p) {
        c.problem("needs a percentage");
        c.skipped();
      }
      c.optionalInteger(p, "percentage");
      return c.result("\"width percent\"");
    }
    default:
      if (!t) {
        c.problem("needs a width, \"lock\", \"unlock\", \"percent\" or \"fade\"");
      } else if (isDigit(t->front())) {
        return std::nullopt;
      } else if (isSign(t->front())) {
        c.problem("a width " + quoted(*t) + " may not have a sign");
      } else {
        c.problem("unknown word " + quoted(*t));
      }
      c.skipped();
      return c.result("\"width\"");
  }
}

std::optional<std::string> checkRindex(ArgumentCheck& c) {
  const Token t = c.next();
  double r = 0;
  if (!t)
    c.problem("missing the index (the index stays)");
  else if (!isRealToken(*t, r))
    c.problem(quoted(*t) + " is not a number (the index stays)");
  else if (!(r > 0) || !std::isfinite(r))
    c.problem("the index " + quoted(*t) + " is not greater than 0 (the index stays)");
  return c.result("\"rindex\"");
}

std::optional<std::string> checkTrace(ArgumentCheck& c) {
  const Token t = c.next();
  if (!t)
    c.problem("needs \"beam\" or \"multibeam\"");
  else if (lookupWord(t, kBeamModeWords) < 0)
    c.problem("unknown beam mode " + quoted(*t));
  c.skipped();
  return c.result("\"trace\"");
}

std::optional<std::string> checkArguments(int keyword, ScriptLine& line) {
  ArgumentCheck c(line);
  switch (keyword) {
    case KW_WINDOW:
      return checkWindow(c);
    case KW_CANVASS:
      return checkCanvass(c);
    case KW_DELAY:
    case KW_SLEEP:
    case KW_REPEAT:
      c.optionalInteger(c.next(), "the value");
      return c.result("\"" + std::string(kScriptKeywords[keyword]) + "\"");
    case KW_LOOP:
      return checkLoop(c);
    case KW_LENS:
      return checkLens(c);
    case KW_FADE:
      return checkFade(c);
    case KW_WIDTH:
      return checkWidth(c);
    case KW_RINDEX:
      return checkRindex(c);
    case KW_TRACE:
      return checkTrace(c);
    default:  // "stop", "pause", "endloop", "skip": no arguments
      return std::nullopt;
  }
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
        if (auto p = checkArguments(keyword, line)) add(*p);
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
