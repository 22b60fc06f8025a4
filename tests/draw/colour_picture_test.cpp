// Colour in the picture: the spectrum's colours and names, the rays of each
// wavelength in its colour, the key naming the wavelengths, the caption's
// words for the glass and light.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "draw/caption.h"
#include "draw/legend.h"
#include "draw/wavelength_rgb.h"
#include "tests/draw/traced_picture.h"

namespace kelvane::draw {
namespace {

using Traced = test::TracedPicture;

TEST(Spectrum, ColoursFollowTheVisibleSpectrumAndInksStayReadableOnWhite) {
  EXPECT_EQ(spectrumColour(440), (Rgb{0, 0, 255}));
  EXPECT_EQ(spectrumColour(510), (Rgb{0, 255, 0}));
  EXPECT_EQ(spectrumColour(580), (Rgb{255, 255, 0}));
  EXPECT_EQ(spectrumColour(645), (Rgb{255, 0, 0}));
  EXPECT_EQ(spectrumColour(380), (Rgb{97, 0, 97}));  // dimmed at the violet end
  EXPECT_EQ(spectrumColour(780), (Rgb{97, 0, 0}));   // and at the red end
  EXPECT_EQ(spectrumColour(300), Rgb{});
  EXPECT_EQ(spectrumColour(900), Rgb{});
  // Yellow darkens to an olive a thin line shows; blue stays as it is.
  EXPECT_EQ(spectrumInk(580), (Rgb{151, 151, 0}));
  EXPECT_EQ(spectrumInk(440), spectrumColour(440));
}

TEST(Spectrum, LabelsNameTheFraunhoferLines) {
  EXPECT_EQ(wavelengthLabel(420), "420 nm");
  EXPECT_EQ(wavelengthLabel(500.4), "500.4 nm");
  EXPECT_EQ(wavelengthLabel(kLineF), "486.1 nm (F)");
  EXPECT_EQ(wavelengthLabel(kLineD), "587.6 nm (d)");
  EXPECT_EQ(wavelengthLabel(kLineC), "656.3 nm (C)");
}

std::vector<Pen> polylinePens(const DisplayList& list) {
  std::vector<Pen> pens;
  for (const Primitive& p : list.items)
    if (const Polyline* l = std::get_if<Polyline>(&p)) pens.push_back(l->pen);
  return pens;
}

bool hasLineIn(const DisplayList& list, Rgb colour) {
  for (const Primitive& p : list.items)
    if (const Line* l = std::get_if<Line>(&p); l && l->pen.color == colour) return true;
  return false;
}

std::vector<std::string> texts(const DisplayList& list) {
  std::vector<std::string> out;
  for (const Primitive& p : list.items)
    if (const Text* t = std::get_if<Text>(&p)) out.push_back(t->text);
  return out;
}

TEST(ColourPicture, WhiteLightDrawsEachWavelengthsBeamsInItsColourAndNamesIt) {
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    Traced t(kInitialLens, mode);
    const int beams =
        static_cast<int>(polylinePens(lensPicture(t.drawing, 860, 720, 96, 96)).size());
    ASSERT_GT(beams, 0);
    LensDrawing white = t.drawing;
    for (double nm : {kLineF, kLineD, kLineC})
      white.colours.push_back({nm, &t.ctx.results, t.buffer.data(), int(t.buffer.size())});
    PictureOptions withKey;
    withKey.legend = true;
    const DisplayList list = lensPicture(white, 860, 720, 96, 96, withKey);
    const std::vector<Pen> pens = polylinePens(list);
    ASSERT_EQ(pens.size(), 3u * beams);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(pens[k * beams].color, spectrumInk(white.colours[k].nm));
    // No fan colours and no green rays of the ingress face alone.
    EXPECT_FALSE(hasLineIn(list, kBeamColors[1]));
    // Single beams come in as one grey beam of white light.
    EXPECT_EQ(hasLineIn(list, kWhiteLightColor), mode == 0);
    const std::vector<std::string> rows = texts(list);
    for (const char* name : {"486.1 nm (F)", "587.6 nm (d)", "656.3 nm (C)"})
      EXPECT_NE(std::find(rows.begin(), rows.end(), name), rows.end()) << name;
  }
}

TEST(ColourPicture, OneWavelengthDrawsTheBeamsInItsColourBesideTheGreenRays) {
  Traced t(kInitialLens, 0);
  LensDrawing one = t.drawing;
  one.colours.push_back({450, &t.ctx.results, t.buffer.data(), int(t.buffer.size())});
  PictureOptions withKey;
  withKey.legend = true;
  const DisplayList list = lensPicture(one, 860, 720, 96, 96, withKey);
  for (const Pen& pen : polylinePens(list)) EXPECT_EQ(pen.color, spectrumInk(450));
  EXPECT_TRUE(hasLineIn(list, kBeamColors[1]));
  const std::vector<std::string> rows = texts(list);
  EXPECT_EQ(rows.front(), "beams through the lens at 450 nm");
}

TEST(ColourPicture, CaptionNamesTheGlassAndLightOnlyWhenNotTheDefault) {
  EXPECT_EQ(colourWords(ColourState{}), "");
  ColourState c;
  c.glass = "N-BK7";
  c.white = true;
  EXPECT_EQ(colourWords(c), "N-BK7, white light");
  c = ColourState{};
  c.water = true;
  c.wavelength = kLineF;
  EXPECT_EQ(colourWords(c), "in water, 486.1 nm (F)");
  CaptionFacts facts;
  const std::string plain = captionText(facts);
  facts.light = "N-BK7, white light";
  EXPECT_EQ(captionText(facts), plain + "   N-BK7, white light");
}

}  // namespace
}  // namespace kelvane::draw
