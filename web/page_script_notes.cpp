#include "web/page_script_notes.h"

#include <string>

#include "script/script_grammar.h"
#include "script/script_reader.h"

namespace kelvane::web {

std::vector<ScriptWarning> pagePassedOverLines(std::FILE* file) {
  std::vector<ScriptWarning> notes;
  std::string text;
  ScriptLineRead read;
  int lineNumber = 1;
  bool inSkip = false;
  while (readScriptLine(file, text, &read)) {
    ScriptLine line(text);
    const auto first = line.nextToken();
    if (inSkip) {
      inSkip = !(first && equalsIgnoreCase(*first, kEndSkipWord));
    } else if (first && !isCommentToken(*first)) {
      const int keyword = lookupWord(first, kScriptKeywords);
      if (keyword == KW_SKIP) inSkip = true;
      // The rest of a split line runs as a line of its own: it counts too.
      if (keyword == KW_WINDOW)
        notes.push_back({lineNumber, "\"window\" passed over: the page has no windows to move"});
      if (keyword == KW_CANVASS)
        notes.push_back({lineNumber, "\"canvass\" passed over: the page's canvas is its view"});
    }
    if (!read.split) ++lineNumber;
  }
  return notes;
}

}  // namespace kelvane::web
