#include "optics/reports.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "trace/dbgprint.h"

namespace kelvane {
namespace {

// Collects what the reports send to the debugger output (no other sink is
// open in this test program), one string per line.
std::string captured;
void capture(const char* text) { captured += text; }

std::vector<std::string> run(void (*report)()) {
  captured.clear();
  setDebuggerWriter(capture);
  report();
  setDebuggerWriter(nullptr);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = captured.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(captured.substr(start, end - start));
  EXPECT_EQ(start, captured.size()) << "every line ends with its line end";
  return lines;
}

const std::string* findPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
  for (const std::string& line : lines)
    if (line.compare(0, prefix.size(), prefix) == 0) return &line;
  return nullptr;
}

// Worked out independently of the program (same double operations, Python's
// math on the same C library).
const char* const kDeflectionRows[48] = {
#include "deflection_rows.inc"
};

TEST(Reports, BasicInfoPrintsTheConstantsWithPiAs22Over7AndTheThreeLaws) {
  const std::vector<std::string> lines = run(reportBasicInfo);
  const std::vector<std::string> expected = {
      "e=2.718282, pi=3.142857, degree*0.017460=rad, rad*57.272727=degree",
      "90d=pi/2{1.571429}r, 180d=pi{3.142857}r, 270d=3pi/2{4.714286}r, 360d=2pi{6.285714}r",
      "Normal-relative refraction law is sin(r) = (ni/nr)sin(i)",
      "Face-relative refraction law is cos(r) = (ni/nr)cos(i)",
      "Slope refraction is rs = tan( arccos((ni/nr)cos[arctan(is) - arctan(fs)]) + arctan(fs) )",
  };
  EXPECT_EQ(lines, expected);
}

TEST(Reports, NormalTableRunsOneTo89WithNanPastTheCriticalAngle) {
  const std::vector<std::string> lines = run(reportNormalRefractTable);
  ASSERT_EQ(lines.size(), 90u);
  EXPECT_EQ(lines[0],
            "Normal-relative angles of refraction for N = 1.0/1.5 (air/glass) and 1.5/1.0 (glass/air)");
  EXPECT_EQ(lines[30],
            "Incident angle = 30d (0.524r) Refract @N1.0/1.5 = 19.47d (0.340r) @N1.5/1.0 = 48.59d (0.848r)");
  EXPECT_EQ(lines[1].rfind("Incident angle =  1d ", 0), 0u) << lines[1];
  EXPECT_EQ(lines[41].find("nan"), std::string::npos) << "row 41 still refracts: " << lines[41];
  for (int row = 42; row <= 89; ++row) {
    EXPECT_NE(lines[row].find("@N1.5/1.0 =   nan"), std::string::npos) << lines[row];
    EXPECT_EQ(lines[row].find("@N1.0/1.5 =   nan"), std::string::npos) << lines[row];
  }
}

TEST(Reports, FaceTableRunsDownFrom89) {
  const std::vector<std::string> lines = run(reportFaceRefractTable);
  ASSERT_EQ(lines.size(), 90u);
  EXPECT_EQ(lines[0],
            "Face-relative angles of refraction for N = 1.0/1.5 (air/glass) and 1.5/1.0 (glass/air)");
  EXPECT_EQ(lines[1].rfind("Incident angle = 89d ", 0), 0u) << lines[1];
  EXPECT_EQ(lines[30],
            "Incident angle = 60d (1.048r) Refract @N1.0/1.5 = 70.52d (1.231r) @N1.5/1.0 = 41.44d (0.724r)");
  EXPECT_EQ(lines[89].rfind("Incident angle =  1d ", 0), 0u) << lines[89];
}

TEST(Reports, SlopeTableOnAFlatFace) {
  const std::vector<std::string> lines = run(reportSlopeRefractTable);
  ASSERT_EQ(lines.size(), 90u);
  EXPECT_EQ(lines[0], "Slope refraction (face slope = 0) for N = 1.0/1.5 (air/glass) and 1.5/1.0 (glass/air)");
  EXPECT_EQ(lines[1], "Incident slope = 59.42 (angle = 89.00d) Refract @N1.0/1.5 = -89.14  @N1.5/1.0 = -39.61");
  EXPECT_EQ(lines[30], "Incident slope =  1.73 (angle = 60.00d) Refract @N1.0/1.5 = -2.83  @N1.5/1.0 = -0.88");
  EXPECT_EQ(lines[45], "Incident slope =  1.00 (angle = 45.00d) Refract @N1.0/1.5 = -1.87  @N1.5/1.0 =   nan");
}

TEST(Reports, DeflectionTableHasTheRowsOneTo48) {
  const std::vector<std::string> lines = run(reportDeflectionTable);
  ASSERT_EQ(lines.size(), 49u);
  EXPECT_EQ(lines[0], "Face-relative incident angle required for a given angle deflection");
  for (int row = 0; row < 48; ++row) EXPECT_EQ(lines[row + 1], kDeflectionRows[row]) << "d = " << row + 1;
}

TEST(Reports, FormulaTestFlatFaceRunsTwentyTwoGroupsForEachRatio) {
  const std::vector<std::string> lines = run(testRefractFormulas);
  ASSERT_EQ(lines.size(), 2u + 2 * (1 + 22 * 3) + 2 + 12 * 4);
  EXPECT_EQ(lines[0], "Compare normal, face, and slope refraction formulas");
  EXPECT_EQ(lines[1], "Basic test: horizontal face, iterating over incident-normal angle");
  EXPECT_EQ(lines[2], "******** With ni/nr = 1.0/1.5 ********");
  EXPECT_EQ(lines[3], "Normal: incident=1.00d, refract=0.6666d");
  EXPECT_EQ(lines[4].rfind("    Face: incident=89.00d, refract=", 0), 0u) << lines[4];
  EXPECT_EQ(lines[5].rfind("    Slope: incident slope=", 0), 0u) << lines[5];
  EXPECT_EQ(lines[66], "Normal: incident=43.00d, refract=27.0420d");
  EXPECT_EQ(lines[69], "******** With ni/nr = 1.5/1.0 ********");
  EXPECT_EQ(lines[70], "Normal: incident=1.00d, refract=1.5001d");
  EXPECT_NE(lines[70 + 21 * 3].find("refract=nan"), std::string::npos) << "43d is past the critical angle";
}

TEST(Reports, FormulaTestEllipseGivesTheLValues) {
  const std::vector<std::string> lines = run(testRefractFormulas);
  const std::string* start = findPrefix(lines, "Test refraction formulas against ellipse");
  ASSERT_NE(start, nullptr);
  const std::size_t first = static_cast<std::size_t>(start - lines.data());
  EXPECT_EQ(lines[first], "Test refraction formulas against ellipse of width 2.5 and focal length 7.5");
  EXPECT_EQ(lines[first + 1], "At x=0, y = 4.5, L=7.5");
  // x, then L by the face formula and by the normal formula.
  struct Row {
    const char* x;
    const char* face;
    const char* normal;
  };
  const Row rows[12] = {
      {"0.2000", "7.620057", "7.681873"}, {"0.4000", "7.558974", "7.589459"},
      {"0.6000", "7.538574", "7.558972"}, {"0.8000", "7.528225", "7.543689"},
      {"1.0000", "7.521878", "7.534440"}, {"1.2000", "7.517526", "7.528195"},
      {"1.4000", "7.514312", "7.523657"}, {"1.6000", "7.511810", "7.520181"},
      {"1.8000", "7.509780", "7.517407"}, {"2.0000", "7.508081", "7.515119"},
      {"2.2000", "7.506622", "7.513175"}, {"2.4000", "7.505339", "7.511479"},
  };
  ASSERT_EQ(lines.size(), first + 2 + 12 * 4);
  for (int r = 0; r < 12; ++r) {
    const std::size_t at = first + 2 + static_cast<std::size_t>(r) * 4;
    EXPECT_EQ(lines[at].rfind(std::string("At x = ") + rows[r].x + " y = ", 0), 0u) << lines[at];
    // The slope formula always turns to the phi - r side: L = 1.5.
    EXPECT_EQ(lines[at + 1].rfind("  L=1.500000 RA=", 0), 0u) << lines[at + 1];
    EXPECT_NE(lines[at + 1].find("d from slope formula, refract slope = "), std::string::npos);
    EXPECT_EQ(lines[at + 2].rfind(std::string("  L=") + rows[r].face + " RA=", 0), 0u) << lines[at + 2];
    EXPECT_NE(lines[at + 2].find("d from face formula"), std::string::npos);
    EXPECT_EQ(lines[at + 3].rfind(std::string("  L=") + rows[r].normal + " RA=", 0), 0u) << lines[at + 3];
    EXPECT_NE(lines[at + 3].find("d from normal formula, normal angle = "), std::string::npos);
  }
  EXPECT_EQ(lines[first + 2], "At x = 0.2000 y = 4.491993 face slope = -0.080143, face angle = -4.580196d");
}

}  // namespace
}  // namespace kelvane
