#include "model/source_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace kelvane {

namespace {

std::optional<double> number(std::string_view text) {
  double v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v, std::chars_format::general);
  if (text.empty() || ec != std::errc{} || ptr != end || !std::isfinite(v)) return std::nullopt;
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
