// The snapshot writer: exact lines, the header of a fresh file, truncation.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "script/headless_host.h"
#include "script/lens_script_writer.h"
#include "script/script_stepper.h"
#include "script/script_reader.h"

namespace kelvane {
namespace {

std::string contents(std::FILE* f) {
  std::rewind(f);
  std::string out;
  char buffer[256];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, f)) out.append(buffer, n);
  return out;
}

LensSnapshot sample() {
  LensSnapshot s;
  s.scriptPath = "/home/ada/Kelvane/Store/demo.lens";
  s.viewLeft = 100;
  s.viewTop = 10;
  s.viewWidth = 860;
  s.viewHeight = 720;
  s.xmax = 844;
  s.ymax = 661;
  s.beamMode = 0;
  s.indexRatio = kInitialIndexRatio;
  s.lens = Lens{219.9, 163.2, 143.5, 260.999, 112.0, 1};
  return s;
}

TEST(LensScriptWriter, FreshFileGetsTheHeaderThenTheSnapshot) {
  std::FILE* f = std::tmpfile();
  ASSERT_TRUE(writeLensScript(f, true, sample()));
  EXPECT_EQ(contents(f),
            "; File: /home/ada/Kelvane/Store/demo.lens\n"
            "; window 100,10,860,720\n"
            "; canvass 844,661\n"
            "trace beam\n"
            "rindex 1.50\n"
            "lens 219,163,143,260,112,CVCC\n");
  std::fclose(f);
}

TEST(LensScriptWriter, AppendedSnapshotsHaveNoHeader) {
  std::FILE* f = std::tmpfile();
  LensSnapshot s = sample();
  ASSERT_TRUE(writeLensScript(f, true, s));
  s.beamMode = 1;
  s.indexRatio = 1.0 / 1.6;
  s.settings.flags |= BEAM_LOCKED;
  s.settings.lockedWidth = 133.9;
  s.lens = Lens{300, 200, 300, 200, 80, 3};
  ASSERT_TRUE(writeLensScript(f, false, s));
  EXPECT_EQ(contents(f),
            "; File: /home/ada/Kelvane/Store/demo.lens\n"
            "; window 100,10,860,720\n"
            "; canvass 844,661\n"
            "trace beam\n"
            "rindex 1.50\n"
            "lens 219,163,143,260,112,CVCC\n"
            "trace multibeam\n"
            "rindex 1.60\n"
            "width 133\n"
            "lens 300,200,300,200,80,CCCC\n");
  std::fclose(f);
}

TEST(LensScriptWriter, TruncatesTowardZeroAndHoldsExtremes) {
  EXPECT_EQ(truncateToInt(219.9), 219);
  EXPECT_EQ(truncateToInt(-2.7), -2);
  EXPECT_EQ(truncateToInt(1e300), INT_MAX);
  EXPECT_EQ(truncateToInt(-1e300), INT_MIN);
  EXPECT_EQ(truncateToInt(0.0 / 0.0), 0);
}

TEST(LensScriptWriter, NoFileWritesNothing) {
  EXPECT_FALSE(writeLensScript(nullptr, true, sample()));
}

TEST(LensScriptWriter, ASnapshotReadsBackAsTheSameLens) {
  std::FILE* f = std::tmpfile();
  ASSERT_TRUE(writeLensScript(f, true, sample()));
  std::rewind(f);
  std::string text;
  int lensLines = 0;
  while (readScriptLine(f, text)) {
    ScriptLine line(text);
    if (scriptKeyword(line) != KW_LENS) continue;
    ++lensLines;
    const LensSpec lensSpec = readLensSpec(line);
    EXPECT_EQ(lensSpec.values, (std::array<double, 5>{219, 163, 143, 260, 112}));
    EXPECT_EQ(lensSpec.shape, 1);
  }
  EXPECT_EQ(lensLines, 1) << "the header's comment lines are not run";
  std::fclose(f);
}

// Save writes the source only when it is not parallel, and the line it
// writes puts the same source back when the file runs.
TEST(LensScriptWriter, ASourceIsWrittenWhenNotParallelAndRunsBackTheSame) {
  std::FILE* f = std::tmpfile();
  ASSERT_TRUE(writeLensScript(f, false, sample()));
  EXPECT_EQ(contents(f).find("source"), std::string::npos);
  LensSnapshot s = sample();
  s.source = LightSource{SourceKind::Object, 612.5, 80};
  ASSERT_TRUE(writeLensScript(f, false, s));
  EXPECT_NE(contents(f).find("\nsource object 612.5 80\n"), std::string::npos) << contents(f);
  std::rewind(f);
  HeadlessHost host;
  DirectScriptActions actions(host);
  ScriptStepper stepper{ScriptFile(f), actions};
  while (stepper.next().kind != ScriptWait::End) {
  }
  EXPECT_EQ(host.model().source(), s.source);
  EXPECT_TRUE(host.model().sourceTrace().axis.image.found) << "the source line retraces";
}

// The colour lines are written only when they are not the default, and
// running them puts the same colour back.
TEST(LensScriptWriter, AColourRunsBackTheSame) {
  for (const ColourState& colour :
       {ColourState{.glass = "fused-silica", .water = true, .white = true},
        ColourState{.glass = "N-SF11", .wavelength = kLineF},
        ColourState{.wavelength = 450}}) {
    std::FILE* f = std::tmpfile();
    LensSnapshot s = sample();
    s.colour = colour;
    ASSERT_TRUE(writeLensScript(f, false, s));
    const std::string text = contents(f);
    EXPECT_EQ(text.find("glass") != std::string::npos, !colour.glass.empty()) << text;
    EXPECT_EQ(text.find("medium") != std::string::npos, colour.water) << text;
    std::rewind(f);
    HeadlessHost host;
    DirectScriptActions actions(host);
    ScriptStepper stepper{ScriptFile(f), actions};
    while (stepper.next().kind != ScriptWait::End) {
    }
    EXPECT_EQ(host.model().colour(), colour) << text;
  }
}

}  // namespace
}  // namespace kelvane
