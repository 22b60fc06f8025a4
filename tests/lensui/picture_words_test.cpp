// The lens view's picture in the windows' language: the key's and the
// read-out's words come from the translation, the numbers stay as drawn in
// English, and the table lupdate reads holds every word of the picture.
#include "lensui/picture_words.h"

#include <gtest/gtest.h>

#include <QTranslator>
#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "draw/caption.h"
#include "draw/legend_words.h"
#include "lens_test_support.h"
#include "lensui/lens_paint.h"

namespace kelvane {
namespace {

TEST(PictureWords, TableHoldsExactlyTheKeyWords) {
  std::set<std::string> table(pictureWordTable().begin(), pictureWordTable().end());
  std::set<std::string> key(draw::kLegendWords.begin(), draw::kLegendWords.end());
  EXPECT_EQ(table, key);
}

// The numbers of a text, as written: the words around them may change, the
// numbers (and their decimal points) may not.
std::vector<std::string> numbersOf(const std::string& text) {
  std::vector<std::string> numbers;
  const std::regex number("-?[0-9]+([.,][0-9]+)?");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
       it != std::sregex_iterator(); ++it)
    numbers.push_back(it->str());
  return numbers;
}

std::vector<std::string> viewTexts() {
  draw::PictureOptions options = currentPictureOptions();
  options.legend = true;
  options.style.zoom = 1.5;
  options.caption = draw::captionFacts(lensSession().model);
  const draw::DisplayList list =
      draw::lensPicture(draw::pictureOf(lensSession().model), 1000, 700, 96, 96, options);
  std::vector<std::string> texts;
  for (const draw::Primitive& p : list.items)
    if (const auto* t = std::get_if<draw::Text>(&p)) texts.push_back(t->text);
  return texts;
}

TEST(PictureWords, GermanWindowsDrawAGermanKeyAndKeepTheNumbers) {
  test::resetLensSession();
  openLensView(nullptr, kSingleBeamMode);
  const std::vector<std::string> english = viewTexts();
  const std::string note = "1.50 \u00D7 true scale";
  EXPECT_NE(std::find(english.begin(), english.end(), "centre depth"), english.end());
  EXPECT_NE(std::find(english.begin(), english.end(), note), english.end());

  QTranslator german;
  ASSERT_TRUE(german.load(QStringLiteral(KELVANE_QM_DIR "/kelvane_de.qm")));
  QCoreApplication::installTranslator(&german);
  const std::vector<std::string> translated = viewTexts();
  QCoreApplication::removeTranslator(&german);
  test::resetLensSession();

  EXPECT_NE(std::find(translated.begin(), translated.end(), "Mittendicke"), translated.end());
  EXPECT_NE(std::find(translated.begin(), translated.end(), "1.50 \u00D7 natürliche Größe"),
            translated.end());
  ASSERT_FALSE(english.empty());
  EXPECT_TRUE(english[0].starts_with("f = ") &&
              english[0].find("   paraxial focus ") != std::string::npos)
      << english[0];
  EXPECT_NE(translated[0].find("   paraxialer Brennpunkt "), std::string::npos) << translated[0];
  EXPECT_NE(std::find(translated.begin(), translated.end(), "1 Zoll"), translated.end());
  ASSERT_EQ(translated.size(), english.size());
  for (size_t i = 0; i < english.size(); ++i)
    EXPECT_EQ(numbersOf(translated[i]), numbersOf(english[i]));
}

}  // namespace
}  // namespace kelvane
