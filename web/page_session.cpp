#include "web/page_session.h"

#include <cmath>
#include <cstdio>
#include <variant>

#include "draw/lens_picture.h"
#include "script/script_check.h"

// The aberration curve comes with the optics core where it has one.
#if __has_include("optics/aberration.h")
#include "optics/aberration.h"
#define KELVANE_WEB_ABERRATION 1
#endif
// So do the named lenses; the page's own list stands in where it has none.
#if __has_include("optics/presets.h")
#include "optics/presets.h"
#define KELVANE_WEB_PRESET_TABLE 1
#endif

namespace kelvane::web {

namespace {

#ifndef KELVANE_WEB_PRESET_TABLE
// The ingress semi-axis and egress radius of the "Perfect focus" preset.
constexpr double kPerfectA = 219;
constexpr double kPerfectR = 260;

constexpr Preset kPresets[] = {
    {"Start-up meniscus", kInitialLens, 1.5},
    {"Biconvex", Lens{300, 200, 300, 200, 80, 1}, 0},
    {"Thin lens", Lens{600, 200, 600, 200, 20, 1}, 0},
    {"Diverging", Lens{300, 200, 300, 200, 20, 2}, 0},
};
constexpr int kPerfectFocusPreset = sizeof kPresets / sizeof kPresets[0];
#endif

// Add 0.5 and truncate toward zero, as the dialog's fields do.
int roundField(double v) { return static_cast<int>(v + 0.5); }

void appendf(std::string& out, const char* format, double v) {
  char text[64];
  std::snprintf(text, sizeof text, format, v);
  out += text;
}

void appendString(std::string& out, const std::string& s) {
  out += '"';
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) continue;
    out += c;
  }
  out += '"';
}

void appendColor(std::string& out, const draw::Rgb& c) {
  out += '[' + std::to_string(c.r) + ',' + std::to_string(c.g) + ',' + std::to_string(c.b) + ']';
}

void appendPen(std::string& out, const std::optional<draw::Pen>& pen) {
  if (!pen) {
    out += "null";
    return;
  }
  out += '[' + std::to_string(pen->color.r) + ',' + std::to_string(pen->color.g) + ',' +
         std::to_string(pen->color.b) + ',';
  appendf(out, "%.9g", pen->width);
  out += pen->dash == draw::Dash::Dot ? ",1]" : ",0]";
}

void appendPoints(std::string& out, const std::vector<draw::Point>& points) {
  out += '[';
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i) out += ',';
    appendf(out, "%.9g", points[i].x);
    out += ',';
    appendf(out, "%.9g", points[i].y);
  }
  out += ']';
}

// One primitive as a JSON array whose first element names its kind.
struct PrimitiveJson {
  std::string& out;
  void num(double v) {
    appendf(out, "%.9g", v);
    out += ',';
  }
  void operator()(const draw::Line& l) {
    out += "[\"line\",";
    num(l.from.x), num(l.from.y), num(l.to.x), num(l.to.y);
    appendPen(out, l.pen);
    out += ']';
  }
  void operator()(const draw::Polyline& p) {
    out += "[\"polyline\",";
    appendPoints(out, p.points);
    out += ',';
    appendPen(out, p.pen);
    out += ']';
  }
  void operator()(const draw::EllipseShape& e) {
    out += "[\"ellipse\",";
    num(e.left), num(e.bottom), num(e.width), num(e.height);
    appendPen(out, e.pen);
    out += ',';
    if (e.fill)
      appendColor(out, *e.fill);
    else
      out += "null";
    out += ']';
  }
  void operator()(const draw::Polygon& p) {
    out += "[\"polygon\",";
    appendPoints(out, p.points);
    out += ',';
    appendColor(out, p.fill);
    out += ',';
    appendPen(out, p.pen);
    out += ']';
  }
  void operator()(const draw::Text& t) {
    out += "[\"text\",";
    num(t.at.x), num(t.at.y);
    appendString(out, t.text);
    out += ',';
    num(t.size);
    appendColor(out, t.color);
    out += t.align == draw::Align::Left     ? ",\"left\","
           : t.align == draw::Align::Center ? ",\"center\","
                                            : ",\"right\",";
    appendf(out, "%.9g", t.maxWidth);
    out += ']';
  }
};

}  // namespace

std::optional<Lens> perfectFocusLens(double a, double R, double rindex) {
  if (!(rindex > 1) || !std::isfinite(rindex)) return std::nullopt;
  const double e = 1.0 / rindex;
  const Lens lens{a, a * std::sqrt(1.0 - e * e), R, R, a * (1.0 + e) - R, 0};
  if (!(lens.depth > 0)) return std::nullopt;
  return lens;
}

PageSession::PageSession() { retrace(); }

void PageSession::setLens(double ivx, double ivy, double evx, double evy, double depth, int shape) {
  m_host.setLensValues({ivx, ivy, evx, evy, depth});
  m_host.setLensShape(shape & 3);
  retrace();
}

void PageSession::setRindex(double rindex) {
  if (!(rindex > 0) || !std::isfinite(rindex)) return;
  m_host.setIndexRatio(ratioFromRindex(rindex));
  retrace();
}

void PageSession::setBeamMode(int mode) {
  m_host.setBeamMode(mode);
  retrace();
}

void PageSession::setLockWidth(int a) { m_host.setLockWidth(a); }

void PageSession::setFillPercent(int percent) { m_host.setFillPercent(percent); }

void PageSession::setCanvas(int xmax, int ymax) { m_host.setCanvas(xmax, ymax); }

#ifdef KELVANE_WEB_PRESET_TABLE
// The list names every preset (the perfect-focus lens included) as it reads
// at the start-up index; a pick takes the preset for the index in force.
int PageSession::presetCount() { return static_cast<int>(lensPresets(kInitialIndexRatio).size()); }

std::string PageSession::presetName(int index) {
  const auto presets = lensPresets(kInitialIndexRatio);
  if (index < 0 || index >= static_cast<int>(presets.size())) return "";
  return std::string(presets[index].name);
}

void PageSession::applyPreset(int index) {
  const std::string name = presetName(index);
  for (const LensPreset& p : lensPresets(m_host.indexRatio())) {
    if (p.name != name) continue;
    if (p.indexRatio) m_host.setIndexRatio(*p.indexRatio);
    setLens(p.lens.ivx, p.lens.ivy, p.lens.evx, p.lens.evy, p.lens.depth, p.lens.shape);
    return;
  }
}
#else
int PageSession::presetCount() { return kPerfectFocusPreset + 1; }

std::string PageSession::presetName(int index) {
  if (index == kPerfectFocusPreset) return "Perfect focus";
  if (index < 0 || index > kPerfectFocusPreset) return "";
  return kPresets[index].name;
}

void PageSession::applyPreset(int index) {
  if (index < 0 || index > kPerfectFocusPreset) return;
  if (index == kPerfectFocusPreset) {
    // Computed for the index in force.
    const auto lens = perfectFocusLens(kPerfectA, kPerfectR, rindexFromRatio(m_host.indexRatio()));
    if (lens) setLens(lens->ivx, lens->ivy, lens->evx, lens->evy, lens->depth, lens->shape);
    return;
  }
  const Preset& p = kPresets[index];
  if (p.rindex > 0) m_host.setIndexRatio(ratioFromRindex(p.rindex));
  setLens(p.lens.ivx, p.lens.ivy, p.lens.evx, p.lens.evy, p.lens.depth, p.lens.shape);
}
#endif

std::string PageSession::stateJson() const {
  const Lens& l = m_host.lens();
  const TraceResults& r = m_host.results();
  const BeamSettings& s = m_host.settings();
  std::string out = "{\"lens\":[";
  for (double v : {l.ivx, l.ivy, l.evx, l.evy, l.depth}) {
    appendf(out, "%.17g", v);
    out += ',';
  }
  out += std::to_string(l.shape) + "],\"shape\":";
  appendString(out, std::string(shapeName(l.shape)));
  out += ",\"rindex\":";
  appendf(out, "%.17g", rindexFromRatio(m_host.indexRatio()));
  out += ",\"mode\":" + std::to_string(m_host.beamMode());
  out += ",\"locked\":" + std::string(s.locked() ? "true" : "false");
  out += ",\"fill\":" + std::to_string(static_cast<int>(s.fill * 100 + 0.5));
  out += ",\"width\":";
  appendf(out, "%.17g", r.width);
  // A focus of exactly 0 (or not a number) is no focus: "--". The multi-beam
  // trace finds none: what the results still hold is the last single-beam
  // trace's.
  const bool hasFocus = m_host.beamMode() == 0 && r.focus != 0 && !std::isnan(r.focus);
  auto field = [&](const char* name, const char* format, double v) {
    out += ",\"";
    out += name;
    out += "\":";
    std::string text = "--";
    if (hasFocus) {
      text.clear();
      appendf(text, format, v);
    }
    appendString(out, text);
  };
  field("focusText", "%.2f", r.focus);
  field("devText", "%.2f", r.dev);
  field("devpcntText", "%.2f", r.devpcnt);
  std::string widthText;
  appendf(widthText, "%.2f", r.width);
  out += ",\"widthText\":";
  appendString(out, widthText);
  // The eccentricities of the values the sliders hold, as the dialog shows them.
  std::string ecc;
  appendf(ecc, "%.3f", eccentricity(roundField(l.ivx), roundField(l.ivy)));
  out += ",\"eccIngress\":";
  appendString(out, ecc);
  ecc.clear();
  appendf(ecc, "%.3f", eccentricity(roundField(l.evx), roundField(l.evy)));
  out += ",\"eccEgress\":";
  appendString(out, ecc);
  out += ",\"beamCount\":" + std::to_string(r.beamCount) + ",\"fans\":[";
  for (int f = 0; f < FAN_COUNT; ++f) out += (f ? "," : "") + std::to_string(r.fanCounts[f]);
  out += "]}";
  return out;
}

std::string PageSession::aberrationJson() const {
#ifdef KELVANE_WEB_ABERRATION
  if (m_host.beamMode() != 0) return "null";
  const AberrationCurve c = aberrationCurve(m_host.settings().traceBuffer, SINGLE_BEAM_POINTS,
                                            m_host.lens(), m_host.results());
  std::string out = "{";
  auto points = [&](const char* name, const std::vector<AberrationPoint>& pts) {
    out += '"';
    out += name;
    out += "\":[";
    bool first = true;
    for (const AberrationPoint& p : pts) {
      if (!std::isfinite(p.crossing) || !std::isfinite(p.height)) continue;  // no JSON number
      out += first ? "[" : ",[";
      first = false;
      appendf(out, "%.17g", p.crossing);
      out += ',';
      appendf(out, "%.17g", p.height);
      out += ']';
    }
    out += "],";
  };
  points("exit", c.exitCrossings);
  points("inner", c.innerCrossings);
  for (const auto& [name, v] : {std::pair{"focus", c.focus}, std::pair{"focusMin", c.focusMin},
                                std::pair{"focusMax", c.focusMax}, std::pair{"width", c.width}}) {
    out += '"';
    out += name;
    out += "\":";
    appendf(out, "%.17g", std::isfinite(v) ? v : 0.0);
    out += ',';
  }
  out.back() = '}';
  return out;
#else
  return "null";
#endif
}

std::string PageSession::pictureJson(int W, int H, double dpi, bool legend, bool caption) const {
  draw::LensDrawing d;
  d.lens = m_host.lens();
  d.beamMode = m_host.beamMode();
  d.results = &m_host.results();
  d.buffer = m_host.settings().traceBuffer;
  d.bufferPoints = d.beamMode ? MULTI_BEAM_POINTS : SINGLE_BEAM_POINTS;
  draw::PictureOptions options;
  options.legend = legend;
  if (caption) {
    const TraceResults& r = m_host.results();
    options.caption = draw::CaptionFacts{
        d.lens, rindexFromRatio(m_host.indexRatio()), r.focus, r.width, r.dev, r.devpcnt};
  }
  const draw::DisplayList list = draw::lensPicture(d, W, H, dpi, dpi, options);
  std::string out = "{\"width\":" + std::to_string(list.width) +
                    ",\"height\":" + std::to_string(list.height) + ",\"dpiX\":";
  appendf(out, "%.9g", list.dpiX);
  out += ",\"dpiY\":";
  appendf(out, "%.9g", list.dpiY);
  out += ",\"origin\":[";
  appendf(out, "%.9g", list.origin.x);
  out += ',';
  appendf(out, "%.9g", list.origin.y);
  out += "],\"items\":[";
  PrimitiveJson json{out};
  for (std::size_t i = 0; i < list.items.size(); ++i) {
    if (i) out += ',';
    std::visit(json, list.items[i]);
  }
  out += "]}";
  return out;
}

std::string PageSession::startScript(const std::string& text) {
  stopScript();
  // The reader reads files; the page's script becomes one in memory.
  std::FILE* file = std::tmpfile();
  if (!file) return "{\"started\":false,\"warnings\":[]}";
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  std::string out = "{\"started\":true,\"warnings\":[";
  const auto warnings = checkScript(file);
  for (std::size_t i = 0; i < warnings.size(); ++i) {
    if (i) out += ',';
    appendString(out, formatScriptWarning("script", warnings[i]));
  }
  out += "]}";
  std::rewind(file);
  m_stepper = std::make_unique<ScriptStepper>(ScriptFile(file), m_actions);
  return out;
}

std::string PageSession::stepScript() {
  if (!m_stepper) return "{\"kind\":\"end\",\"ms\":0}";
  const ScriptWait w = m_stepper->next();
  const char* kind = w.kind == ScriptWait::Time    ? "time"
                     : w.kind == ScriptWait::Pause ? "pause"
                                                   : "end";
  const long long ms = w.ms > 0 ? w.ms : 0;  // a negative time waits not at all
  if (w.kind == ScriptWait::End) m_stepper.reset();
  return std::string("{\"kind\":\"") + kind + "\",\"ms\":" + std::to_string(ms) + "}";
}

void PageSession::stopScript() { m_stepper.reset(); }

}  // namespace kelvane::web
