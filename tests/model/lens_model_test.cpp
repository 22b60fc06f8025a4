// The lens model: its retrace rule against the tracer called directly, its
// buffer per beam mode, its observers and the single-beam trace it keeps
// beside the fans.
#include "model/lens_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "optics/focus.h"
#include "optics/fpflags.h"

namespace kelvane {
namespace {

constexpr Lens kBiconvex{300, 200, 300, 200, 80, 1};

// The tracer run by hand on the model's inputs, into a buffer of `points`.
struct Direct {
  std::vector<TracePoint> buffer;
  TracerContext ctx;
  int status = 0;
  Direct(const LensModel& m, int mode) : buffer(mode ? MULTI_BEAM_POINTS : SINGLE_BEAM_POINTS) {
    BeamSettings s = m.settings();
    s.pointsMode = mode ? 1 : 3;
    s.traceBuffer = buffer.data();
    ctx.indexRatio = m.indexRatio();
    fpClearFlags();
    if (mode)
      status = findFoci(ctx, m.lens(), s);
    else
      findFocus(ctx, m.lens(), s);
  }
};

bool sameBits(const void* a, const void* b, std::size_t n) { return std::memcmp(a, b, n) == 0; }

TEST(LensModelTrace, RetracesAsTheTracerDoesInEitherBeamMode) {
  LensModel m;
  m.setLens(kBiconvex);
  m.setIndexRatio(1 / 1.6);
  m.setState(m.state().withFill(0.7));
  m.setRayEnd(860);
  EXPECT_EQ(m.retrace(), -1) << "no buffer: nothing is traced";
  for (int mode : {kSingleBeamMode, kMultiBeamMode}) {
    m.setBeamMode(mode);
    ASSERT_EQ(m.retrace(), 0);
    const Direct d(m, mode);
    ASSERT_EQ(m.bufferPoints(), static_cast<int>(d.buffer.size()));
    EXPECT_TRUE(sameBits(m.buffer(), d.buffer.data(), d.buffer.size() * sizeof(TracePoint)));
    EXPECT_EQ(m.results().width, d.ctx.results.width);
    EXPECT_EQ(m.results().fanCounts, d.ctx.results.fanCounts);
    if (mode == kSingleBeamMode) {
      EXPECT_EQ(m.results().focus, d.ctx.results.focus);
      EXPECT_EQ(m.results().devpcnt, d.ctx.results.devpcnt);
    }
  }
}

TEST(LensModelTrace, ABufferPerModeAndARefusedLayoutLeavesNoCounts) {
  LensModel m;
  m.setBeamMode(kMultiBeamMode);
  const TracePoint* buffer = m.buffer();
  ASSERT_EQ(m.retrace(), 0);
  ASSERT_GT(m.results().fanCounts[4], 0);
  m.setBeamMode(kMultiBeamMode);
  EXPECT_EQ(m.buffer(), buffer) << "the same mode keeps its buffer and records";
  EXPECT_GT(m.results().fanCounts[4], 0);
  // A lens with no rim and a negative height: the width falls below the least.
  m.setLens(Lens{300, -200, 250, 240, 60, 2});
  EXPECT_EQ(m.retrace(), -1);
  EXPECT_TRUE(m.layoutRefused());
  EXPECT_EQ(m.results().fanCounts, (std::array<std::int32_t, FAN_COUNT>{}));
  m.setLens(kInitialLens);
  m.retrace();
  m.setBeamMode(kSingleBeamMode);
  EXPECT_EQ(m.bufferPoints(), SINGLE_BEAM_POINTS);
  EXPECT_EQ(m.results().fanCounts, (std::array<std::int32_t, FAN_COUNT>{}))
      << "a new buffer holds no beam";
  m.releaseBuffer();
  EXPECT_FALSE(m.hasBuffer());
  EXPECT_EQ(m.buffer(), nullptr);
}

TEST(LensModelTrace, ObserversHearRetracesAndBuffersNotEdits) {
  LensModel m;
  int told = 0;
  const int id = m.observe([&] { ++told; });
  m.setLens(kBiconvex);
  m.setState(m.state().withLock(50));
  EXPECT_EQ(told, 0);
  m.setBeamMode(kSingleBeamMode);
  m.retrace();
  EXPECT_EQ(told, 2);
  m.unobserve(id);
  m.retrace();
  EXPECT_EQ(told, 2);
}

TEST(LensModelTrace, TheSingleBeamTraceBesideTheFansIsTheSingleModesOwn) {
  LensModel single;
  single.setLens(kBiconvex);
  single.setBeamMode(kSingleBeamMode);
  single.retrace();
  LensModel multi;
  multi.setLens(kBiconvex);
  multi.setBeamMode(kMultiBeamMode);
  multi.retrace();
  const SingleBeamTrace& beside = multi.singleBeamTrace();
  EXPECT_EQ(beside.results.focus, single.results().focus);
  EXPECT_EQ(beside.results.dev, single.results().dev);
  EXPECT_EQ(beside.results.beamCount, single.results().beamCount);
  EXPECT_TRUE(sameBits(beside.buffer, single.buffer(), SINGLE_BEAM_POINTS * sizeof(TracePoint)));
  // An edit not yet retraced, or a report's lens traced in the model's
  // context: the trace is still of the model's lens as it stands.
  single.setIndexRatio(1 / 1.8);
  const double focus = Direct(single, kSingleBeamMode).ctx.results.focus;
  EXPECT_EQ(single.singleBeamTrace().results.focus, focus);
  single.retrace();
  testFindFocus(single.reportContext());
  EXPECT_EQ(single.singleBeamTrace().results.focus, focus);
}

// The source is lens state (an undo step puts it back) and a finite one
// leaves the beams, their records and every number of today alone.
TEST(LensModelTrace, ASourceIsStateAndLeavesTheBeamsAsTheyWere) {
  LensModel plain;
  plain.setLens(kBiconvex);
  plain.setBeamMode(kSingleBeamMode);
  plain.retrace();
  LensModel lit;
  lit.setLens(kBiconvex);
  LensState state = lit.state();
  state.source = LightSource{SourceKind::Object, 600, 80};
  EXPECT_FALSE(state == lit.state());
  lit.setState(state);
  EXPECT_EQ(lit.state().source, state.source);
  lit.setBeamMode(kSingleBeamMode);
  lit.retrace();
  EXPECT_TRUE(sameBits(&lit.results(), &plain.results(), sizeof(TraceResults)));
  EXPECT_TRUE(sameBits(lit.buffer(), plain.buffer(), SINGLE_BEAM_POINTS * sizeof(TracePoint)));
  EXPECT_TRUE(lit.sourceTrace().tip.image.found);
  lit.reset();
  EXPECT_EQ(lit.source(), LightSource{});
}

}  // namespace
}  // namespace kelvane
