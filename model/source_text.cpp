#include "model/source_text.h"

#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>
#include <vector>

namespace kelvane {

namespace {

// A plain decimal number, read in the C locale whatever the program's is:
// [+-]digits[.digits][e[+-]digits]. (The page's library has no from_chars
// for doubles.)
std::optional<double> number(std::string_view text) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i > start;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool whole = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    whole = digits() || whole;
  }
  if (!whole) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digits()) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  std::istringstream in{std::string(text)};
  in.imbue(std::locale::classic());
  double v = 0;
  in >> v;
  if (in.fail() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::vector<std::string_view> fields(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    out.push_back(text.substr(start, comma - start));
    if (comma == std::string_view::npos) return out;
    start = comma + 1;
  }
}

}  // namespace

bool sourceInRange(const LightSource& s) {
  if (!(s.distance >= kMinSourceDistance && s.distance <= kMaxSourceDistance)) return false;
  return s.kind != SourceKind::Object || (s.height > 0 && s.height <= kMaxSourceHeight);
}

std::optional<LightSource> parseSourceText(std::string_view text) {
  const std::vector<std::string_view> f = fields(text);
  LightSource s;
  if (f[0] == "parallel" && f.size() == 1) return s;
  if (f[0] == "point" && f.size() == 2) {
    s.kind = SourceKind::Point;
    s.height = 0;
  } else if (f[0] == "object" && f.size() == 3) {
    s.kind = SourceKind::Object;
    const auto h = number(f[2]);
    if (!h) return std::nullopt;
    s.height = *h;
  } else {
    return std::nullopt;
  }
  const auto d = number(f[1]);
  if (!d) return std::nullopt;
  s.distance = *d;
  if (!sourceInRange(s)) return std::nullopt;
  return s;
}

std::string sourceText(const LightSource& s) {
  char text[64];
  switch (s.kind) {
    case SourceKind::Parallel:
      return "parallel";
    case SourceKind::Point:
      std::snprintf(text, sizeof text, "point,%.6g", s.distance);
      return text;
    case SourceKind::Object:
      break;
  }
  std::snprintf(text, sizeof text, "object,%.6g,%.6g", s.distance, s.height);
  return text;
}

}  // namespace kelvane
