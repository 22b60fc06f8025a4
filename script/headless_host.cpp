#include "script/headless_host.h"

#include <cstdio>

#include "optics/focus.h"
#include "script/script_reader.h"

namespace kelvane {

namespace {

// Fill percentages outside 1..99 are held at the nearer end.
constexpr int kFillPercentMin = 1;
constexpr int kFillPercentMax = 99;

}  // namespace

HeadlessHost::HeadlessHost() {
  m_traceBuffer.assign(SINGLE_BEAM_POINTS, TracePoint{0, 0});
  m_settings.traceBuffer = m_traceBuffer.data();
  // A lens view opens with its lens traced, before any script line runs.
  retrace();
}

void HeadlessHost::note(const std::string& text) {
  if (onNote) onNote(text);
}

void HeadlessHost::setLensValues(const std::array<double, 5>& v) {
  m_lens.ivx = v[0];
  m_lens.ivy = v[1];
  m_lens.evx = v[2];
  m_lens.evy = v[3];
  m_lens.depth = v[4];
}

void HeadlessHost::setIndexRatio(double ratio) {
  m_ctx.indexRatio = ratio;
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
  m_beamMode = mode != 0 ? 1 : 0;
  m_settings.pointsMode = m_beamMode ? 1 : 3;
  m_traceBuffer.assign(m_beamMode ? MULTI_BEAM_POINTS : SINGLE_BEAM_POINTS, TracePoint{0, 0});
  m_settings.traceBuffer = m_traceBuffer.data();
  note(std::string("trace ") + std::string(kBeamModeWords[m_beamMode]));
}

void HeadlessHost::retrace() {
  // What the dialog's refresh does to the numbers: the drawn rays end at
  // the canvas edge, then the lens is traced as it stands.
  m_settings.rayEndX = m_xmax;
  if (m_beamMode) {
    // A refused layout traces no fan: no counts of an earlier trace stay.
    if (findFoci(m_ctx, m_lens, m_settings) != 0) m_ctx.results.fanCounts = {};
  } else
    findFocus(m_ctx, m_lens, m_settings);
}

void HeadlessHost::refreshLensControl() {
  retrace();
  ++m_refreshCount;
  if (onRefresh) onRefresh(*this);
}

void HeadlessHost::setLockWidth(int a) {
  if (a < 0) {
    m_settings.flags &= ~BEAM_LOCKED;
  } else {
    if (a > 0) m_settings.lockedWidth = a;
    m_settings.flags |= BEAM_LOCKED;
  }
  refreshLensControl();
}

void HeadlessHost::setFillPercent(int percent) {
  if (percent > kFillPercentMax) percent = kFillPercentMax;
  if (percent < kFillPercentMin) percent = kFillPercentMin;
  m_settings.flags &= ~BEAM_LOCKED;
  m_settings.fill = percent * 0.01;
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
