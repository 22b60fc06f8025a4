// The readers behind every command's numbers, shapes, ranges and sizes.
#include "cli/number_argument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kelvane::cli {
namespace {

TEST(NumberArgument, OnlyWholeFiniteDecimalNumbersAreRead) {
  for (const char* text : {"12", "+12", "-1.5", ".5", "5.", "1e3", "2.5E-3", "1e-300"})
    EXPECT_EQ(parseDecimal(text), std::strtod(text, nullptr)) << text;
  for (const char* text : {"", " 1", "1 ", "0x10", "inf", "nan", "1e400", "12mm", "1e", ".", "-",
                           "1.2.3", "+-1", "1,5"})
    EXPECT_FALSE(parseDecimal(text)) << text;
  const std::optional<double> zero = parseDecimal("-0");
  ASSERT_TRUE(zero);
  EXPECT_FALSE(std::signbit(*zero)) << "-0 reads as 0";

  EXPECT_EQ(parseWhole("+256"), 256);
  EXPECT_EQ(parseWhole("-3"), -3);
  for (const char* text : {"", "0x10", "1.0", "1e3", "+-1", "99999999999999999999"})
    EXPECT_FALSE(parseWhole(text)) << text;
}

TEST(NumberArgument, ShapesRangesAndSizes) {
  EXPECT_EQ(parseShape("cvcc"), 1);
  EXPECT_EQ(parseShape("CcCv"), 2);
  EXPECT_EQ(parseShape("3"), 3);
  for (const char* text : {"", "4", "CVXX", "CVCVX", "cv"}) EXPECT_FALSE(parseShape(text)) << text;

  const std::optional<RangeText> one = parseRange("30");
  ASSERT_TRUE(one);
  EXPECT_EQ(one->first, 30);
  EXPECT_EQ(one->last, 30);
  EXPECT_FALSE(one->step);
  const std::optional<RangeText> stepped = parseRange("0.5:2:0.25");
  ASSERT_TRUE(stepped && stepped->step);
  EXPECT_EQ(stepped->last, 2);
  EXPECT_EQ(*stepped->step, 0.25);
  for (const char* text : {"", ":", "1:", "1::2", "1:2:3:4", "0x1:2", "1:inf"})
    EXPECT_FALSE(parseRange(text)) << text;

  const std::optional<PixelSize> size = parsePixelSize("860X720");
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 860);
  EXPECT_EQ(size->height, 720);
  for (const char* text : {"wide", "860x", "x720", "860x720x2", "-5x720", "99999999999x1"})
    EXPECT_FALSE(parsePixelSize(text)) << text;
}

}  // namespace
}  // namespace kelvane::cli
