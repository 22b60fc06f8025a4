// The script reader: tokens, comments, case, argument kinds and lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "script/script_reader.h"

namespace kelvane {
namespace {

std::vector<std::string> tokens(std::string_view text) {
  ScriptLine line(text);
  std::vector<std::string> out;
  while (auto t = line.nextToken()) out.emplace_back(*t);
  return out;
}

TEST(ScriptReader, DelimitersAreInterchangeableAndRunsCountAsOne) {
  const std::vector<std::string> want{"lens", "1", "2", "3"};
  EXPECT_EQ(tokens("lens 1,2,3\n"), want);
  EXPECT_EQ(tokens("lens 1 2 3"), want);
  EXPECT_EQ(tokens("  lens,, 1\t,2 ,\t3  ,\n"), want);
  EXPECT_EQ(tokens("lens 1,2,3\r\n"), want) << "a CR LF line end is a line end";
  EXPECT_TRUE(tokens("").empty());
  EXPECT_TRUE(tokens(" ,\t\n").empty());
  // Other punctuation belongs to the token.
  EXPECT_EQ(tokens("a;b.c"), std::vector<std::string>{"a;b.c"});
}

TEST(ScriptReader, KeywordsCommentsAndUnknownWords) {
  auto keyword = [](std::string_view text) {
    ScriptLine line(text);
    return scriptKeyword(line);
  };
  EXPECT_EQ(keyword("lens 1 2 3 4 5"), KW_LENS);
  EXPECT_EQ(keyword("LENS 1"), KW_LENS);
  EXPECT_EQ(keyword("Fade"), KW_FADE);
  EXPECT_EQ(keyword("window"), KW_WINDOW);
  EXPECT_EQ(keyword("trace multibeam"), KW_TRACE);
  // Comments, whatever follows the punctuation.
  EXPECT_EQ(keyword("; lens 1 2 3 4 5"), -1);
  EXPECT_EQ(keyword(";lens 1 2 3 4 5"), -1);
  EXPECT_EQ(keyword("#lens"), -1);
  EXPECT_EQ(keyword("-lens"), -1);
  EXPECT_EQ(keyword("!stop"), -1);
  EXPECT_EQ(keyword("   \n"), -1);
  // Not keywords: unknown words, "endskip", a keyword with more letters.
  EXPECT_EQ(keyword("lenses 1 2"), -1);
  EXPECT_EQ(keyword("endskip"), -1);
  EXPECT_EQ(keyword("42 lens"), -1);
  // The line goes on after the keyword.
  ScriptLine line("delay 250 extra");
  EXPECT_EQ(scriptKeyword(line), KW_DELAY);
  EXPECT_EQ(*line.nextToken(), "250");
}

TEST(ScriptReader, CommentTokensArePrintablePunctuationOnly) {
  EXPECT_TRUE(isCommentToken(";"));
  EXPECT_TRUE(isCommentToken("//x"));
  EXPECT_TRUE(isCommentToken("~"));
  EXPECT_FALSE(isCommentToken("a;"));
  EXPECT_FALSE(isCommentToken("9"));
  EXPECT_FALSE(isCommentToken("\x80x"));  // not ASCII: an unknown word instead
}

TEST(ScriptReader, AtoiTakesTheLeadingIntegerWithSign) {
  EXPECT_EQ(scriptAtoi("123"), 123);
  EXPECT_EQ(scriptAtoi("-45"), -45);
  EXPECT_EQ(scriptAtoi("+7"), 7);
  EXPECT_EQ(scriptAtoi("12ab"), 12);
  EXPECT_EQ(scriptAtoi("ab"), 0);
  EXPECT_EQ(scriptAtoi("-"), 0);
  EXPECT_EQ(scriptAtoi("3.9"), 3);
  EXPECT_EQ(scriptAtoi("99999999999999999999"), INT_MAX);
  EXPECT_EQ(scriptAtoi("-99999999999999999999"), INT_MIN);
  EXPECT_EQ(scriptAtoi("-2147483648"), INT_MIN);
}

TEST(ScriptReader, NextIntWantsALeadingDigit) {
  ScriptLine line("10 -5 x7 7x");
  EXPECT_EQ(nextInt(line), 10);
  EXPECT_EQ(nextInt(line), MISSING_INT) << "a sign makes a count missing";
  EXPECT_EQ(nextInt(line), MISSING_INT);
  EXPECT_EQ(nextInt(line), 7);
  EXPECT_EQ(nextInt(line), MISSING_INT) << "no token";
  EXPECT_EQ(MISSING_INT, -2147483647 - 1);
}

TEST(ScriptReader, NextRealReadsTheLeadingNumber) {
  ScriptLine line("1.5 -2 .25 abc 2.5x");
  EXPECT_DOUBLE_EQ(nextReal(line), 1.5);
  EXPECT_DOUBLE_EQ(nextReal(line), -2.0);
  EXPECT_DOUBLE_EQ(nextReal(line), 0.25);
  EXPECT_DOUBLE_EQ(nextReal(line), 0.0);
  EXPECT_DOUBLE_EQ(nextReal(line), 2.5);
  EXPECT_DOUBLE_EQ(nextReal(line), 0.0) << "no token";
}

TEST(ScriptReader, LookupWordIgnoresCaseAndReportsMisses) {
  EXPECT_EQ(lookupWord("MultiBeam", kBeamModeWords), 1);
  EXPECT_EQ(lookupWord("beam", kBeamModeWords), 0);
  EXPECT_EQ(lookupWord("beams", kBeamModeWords), -1);
  EXPECT_EQ(lookupWord(std::nullopt, kBeamModeWords), -1);
  EXPECT_EQ(lookupWord("outrb", kAnchorWords), 7);
  EXPECT_EQ(lookupWord("Lock", kWidthWords), WIDTH_LOCK);
  EXPECT_EQ(lookupWord("cccv", kShapeWords), 2);
  EXPECT_TRUE(equalsIgnoreCase("EndSkip", kEndSkipWord));
}

TEST(ScriptReader, LensSpecReadsFiveCountsAndAShape) {
  {
    ScriptLine line("219,163,143,260,112,cvcc 9");
    const LensSpec s = readLensSpec(line);
    EXPECT_EQ(s.values, (std::array<double, 5>{219, 163, 143, 260, 112}));
    EXPECT_EQ(s.shape, 1);
    EXPECT_EQ(*line.nextToken(), "9") << "the shape token is consumed";
  }
  {
    ScriptLine line("1 2 3 4 5");
    EXPECT_EQ(readLensSpec(line).shape, 0) << "no shape word: CVCV";
  }
  {
    ScriptLine line("1 2 3 4 5 round next");
    EXPECT_EQ(readLensSpec(line).shape, 0) << "an unknown shape word gives CVCV";
    EXPECT_EQ(*line.nextToken(), "next") << "and is consumed all the same";
  }
  {
    ScriptLine line("100 -163 143 260 112 CCCC");
    const LensSpec s = readLensSpec(line);
    EXPECT_EQ(s.values[1], -2147483648.0) << "a count may not start with a sign";
    EXPECT_EQ(s.shape, 3);
  }
}

class ScriptFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_file = std::tmpfile();
    ASSERT_NE(m_file, nullptr);
  }
  void TearDown() override { std::fclose(m_file); }
  void write(const std::string& text) {
    std::fputs(text.c_str(), m_file);
    std::rewind(m_file);
  }
  std::vector<std::string> lines() {
    std::vector<std::string> out;
    std::string line;
    while (readScriptLine(m_file, line)) out.push_back(line);
    return out;
  }
  std::FILE* m_file = nullptr;
};

TEST_F(ScriptFileTest, LinesKeepTheirLineFeed) {
  write("lens 1\n\nstop");
  EXPECT_EQ(lines(), (std::vector<std::string>{"lens 1\n", "\n", "stop"}));
}

TEST_F(ScriptFileTest, ALongLineGoesOnAsTheNextLine) {
  // 399 characters fit; the 400th starts the next line.
  const std::string head = "sleep 5 " + std::string(399 - 8, 'x');
  write(head + "lens 1,2,3,4,5\nstop\n");
  const auto got = lines();
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0], head);
  EXPECT_EQ(got[0].size(), 399u);
  EXPECT_EQ(got[1], "lens 1,2,3,4,5\n") << "the remainder is read as a line of its own";
  ScriptLine rest(got[1]);
  EXPECT_EQ(scriptKeyword(rest), KW_LENS);
}

TEST_F(ScriptFileTest, ALongCommentIsOneLine) {
  const std::string comment =
      "; " + std::string(397, 'c') + "lens 1 2 3 4 5 " + std::string(600, 'c');
  write(comment + "\nstop\n");
  const auto got = lines();
  ASSERT_EQ(got.size(), 2u) << "its tail is no line of its own";
  EXPECT_EQ(got[0], comment.substr(0, 399));
  EXPECT_EQ(got[1], "stop\n");
}

}  // namespace
}  // namespace kelvane
