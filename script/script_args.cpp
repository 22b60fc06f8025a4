#include "script/script_args.h"

namespace kelvane {

namespace {

using Token = std::optional<std::string_view>;

int countValue(Token t, int missing) {
  const int value = scriptCount(t);
  return value == MISSING_INT ? missing : value;
}

// Reads one argument; `given` is its first token when the caller has read it.
ScriptArg readArgument(const ArgForm& form, ScriptLine& line, Token given) {
  ScriptArg arg;
  arg.tokens[0] = given ? given : line.nextToken();
  const Token t = arg.tokens[0];
  switch (form.kind) {
    case ArgKind::Integer:
      arg.integer = t ? scriptAtoi(*t) : form.missing;
      break;
    case ArgKind::Count:
      arg.integer = countValue(t, form.missing);
      break;
    case ArgKind::Real:
      arg.real = t ? scriptAtof(*t) : 0.0;
      break;
    case ArgKind::Word:
      arg.integer = lookupWord(t, form.words);
      break;
    case ArgKind::Lens:
      for (std::size_t i = 1; i < arg.tokens.size(); ++i) arg.tokens[i] = line.nextToken();
      arg.lens = lensSpecOf(arg.tokens);
      break;
    case ArgKind::Text:
      for (Token more = t; more; more = line.nextToken())
        arg.text += (arg.text.empty() ? "" : " ") + std::string(*more);
      break;
    case ArgKind::None:
      break;
  }
  return arg;
}

}  // namespace

ScriptArgs readArguments(int keyword, ScriptLine& line) {
  ScriptArgs read;
  read.form = &kScriptGrammar[keyword];
  Token first;
  if (!read.form->subs.empty()) {
    first = line.nextToken();
    for (std::size_t i = 0; first && i < read.form->subs.size(); ++i) {
      if (equalsIgnoreCase(*first, read.form->subs[i].word)) {
        read.sub = static_cast<int>(i);
        read.form = &read.form->subs[i];
        first.reset();
        break;
      }
    }
  }
  for (int i = 0; i < read.form->argCount(); ++i) {
    const ArgForm& form = read.form->args[i];
    read.args[i] = readArgument(form, line, i == 0 ? first : Token());
    if (form.need == ArgNeed::Required && !read.args[i].present()) read.complete = false;
  }
  return read;
}

}  // namespace kelvane
