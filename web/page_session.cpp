#include "web/page_session.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "draw/caption.h"
#include "draw/colour_readout.h"
#include "draw/lens_picture.h"
#include "draw/wavelength_rgb.h"
#include "draw/zoom.h"
#include "model/source_text.h"
#include "optics/presets.h"
#include "script/script_check.h"
#include "web/page_script_notes.h"

namespace kelvane::web {

namespace {

std::string format(const char* format, double v) {
  char text[64];
  std::snprintf(text, sizeof text, format, v);
  return text;
}

// "--" where there is no number to show, as the dialog shows no focus.
std::string formatOrDashes(const char* format, double v) {
  return std::isfinite(v) ? kelvane::web::format(format, v) : "--";
}

// The shortest decimal that gives back this very index ratio: what was
// entered ("1.8"), not the inverse of its inverse ("1.7999999999999998").
std::string shortestRindex(double ratio) {
  const double rindex = rindexFromRatio(ratio);
  char text[40];
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, rindex);
    if (ratioFromRindex(std::strtod(text, nullptr)) == ratio) return text;
  }
  std::snprintf(text, sizeof text, "%.17g", rindex);
  return text;
}

// "&glass=N-BK7&medium=water&light=486.1327": the parts of a link that
// differ from the default.
std::string colourLink(const ColourState& c) {
  std::string link;
  if (!c.glass.empty()) link += "&glass=" + c.glass;
  if (c.water) link += "&medium=water";
  if (c.white)
    link += "&light=white";
  else if (c.wavelength != kLineD)
    link += "&light=" + formatWavelength(c.wavelength);
  return link;
}

// A whole decimal number, or nothing.
std::optional<double> readNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace

PageSession::PageSession() { retrace(); }

std::string PageSession::setColour(const std::string& glass, const std::string& medium,
                                   const std::string& light) {
  ColourState c;
  if (!glass.empty() && glass != "Custom" && glass != "custom") {
    const Glass* g = findGlass(glass);
    c.glass = g ? g->name : glass;  // an unknown name is named by colourProblem
  }
  if (medium != "air" && medium != "water") return "medium \"" + medium + "\" is not air or water";
  c.water = medium == "water";
  if (light == "white") {
    c.white = true;
  } else {
    const std::optional<double> nm = readNumber(light);
    if (!nm) return "light \"" + light + "\" is not white or a wavelength in nm";
    c.wavelength = *nm;
  }
  const std::string problem = colourProblem(c);
  if (!problem.empty()) return problem;
  m_host.setColour(c);
  retrace();
  return "";
}

int PageSession::glassCount() { return static_cast<int>(glassCatalogue().size()); }

std::string PageSession::glassName(int index) {
  if (index < 0 || index >= glassCount()) return "";
  return glassCatalogue()[index].name;
}

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

void PageSession::setCanvas(int xmax, int ymax) {
  m_host.setCanvas(xmax, ymax);
  m_canvasX = m_host.xmax();
  m_canvasY = m_host.ymax();
}

bool PageSession::setSource(const std::string& text) {
  const std::optional<LightSource> source = parseSourceText(text);
  if (!source) return false;
  m_host.setSource(*source);
  retrace();
  return true;
}

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

PageState PageSession::state() const {
  const Lens& l = m_host.lens();
  const TraceResults& r = m_host.results();
  PageState st;
  st.lens = {l.ivx, l.ivy, l.evx, l.evy, l.depth, static_cast<double>(l.shape)};
  st.shape = std::string(shapeName(l.shape));
  // The index field is the Custom glass's.
  const double customRatio = m_host.model().state().indexRatio;
  st.rindex = rindexFromRatio(customRatio);
  st.rindexText = shortestRindex(customRatio);
  st.mode = m_host.beamMode();
  st.locked = m_host.settings().locked();
  st.fill = static_cast<int>(m_host.settings().fill * 100 + 0.5);
  st.source = sourceText(m_host.model().source());
  st.width = r.width;
  // A focus of exactly 0 (or not a number) is no focus: "--". The multi-beam
  // trace finds none: what the results still hold is the last single-beam
  // trace's.
  const bool hasFocus = st.mode == 0 && r.focus != 0 && !std::isnan(r.focus);
  st.focusText = hasFocus ? formatOrDashes("%.2f", r.focus) : "--";
  st.devText = hasFocus ? formatOrDashes("%.2f", r.dev) : "--";
  st.devpcntText = hasFocus ? formatOrDashes("%.2f", r.devpcnt) : "--";
  st.widthText = formatOrDashes("%.2f", r.width);
  // Of the exact semi-axes: a link's fractional values are held as given.
  st.eccIngress = formatOrDashes("%.3f", eccentricity(l.ivx, l.ivy));
  st.eccEgress = formatOrDashes("%.3f", eccentricity(l.evx, l.evy));
  st.beamCount = r.beamCount;
  for (int f = 0; f < FAN_COUNT; ++f) st.fans[f] = r.fanCounts[f];
  const LensModel& model = m_host.model();
  const ColourState& c = model.colour();
  st.glass = c.glass;
  st.water = c.water;
  st.white = c.white;
  st.wavelength = c.wavelength;
  st.wavelengthText = draw::wavelengthLabel(c.wavelength);
  const draw::Rgb rgb = draw::spectrumColour(c.wavelength);
  st.swatch = {rgb.r, rgb.g, rgb.b};
  st.colourLink = colourLink(c);
  st.indexText = draw::indexWords(model);
  st.lcaText = draw::lcaWords(model);
  st.fociText = draw::fociWords(model);
  return st;
}

std::optional<AberrationCurve> PageSession::aberration() const {
  if (m_host.beamMode() != 0) return std::nullopt;
  const SingleBeamTrace& t = m_host.model().singleBeamTrace();
  return aberrationCurve(t.buffer, t.bufferPoints, m_host.lens(), t.results);
}

draw::DisplayList PageSession::picture(int W, int H, double dpi, bool legend, bool caption,
                                      const draw::PictureStyle& style) const {
  draw::PictureOptions options;
  options.legend = legend;
  options.style = style;
  if (caption) options.caption = draw::captionFacts(m_host.model());
  return draw::lensPicture(draw::pictureOf(m_host.model()), W, H, dpi, dpi, options);
}

double PageSession::fitZoom(int W, int H, double dpi, bool legend,
                            const draw::PictureStyle& style) const {
  draw::PictureOptions options;
  options.legend = legend;
  options.style = style;
  return draw::fitZoom(draw::pictureOf(m_host.model()), W, H, dpi, dpi, options);
}

ScriptStart PageSession::startScript(const std::string& text) {
  stopScript();
  ScriptStart out;
  // The reader reads files; the page's script becomes one in memory.
  std::FILE* file = std::tmpfile();
  if (!file) return out;
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  out.started = true;
  std::vector<ScriptWarning> warnings = checkScript(file);
  std::rewind(file);
  for (ScriptWarning& w : pagePassedOverLines(file)) warnings.push_back(std::move(w));
  std::stable_sort(warnings.begin(), warnings.end(),
                   [](const ScriptWarning& a, const ScriptWarning& b) { return a.line < b.line; });
  for (const auto& w : warnings) out.warnings.push_back(formatScriptWarning("script", w));
  std::rewind(file);
  m_stepper = std::make_unique<ScriptStepper>(ScriptFile(file), m_actions);
  return out;
}

ScriptStep PageSession::stepScript() {
  if (!m_stepper) return {"end", 0};
  const ScriptWait w = m_stepper->next();
  // A "canvass" line is passed over: the page's own canvas stays.
  if (m_host.xmax() != m_canvasX || m_host.ymax() != m_canvasY) {
    m_host.setCanvas(m_canvasX, m_canvasY);
    retrace();
  }
  const char* kind = w.kind == ScriptWait::Time    ? "time"
                     : w.kind == ScriptWait::Pause ? "pause"
                                                   : "end";
  const double ms = w.ms > 0 ? static_cast<double>(w.ms) : 0;  // a negative time waits not at all
  if (w.kind == ScriptWait::End) m_stepper.reset();
  return {kind, ms};
}

void PageSession::stopScript() { m_stepper.reset(); }

}  // namespace kelvane::web
