#include "script/headless_host.h"

#include <algorithm>
#include <cstdio>

#include "model/source_text.h"
#include "script/script_reader.h"

namespace kelvane {

HeadlessHost::HeadlessHost(const LightSource& source, const ColourState& colour) {
  m_model.setSource(source);
  m_model.setColour(colour);
  m_model.setBeamMode(kSingleBeamMode);
  // A lens view opens with its lens traced, before any script line runs.
  retrace();
}

void HeadlessHost::note(const std::string& text) {
  if (onNote) onNote(text);
}

void HeadlessHost::setLensValues(const std::array<double, 5>& v) {
  m_model.setLens(Lens{v[0], v[1], v[2], v[3], v[4], m_model.lens().shape});
}

void HeadlessHost::setIndexRatio(double ratio) {
  m_model.setIndexRatio(ratio);
  char text[64];
  std::snprintf(text, sizeof text, "rindex %.2f", rindexFromRatio(ratio));
  note(text);
}

void HeadlessHost::setSource(const LightSource& source) {
  m_model.setSource(source);
  note("source " + sourceText(source));
}

void HeadlessHost::setColour(const ColourState& colour) {
  m_model.setColour(colour);
  note(colourText(colour));
}

void HeadlessHost::setCanvas(int xmax, int ymax) {
  if (xmax > 0) m_xmax = xmax;
  if (ymax > 0) m_ymax = ymax;
  note("canvass " + std::to_string(m_xmax) + "," + std::to_string(m_ymax));
}

void HeadlessHost::setBeamMode(int mode) {
  m_model.setBeamMode(mode != 0 ? kMultiBeamMode : kSingleBeamMode);
  note(std::string("trace ") + std::string(kBeamModeWords[m_model.beamMode()]));
}

void HeadlessHost::retrace() {
  // What the dialog's refresh does to the numbers: the drawn rays end at
  // the canvas edge, then the lens is traced as it stands.
  m_model.setRayEnd(m_xmax);
  m_model.retrace();
}

void HeadlessHost::refreshLensControl() {
  retrace();
  ++m_refreshCount;
  if (onRefresh) onRefresh(*this);
}

void HeadlessHost::setLockWidth(int a) {
  m_model.setState(m_model.state().withLock(a));
  refreshLensControl();
}

void HeadlessHost::setFillPercent(int percent) {
  percent = std::clamp(percent, kFillMinPercent, kFillMaxPercent);
  m_model.setState(m_model.state().withFill(percent * 0.01));
  refreshLensControl();
}

void HeadlessHost::moveLensView(int x, int y, int w, int h) {
  if (x >= 0) {
    m_viewLeft = x;
    m_viewTop = y;
  }
  if (w >= 0) {
    m_viewWidth = w;
    m_viewHeight = h;
  }
  char text[96];
  std::snprintf(text, sizeof text, "window %d,%d,%d,%d", m_viewLeft, m_viewTop, m_viewWidth,
                m_viewHeight);
  note(text);
}

void HeadlessHost::placeLensControl(int anchor, int dx, int dy) {
  char text[96];
  std::snprintf(text, sizeof text, "dialog placed %s %d,%d",
                std::string(kAnchorWords[anchor]).c_str(), dx, dy);
  note(text);
}

}  // namespace kelvane
