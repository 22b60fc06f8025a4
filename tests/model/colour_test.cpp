// Colour: which states can be traced, and the model's traces per wavelength.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "model/colour_state.h"
#include "model/lens_model.h"

namespace kelvane {
namespace {

constexpr Lens kBiconvex{300, 200, 300, 200, 80, 1};

TEST(ColourProblem, SaysWhyAStateCannotBeTraced) {
  EXPECT_EQ(colourProblem({}), "");
  EXPECT_EQ(colourProblem({.glass = "fused silica", .water = true, .white = true}), "");
  EXPECT_EQ(colourProblem({.glass = "XYZ"}),
            "unknown glass \"XYZ\" (kelvane-cli glasses lists them)");
  EXPECT_EQ(colourProblem({.wavelength = 900}), "wavelength 900 nm is outside 380-780 nm");
  EXPECT_NE(colourProblem({.wavelength = NAN}), "");
  EXPECT_EQ(colourProblem({.glass = "PMMA", .white = true}),
            "PMMA (acrylic) is measured from 436.8 to 1052 nm, not at 420 nm");
  EXPECT_EQ(colourProblem({.glass = "N-SF11", .wavelength = 380}), "");
}

TEST(ColourIndexRatio, CustomInAirIsTheRatioItself) {
  const double ratio = 1.0 / 1.5;
  const double traced = colourIndexRatio({}, ratio, kLineD);
  EXPECT_EQ(std::memcmp(&traced, &ratio, sizeof ratio), 0);
  const double water = findGlass("water")->index(kLineF);
  EXPECT_DOUBLE_EQ(colourIndexRatio({.water = true}, ratio, kLineF), water * ratio);
  EXPECT_DOUBLE_EQ(colourIndexRatio({.glass = "N-BK7"}, ratio, kLineF),
                   1.0 / findGlass("N-BK7")->index(kLineF));
  EXPECT_EQ(colourIndexRatio({.glass = "XYZ"}, ratio, kLineF), ratio);
}

TEST(LensModelColour, TheDefaultStateTracesTheStoredRatioBitForBit) {
  LensModel m;
  m.setLens(kBiconvex);
  m.setIndexRatio(1.0 / 1.7);
  const double stored = 1.0 / 1.7;
  const double traced = m.indexRatio();
  EXPECT_EQ(std::memcmp(&traced, &stored, sizeof stored), 0);
  m.setBeamMode(kSingleBeamMode);
  m.retrace();
  EXPECT_TRUE(m.colourTraces().empty());
  EXPECT_TRUE(std::isnan(m.longitudinalChromaticAberration()));
}

TEST(LensModelColour, WhiteLightFocusesBlueNearerThanRed) {
  for (int mode : {kSingleBeamMode, kMultiBeamMode}) {
    LensModel m;
    m.setLens(kBiconvex);
    m.setColour({.glass = "N-BK7", .white = true});
    m.setBeamMode(mode);
    ASSERT_EQ(m.retrace(), 0);
    const auto& traces = m.colourTraces();
    ASSERT_EQ(traces.size(), kWhiteWavelengths.size());
    EXPECT_EQ(traces.front().nm, 420);
    EXPECT_EQ(traces.back().buffer.size(), static_cast<std::size_t>(m.bufferPoints()));
    EXPECT_LT(traces.front().singleBeam.focus, traces.back().singleBeam.focus);
    EXPECT_GT(m.longitudinalChromaticAberration(), 0);
    // The main trace is at d, as the d trace of the white ones is.
    EXPECT_EQ(m.indexRatio(), traces[4].indexRatio);
    EXPECT_EQ(m.singleBeamTrace().results.focus, traces[4].singleBeam.focus);
  }
}

TEST(LensModelColour, TheColourIsPartOfTheStateAndResetClearsIt) {
  LensModel m;
  m.setColour({.glass = "N-F2", .water = true, .wavelength = kLineC});
  const LensState s = m.state();
  EXPECT_EQ(s.indexRatio, kInitialIndexRatio);  // the Custom ratio stays
  m.reset();
  EXPECT_TRUE(m.colour().isDefault());
  m.setState(s);
  EXPECT_EQ(m.colour().glass, "N-F2");
  EXPECT_EQ(m.state(), s);
  // An index edit keeps the glass; a results row's index is a Custom lens in air.
  m.setIndexRatio(0.6);
  EXPECT_EQ(m.colour().glass, "N-F2");
  EXPECT_EQ(m.state().withRowIndex(0.5).colour, ColourState{});
  EXPECT_EQ(m.state().withRowIndex(0.5).indexRatio, 0.5);
}

}  // namespace
}  // namespace kelvane
