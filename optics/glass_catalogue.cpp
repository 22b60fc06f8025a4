#include "optics/glass_catalogue.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "optics/glasses_text.h"  // generated from optics/glasses.txt

namespace kelvane {

double Glass::index(double nm) const {
  const double um = nm / 1000.0;
  const double l2 = um * um;
  double n2 = 1.0;
  for (std::size_t i = 0; i < B.size(); ++i) n2 += B[i] * l2 / (l2 - C[i]);
  return std::sqrt(n2);
}

bool Glass::covers(double nm) const { return minNm <= nm && nm <= maxNm; }

double Glass::nd() const { return index(kLineD); }

double Glass::abbe() const { return (nd() - 1.0) / (index(kLineF) - index(kLineC)); }

namespace {

[[noreturn]] void malformed(int line, const std::string& why) {
  throw std::runtime_error("glass catalogue line " + std::to_string(line) + ": " + why);
}

// A number as the file writes it: plain, "inf", or a value squared ("x^2").
double parseNumber(const std::string& word, int line) {
  if (word == "inf") return std::numeric_limits<double>::infinity();
  const bool squared = word.ends_with("^2");
  const std::string digits = squared ? word.substr(0, word.size() - 2) : word;
  // In the C locale whatever the program's is (the page's library has no
  // from_chars for doubles).
  std::istringstream in(digits);
  in.imbue(std::locale::classic());
  double v = 0;
  in >> v;
  if (in.fail() || in.peek() != std::char_traits<char>::eof() || !std::isfinite(v))
    malformed(line, "\"" + word + "\" is not a number");
  return squared ? v * v : v;
}

std::vector<double> parseNumbers(std::istringstream& in, int line) {
  std::vector<double> out;
  for (std::string word; in >> word;) out.push_back(parseNumber(word, line));
  return out;
}

std::string rest(std::istringstream& in) {
  std::string s;
  std::getline(in >> std::ws, s);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.pop_back();
  return s;
}

void checkComplete(const Glass& g, int line) {
  if (g.title.empty() || g.source.empty()) malformed(line, g.name + " lacks a title or source");
  if (g.B.empty() || g.B.size() != g.C.size())
    malformed(line, g.name + " needs as many B as C coefficients");
  if (!(g.minNm > 0 && g.minNm < g.maxNm)) malformed(line, g.name + " has no valid range");
}

bool sameLetters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::vector<Glass> parseGlassCatalogue(std::string_view text) {
  std::vector<Glass> glasses;
  std::istringstream lines{std::string(text)};
  int n = 0;
  for (std::string lineText; std::getline(lines, lineText);) {
    ++n;
    std::istringstream in(lineText);
    std::string key;
    if (!(in >> key) || key.starts_with('#')) continue;
    if (key == "glass") {
      if (!glasses.empty()) checkComplete(glasses.back(), n - 1);
      glasses.push_back(Glass{.name = rest(in)});
      continue;
    }
    if (glasses.empty()) malformed(n, "\"" + key + "\" before the first glass");
    Glass& g = glasses.back();
    if (key == "title") {
      g.title = rest(in);
    } else if (key == "source") {
      g.source = rest(in);
    } else if (key == "formula") {
      if (rest(in) != "sellmeier") malformed(n, "only the sellmeier formula is known");
    } else if (key == "B") {
      g.B = parseNumbers(in, n);
    } else if (key == "C") {
      g.C = parseNumbers(in, n);
    } else if (key == "range") {
      const std::vector<double> r = parseNumbers(in, n);
      if (r.size() != 2) malformed(n, "a range is two wavelengths");
      g.minNm = r[0];
      g.maxNm = r[1];
    } else {
      malformed(n, "unknown key \"" + key + "\"");
    }
  }
  if (!glasses.empty()) checkComplete(glasses.back(), n);
  return glasses;
}

const std::vector<Glass>& glassCatalogue() {
  static const std::vector<Glass> catalogue = parseGlassCatalogue(kGlassesText);
  return catalogue;
}

const Glass* findGlass(std::string_view nameOrTitle) {
  for (const Glass& g : glassCatalogue())
    if (sameLetters(g.name, nameOrTitle) || sameLetters(g.title, nameOrTitle)) return &g;
  return nullptr;
}

}  // namespace kelvane
