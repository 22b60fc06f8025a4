#include "script/headless_host.h"

#include <cstdio>

#include "script/script_reader.h"

namespace kelvane {

namespace {

// Fill percentages outside 1..99 are held at the nearer end.
constexpr int kFillPercentMin = 1;
constexpr int kFillPercentMax = 99;

}  // namespace

HeadlessHost::HeadlessHost() {
  m_model.setBeamMode(kSingleBeamMode);
  // A lens view opens with its lens traced, before any script line runs.
  retrace();
}

void HeadlessHost::note(const std::string& text) {
  if (onNote) onNote(text);
}

void HeadlessHost::setLensValues(const std::array<double, 5>& v) { m_model.setLensValues(v); }

void HeadlessHost::setIndexRatio(double ratio) {
  m_model.setIndexRatio(ratio);
  char text[64];
  std::snprintf(text, sizeof text, "rindex %.2f", rindexFromRatio(ratio));
  note(text);
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
  if (a < 0)
    m_model.unlockWidth();
  else
    m_model.lockWidth(a);
  refreshLensControl();
}

void HeadlessHost::setFillPercent(int percent) {
  if (percent > kFillPercentMax) percent = kFillPercentMax;
  if (percent < kFillPercentMin) percent = kFillPercentMin;
  m_model.setFill(percent * 0.01);
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
