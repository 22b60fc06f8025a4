// A lens traced as the lens view traces it, into a buffer of its own, and
// its drawing: where the picture tests and the drawing benchmarks start.
#pragma once

#include <vector>

#include "draw/lens_picture.h"
#include "optics/focus.h"
#include "optics/fpflags.h"

namespace kelvane::draw::test {

struct TracedPicture {
  TracerContext ctx;
  std::vector<TracePoint> buffer;
  LensDrawing drawing;

  // mode 1: the multi-beam fans; otherwise single beams with every record.
  TracedPicture(const Lens& lens, int mode, double rayEndX = kInitialCurrentSettings.rayEndX) {
    BeamSettings settings = kInitialCurrentSettings;
    buffer.assign(mode == 1 ? MULTI_BEAM_POINTS : SINGLE_BEAM_POINTS, TracePoint{0, 0});
    settings.pointsMode = mode == 1 ? 1 : 3;
    settings.traceBuffer = buffer.data();
    settings.rayEndX = rayEndX;
    fpClearFlags();
    if (mode == 1)
      findFoci(ctx, lens, settings);
    else
      findFocus(ctx, lens, settings);
    drawing = LensDrawing{lens, mode, &ctx.results, buffer.data(), static_cast<int>(buffer.size())};
  }
  TracedPicture(const TracedPicture&) = delete;
  TracedPicture& operator=(const TracedPicture&) = delete;
};

}  // namespace kelvane::draw::test
