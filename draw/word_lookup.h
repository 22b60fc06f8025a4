// How the picture asks for its words in the reader's language, without
// knowing any: a lookup from English (none keeps the English), and patterns
// whose %1, %2 ... take numbers formatted here, so every language keeps the
// C decimal point.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kelvane::draw {

using WordLookup = std::string (*)(std::string_view english);

inline std::string say(WordLookup words, std::string_view english) {
  return words ? words(english) : std::string(english);
}

// `pattern` with %1 .. %9 replaced by `values`, in order.
inline std::string fillIn(std::string_view pattern, std::initializer_list<std::string> values) {
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const size_t n = static_cast<size_t>(c - '1');
    if (pattern[i] == '%' && c >= '1' && c <= '9' && n < values.size()) {
      out += *(values.begin() + n);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace kelvane::draw
