// The glass catalogue against the makers' published figures, and the
// reading of its file.
#include "optics/glass_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace kelvane {
namespace {

TEST(GlassCatalogue, IndicesAndAbbeNumbersAreThePublishedOnes) {
  ASSERT_EQ(glassCatalogue().size(), 7u);
  const Glass* bk7 = findGlass("n-bk7");
  const Glass* sf11 = findGlass("N-SF11");
  ASSERT_TRUE(bk7 && sf11);
  EXPECT_NEAR(bk7->nd(), 1.51680, 5e-6);
  EXPECT_NEAR(bk7->abbe(), 64.17, 5e-3);
  EXPECT_NEAR(bk7->index(kLineF), 1.52238, 5e-6);
  EXPECT_NEAR(sf11->nd(), 1.78472, 5e-6);
  EXPECT_NEAR(sf11->abbe(), 25.68, 5e-3);
  // Squared coefficients are read as the square of the value written.
  EXPECT_NEAR(findGlass("fused silica")->nd(), 1.45846, 5e-5);
}

TEST(GlassCatalogue, NamesTitlesAndRanges) {
  EXPECT_EQ(findGlass("Fused Silica"), findGlass("fused-silica"));
  EXPECT_EQ(findGlass("XYZ"), nullptr);
  const Glass* pmma = findGlass("PMMA");
  EXPECT_TRUE(pmma->covers(436.8));
  EXPECT_FALSE(pmma->covers(420));
  EXPECT_TRUE(std::isinf(findGlass("diamond")->maxNm));
}

TEST(GlassCatalogue, AMalformedTextNamesItsLine) {
  EXPECT_THROW(parseGlassCatalogue("glass X\ntitle X\nB 1 2\nC 1\nrange 300 700\nsource s\n"),
               std::runtime_error);
  try {
    parseGlassCatalogue("glass X\ntitle X\nB 1\nC one\n");
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "glass catalogue line 4: \"one\" is not a number");
  }
}

}  // namespace
}  // namespace kelvane
