#include "model/lens_model.h"

#include <cmath>
#include <limits>

#include "optics/focus.h"
#include "optics/fpflags.h"

namespace kelvane {

bool LensState::operator==(const LensState& o) const {
  const Lens& a = lens;
  const Lens& b = o.lens;
  return a.ivx == b.ivx && a.ivy == b.ivy && a.evx == b.evx && a.evy == b.evy &&
         a.depth == b.depth && a.shape == b.shape && indexRatio == o.indexRatio &&
         locked == o.locked && lockedWidth == o.lockedWidth && fill == o.fill &&
         source == o.source && colour == o.colour;
}

LensState LensState::withLock(double width) const {
  LensState out = *this;
  out.locked = width >= 0;
  if (width > 0) out.lockedWidth = width;
  return out;
}

LensState LensState::withFill(double f) const {
  LensState out = *this;
  out.locked = false;
  out.fill = f;
  return out;
}

LensState LensState::withRowIndex(double ratio) const {
  LensState out = *this;
  out.indexRatio = ratio;
  out.colour = {};
  return out;
}

LensModel::LensModel() = default;

LensState LensModel::state() const {
  return LensState{
      m_lens,   m_customRatio, m_settings.locked(), m_settings.lockedWidth, m_settings.fill,
      m_source, m_colour};
}

void LensModel::reset() {
  releaseBuffer();
  m_lens = kInitialLens;
  m_settings = kInitialCurrentSettings;
  m_ctx = TracerContext{};
  m_beamMode = kSingleBeamMode;
  m_source = {};
  m_sourceTrace = {};
  m_customRatio = kInitialIndexRatio;
  m_colour = {};
  m_colourTraces.clear();
  edited();
}

void LensModel::edited() {
  m_traced = false;
  m_singleFresh = false;
}

void LensModel::setLens(const Lens& lens) {
  m_lens = lens;
  edited();
}

void LensModel::setShape(int shape) {
  m_lens.shape = shape;
  edited();
}

double LensModel::indexRatioAt(double nm) const {
  return colourIndexRatio(m_colour, m_customRatio, nm);
}

void LensModel::setIndexRatio(double ratio) {
  m_customRatio = ratio;
  m_ctx.indexRatio = indexRatio();
  edited();
}

void LensModel::setColour(const ColourState& colour) {
  m_colour = colour;
  m_ctx.indexRatio = indexRatio();
  edited();
}

void LensModel::setState(const LensState& state) {
  m_lens = state.lens;
  m_customRatio = state.indexRatio;
  m_colour = state.colour;
  m_ctx.indexRatio = indexRatio();
  if (state.locked)
    m_settings.flags |= BEAM_LOCKED;
  else
    m_settings.flags &= ~BEAM_LOCKED;
  m_settings.lockedWidth = state.lockedWidth;
  m_settings.fill = state.fill;
  m_source = state.source;
  edited();
}

void LensModel::setRayEnd(double x) {
  m_settings.rayEndX = x;
  edited();
}

void LensModel::setSource(const LightSource& source) {
  m_source = source;
  edited();
}

void LensModel::setBeamMode(int mode) {
  const bool multi = mode != kSingleBeamMode;
  const std::size_t points = multi ? MULTI_BEAM_POINTS : SINGLE_BEAM_POINTS;
  // Kept only when it is the buffer of this mode: records laid out for the
  // other mode are not this mode's.
  if ((mode == kMultiBeamMode) == (m_beamMode == kMultiBeamMode) && m_buffer.size() == points)
    return;
  m_beamMode = multi ? kMultiBeamMode : kSingleBeamMode;
  m_settings.pointsMode = multi ? 1 : 3;
  // Zeroed, and the counts cleared: until the next trace the new buffer
  // holds no beam, and a picture before that must not read the old counts.
  m_buffer.assign(points, TracePoint{0, 0});
  m_settings.traceBuffer = m_buffer.data();
  m_ctx.results.beamCount = 0;
  m_ctx.results.fanCounts = {};
  m_colourTraces.clear();  // laid out for the other mode
  edited();
  notify();
}

void LensModel::releaseBuffer() {
  if (m_buffer.empty()) return;
  m_buffer = {};
  m_settings.traceBuffer = nullptr;
  m_colourTraces.clear();
  edited();
  notify();
}

int LensModel::retrace() {
  if (!m_settings.traceBuffer) return -1;
  // The tracer reads the sticky floating-point flags; whatever the caller's
  // own arithmetic left in them is not the lens's doing.
  fpClearFlags();
  m_ctx.indexRatio = indexRatio();
  int status = 0;
  if (m_beamMode == kMultiBeamMode) {
    // A refused layout traced no fan: no counts of an earlier trace stay.
    status = findFoci(m_ctx, m_lens, m_settings);
    if (status != 0) m_ctx.results.fanCounts = {};
  } else {
    findFocus(m_ctx, m_lens, m_settings);
    if (layoutRefused()) status = -1;
  }
  m_sourceTrace = traceSource(m_lens, m_ctx.indexRatio, m_settings, m_source);
  traceColours();
  m_traced = true;
  m_singleFresh = false;
  notify();
  return status;
}

void LensModel::traceColours() {
  m_colourTraces.clear();
  if (!m_colour.white) return;
  const bool multi = m_beamMode == kMultiBeamMode;
  std::vector<TracePoint> singleBuffer;
  for (double nm : m_colour.wavelengths()) {
    ColourTrace& c = m_colourTraces.emplace_back();
    c.nm = nm;
    c.indexRatio = indexRatioAt(nm);
    c.buffer.assign(m_buffer.size(), TracePoint{0, 0});
    BeamSettings settings = m_settings;
    settings.traceBuffer = c.buffer.data();
    TracerContext ctx;
    ctx.indexRatio = c.indexRatio;
    fpClearFlags();
    if (multi) {
      if (findFoci(ctx, m_lens, settings) != 0) ctx.results.fanCounts = {};
    } else {
      findFocus(ctx, m_lens, settings);
    }
    c.results = ctx.results;
    if (!multi) {
      c.singleBeam = c.results;
      continue;
    }
    // The fans hold no axis crossings: the focus is the single beams'.
    singleBuffer.assign(SINGLE_BEAM_POINTS, TracePoint{0, 0});
    settings.pointsMode = 3;
    settings.traceBuffer = singleBuffer.data();
    TracerContext single;
    single.indexRatio = c.indexRatio;
    fpClearFlags();
    findFocus(single, m_lens, settings);
    c.singleBeam = single.results;
  }
}

double LensModel::longitudinalChromaticAberration() const {
  constexpr double none = std::numeric_limits<double>::quiet_NaN();
  double f = 0, c = 0;
  for (const ColourTrace& t : m_colourTraces) {
    if (t.nm == kLineF) f = t.singleBeam.focus;
    if (t.nm == kLineC) c = t.singleBeam.focus;
  }
  return f != 0 && c != 0 ? c - f : none;
}

const SingleBeamTrace& LensModel::singleBeamTrace() const {
  if (m_beamMode == kSingleBeamMode && m_traced) {
    m_single = SingleBeamTrace{buffer(), bufferPoints(), m_ctx.results};
    return m_single;
  }
  if (m_singleFresh) return m_single;
  m_singleBuffer.assign(SINGLE_BEAM_POINTS, TracePoint{0, 0});
  BeamSettings single = m_settings;
  single.pointsMode = 3;
  single.traceBuffer = m_singleBuffer.data();
  m_singleCtx = TracerContext{};
  m_singleCtx.indexRatio = indexRatio();
  fpClearFlags();
  findFocus(m_singleCtx, m_lens, single);
  m_single = SingleBeamTrace{m_singleBuffer.data(), SINGLE_BEAM_POINTS, m_singleCtx.results};
  m_singleFresh = true;
  return m_single;
}

int LensModel::observe(std::function<void()> observer) {
  m_observers.emplace_back(++m_nextObserver, std::move(observer));
  return m_nextObserver;
}

void LensModel::unobserve(int id) {
  std::erase_if(m_observers, [id](const auto& o) { return o.first == id; });
}

void LensModel::notify() {
  // A copy: an observer may stop observing while it is told.
  const auto observers = m_observers;
  for (const auto& [id, observer] : observers) observer();
}

}  // namespace kelvane
