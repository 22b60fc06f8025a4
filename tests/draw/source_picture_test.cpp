// The source in the picture: the paraxial focus ring in every mode, and a
// point or object instead of the parallel beams, its image solid when real
// and dashed when virtual, with the paraxial image beside it.
#include <gtest/gtest.h>

#include <variant>

#include "draw/legend.h"
#include "draw/source_picture.h"
#include "model/lens_model.h"

namespace kelvane::draw {
namespace {

const Lens kBiconvex{300, 200, 300, 200, 80, 1};

struct Counts {
  int rings = 0;      // hollow circles in the paraxial colour
  int dashed = 0;     // dashed lines or paths
  int beamPaths = 0;  // paths in the blue of the parallel beams
  int diamonds = 0;   // closed five-point paths in the paraxial colour
};

Counts count(const DisplayList& list) {
  Counts c;
  for (const Primitive& p : list.items) {
    if (const auto* e = std::get_if<EllipseShape>(&p))
      c.rings += e->pen && e->pen->color == kParaxialColor && !e->fill;
    if (const auto* l = std::get_if<Line>(&p)) c.dashed += l->pen.dash == Dash::Dash;
    if (const auto* l = std::get_if<Polyline>(&p)) {
      c.dashed += l->pen.dash == Dash::Dash;
      c.beamPaths += l->pen.color == kBeamColors[2] && l->points.size() >= 3;
      c.diamonds += l->pen.color == kParaxialColor && l->points.size() == 5;
    }
  }
  return c;
}

DisplayList pictureWith(LensModel& model, const LightSource& source, int mode = kSingleBeamMode) {
  model.setLens(kBiconvex);
  model.setSource(source);
  model.setBeamMode(mode);
  model.retrace();
  return lensPicture(pictureOf(model), 860, 720, 96, 96);
}

TEST(SourcePicture, ParallelLightKeepsItsBeamsAndGainsTheParaxialFocus) {
  LensModel model;
  for (const int mode : {kSingleBeamMode, kMultiBeamMode}) {
    const Counts c = count(pictureWith(model, LightSource{}, mode));
    EXPECT_EQ(c.rings, 1) << mode;
    EXPECT_EQ(c.diamonds, 0) << mode;
  }
  EXPECT_GT(count(pictureWith(model, LightSource{})).beamPaths, 0);
}

TEST(SourcePicture, RealImageSolidVirtualImageDashedWithTheirRaysExtendedBack) {
  LensModel model;
  const Counts real = count(pictureWith(model, LightSource{SourceKind::Object, 600, 50}));
  EXPECT_EQ(real.diamonds, 1);
  EXPECT_EQ(real.dashed, 0);
  EXPECT_EQ(real.beamPaths, 0) << "the object's rays replace the parallel beams";
  const Counts virt = count(pictureWith(model, LightSource{SourceKind::Object, 100, 30}));
  EXPECT_EQ(virt.diamonds, 1);
  // The image arrow's shaft and head, and a backward extension per ray.
  EXPECT_GE(virt.dashed, 2 + kSourceRays);
  const auto rows = legendRows(pictureOf(model));
  EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                          [](const LegendRow& r) { return r.label == "virtual image (traced)"; }));
}

}  // namespace
}  // namespace kelvane::draw
