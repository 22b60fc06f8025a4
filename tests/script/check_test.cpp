// Script warnings: each line that cannot be read whole is named with its
// line number and what is wrong; sound scripts give none.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "script/headless_host.h"
#include "script/lens_script_writer.h"
#include "script/script_check.h"
#include "script/script_stepper.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// "LINE: message" for each warning of `text`.
Lines check(const std::string& text) {
  std::FILE* f = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), f);
  std::rewind(f);
  Lines out;
  for (const ScriptWarning& w : checkScript(f))
    out.push_back(std::to_string(w.line) + ": " + w.message);
  std::fclose(f);
  return out;
}

// Whether the stepper does anything with the one line `text`: changes the
// lens, the settings or the windows, or hands back a wait.
bool stepperActsOn(const std::string& text) {
  struct CountingActions : DirectScriptActions {
    using DirectScriptActions::DirectScriptActions;
    bool apply(const std::function<void(ScriptHost&)>& work) override {
      ++applied;
      return DirectScriptActions::apply(work);
    }
    int applied = 0;
  };
  std::FILE* f = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), f);
  std::rewind(f);
  HeadlessHost host;
  CountingActions actions(host);
  ScriptStepper stepper(ScriptFile(f), actions);
  return stepper.next().kind != ScriptWait::End || actions.applied > 0;
}

// The checker and the stepper read arguments alike: the lines the checker
// says are skipped are exactly those the stepper does nothing with.
TEST(ScriptCheck, SaysSkippedExactlyWhereTheStepperPassesTheLineOver) {
  for (const char* line : {"lens 1 2 3 4",
                           "lens 100 -163 143 260 112 CCCC",
                           "lens 1 2 3 4 5 round",
                           "lens 1 2 3 4 5",
                           "fade 1 2 3 4 5 6 7 8 9 10",
                           "fade 1 2 3 4 5 CVCV 6 7 8 9 10 4",
                           "window 1 2 3",
                           "window a",
                           "window 1 2 x 4 nowhere",
                           "canvass -5 600",
                           "width",
                           "width -5",
                           "width abc",
                           "width 120px",
                           "width lock",
                           "width percent",
                           "width percent 50",
                           "width fade 100 200",
                           "width fade 5 6 3",
                           "width fade 100 200 0",
                           "width fade 100 200 2",
                           "trace",
                           "trace laser",
                           "trace beam",
                           "rindex 0",
                           "rindex 1.5",
                           "source",
                           "source laser",
                           "source parallel",
                           "source point",
                           "source point 0.5",
                           "source point 600",
                           "source object 600",
                           "source object 600 -5",
                           "source object 600 20000",
                           "source object 600 80",
                           "glass",
                           "glass XYZ",
                           "glass fused silica",
                           "glass custom",
                           "medium",
                           "medium oil",
                           "medium water",
                           "wavelength",
                           "wavelength 900",
                           "wavelength blue",
                           "wavelength 486.1327",
                           "wavelength white"}) {
    const std::string text = std::string(line) + "\n";
    const Lines warnings = check(text);
    const bool skipped = !warnings.empty() && warnings[0].ends_with("the line is skipped");
    EXPECT_NE(skipped, stepperActsOn(text)) << line;
  }
}

TEST(ScriptCheck, EachKindOfBadLineIsNamedWithItsLine) {
  const Lines got = check(
      "lense 1 2 3 4 5\n"                 // 1 unknown keyword
      "lens 100 -163 143 260 112 CCCC\n"  // 2 signed count
      "lens 1 2 3 4\n"                    // 3 missing count
      "lens 1 2 3 4 5 round\n"            // 4 unknown shape word
      "fade 1 2 3 4 5 6 7 8 9 10 4\n"     // 5 start lens without shape: shift
      "trace laser\n"                     // 6 unknown word
      "canvass -5 600\n"                  // 7 signed count
      "width fade 100 200\n"              // 8 too few numbers
      "rindex 0\n"                        // 9 no index
      "endskip\n");                       // 10 endskip without skip
  EXPECT_EQ(got,
            (Lines{
                "1: unknown keyword \"lense\": the line is skipped",
                "2: \"lens\": ivy \"-163\" may not have a sign: the line is skipped",
                "3: \"lens\": missing depth: the line is skipped",
                "4: \"lens\": unknown shape word \"round\" (CVCV is used)",
                "5: \"fade\": the start lens has no shape word, so \"6\" is read as its shape and "
                "the values after it shift",
                "6: \"trace\": unknown beam mode \"laser\": the line is skipped",
                "7: \"canvass\": Xmax \"-5\" may not have a sign (Xmax stays)",
                "8: \"width fade\": needs start, end and steps: the line is skipped",
                "9: \"rindex\": the index \"0\" is not greater than 0 (the index stays)",
                "10: \"endskip\" without \"skip\": the line is skipped",
            }));
}

TEST(ScriptCheck, MoreArgumentMistakes) {
  EXPECT_EQ(check("fade 1 2 3 4 5 6 7 8 9 10\n"),
            (Lines{"1: \"fade\": the start lens has no shape word, so \"6\" is read as its shape "
                   "and the values after it shift; missing end depth: the line is skipped"}));
  EXPECT_EQ(check("fade 1 2 3 4 5 CVCV 6 7 8 9 10 4\n"),
            (Lines{"1: \"fade\": the end lens has no shape word, so \"4\" is read as its shape "
                   "and not as the steps"}));
  EXPECT_EQ(check("window 1 2 3\nwindow 1 2 x 4 nowhere\nloop -3\ndelay soon\nwidth -5\n"
                  "width percent\nwidth fade 5 6 3\ntrace\n"),
            (Lines{"1: \"window\": needs x, y, w and h: the line is skipped",
                   "2: \"window\": w \"x\" is not a number (read as 0); unknown anchor \"nowhere\" "
                   "(the dialog stays)",
                   "3: \"loop\": count \"-3\" may not have a sign (the loop runs 9999 passes)",
                   "4: \"delay\": the value \"soon\" is not a number (read as 0)",
                   "5: \"width\": a width \"-5\" may not have a sign: the line is skipped",
                   "6: \"width percent\": needs a percentage: the line is skipped",
                   "7: \"width fade\": the step (end - start) / steps is 0: the line is skipped",
                   "8: \"trace\": needs \"beam\" or \"multibeam\": the line is skipped"}));
}

// A colour line is checked against the colour the lines before it leave.
TEST(ScriptCheck, ColourLinesAreFollowedFromTheStart) {
  EXPECT_EQ(check("glass PMMA\nwavelength white\nglass N-BK7\nwavelength white\n"
                  "glass pmma (ACRYLIC)\nmedium water\nwavelength 380\n"),
            (Lines{"2: \"wavelength white\": PMMA (acrylic) is measured from 436.8 to 1052 nm, "
                   "not at 420 nm: the line is skipped",
                   "5: \"glass\": PMMA (acrylic) is measured from 436.8 to 1052 nm, not at 420 nm: "
                   "the line is skipped"}));
  EXPECT_EQ(check("glass diamond\nwavelength 900\n"),
            Lines{"2: \"wavelength\": wavelength 900 nm is outside 380-780 nm: the line is skipped"});
}

TEST(ScriptCheck, SoundLinesCommentsAndSkippedBlocksGiveNoWarnings) {
  EXPECT_TRUE(check("; a comment\n# another\n\n  \nLENS 1,2,3,4,5,cvcc ; trailing words\n"
                    "lens 1 2 3 4 5\nfade 1 2 3 4 5 CVCV 6 7 8 9 10 CCCC 4\nfade 1 2 3 4 5 CVCV "
                    "6 7 8 9 10 CCCC\nwidth 120px\nwidth lock\nwidth fade 0 200 2\n"
                    "window -1 -1 500 400 INRT 0 0\ncanvass 0 600\nloop\nendloop\nrepeat 2\n"
                    "rindex 1.5\ntrace MultiBeam\ndelay\nsleep 10\npause\nstop\n"
                    "skip\nnonsense here\nlens -1\nendskip\n")
                  .empty());
  for (const char* name :
       {"meniscus_to_biconvex.ops", "width_fade.ops", "multibeam_tour.ops", "windows.ops"}) {
    std::ifstream in(fs::path(KELVANE_EXAMPLES_DIR) / name);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(text.empty()) << name;
    EXPECT_EQ(check(text), Lines{}) << name;
  }
  std::FILE* f = std::tmpfile();
  LensSnapshot snapshot;
  snapshot.settings.flags |= BEAM_LOCKED;
  ASSERT_TRUE(writeLensScript(f, true, snapshot));
  std::rewind(f);
  EXPECT_TRUE(checkScript(f).empty()) << "what Save writes reads back whole";
  std::fclose(f);
}

TEST(ScriptCheck, LongLinesKeepTheLineNumbers) {
  const std::string longComment = "; " + std::string(1000, 'c') + " lens -1\n";
  const std::string longLine = "sleep 5 " + std::string(391, ' ') + "lense 1\n";
  EXPECT_EQ(check(longComment + "bogus\n" + longLine + "bogus\n"),
            (Lines{"2: unknown keyword \"bogus\": the line is skipped",
                   "3: the line is longer than 399 characters: its rest is read as a line of its "
                   "own; unknown keyword \"lense\": the line is skipped",
                   "4: unknown keyword \"bogus\": the line is skipped"}));
  // However long a line is, its warning stays short.
  const Lines huge = check("lense " + std::string(1 << 20, 'x') + "\n");
  ASSERT_EQ(huge.size(), 1u);
  EXPECT_LT(huge[0].size(), 400u) << huge[0].substr(0, 400);
  EXPECT_EQ(check(std::string("lens 1 2\0 3 4 5\nstop\n", 21)),
            (Lines{"1: a NUL byte: the rest of the line is not read; \"lens\": missing evx: the "
                   "line is skipped"}));
}

TEST(ScriptCheck, WarningsReadFileColonLine) {
  EXPECT_EQ(formatScriptWarning("/tmp/a.ops", {7, "unknown keyword \"x\""}),
            "/tmp/a.ops:7: unknown keyword \"x\"");
}

TEST(ScriptCheck, FilesThatCannotBeRun) {
  const fs::path dir = fs::temp_directory_path() / ("kelvane-check-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path empty = dir / "empty.ops";
  const fs::path binary = dir / "binary.ops";
  std::ofstream(empty).flush();
  std::ofstream(binary, std::ios::binary) << std::string(
      "lens 1 2 3 4 5\n\x7f"
      "ELF\0\0\1",
      22);
  EXPECT_EQ(scriptFileProblem("/dev/zero"), "a character device, not a regular file");
  EXPECT_EQ(scriptFileProblem(dir.string()), "Is a directory");
  EXPECT_EQ(scriptFileProblem((dir / "none.ops").string()), "No such file or directory");
  EXPECT_EQ(scriptFileProblem(binary.string()), "not a text file (it holds NUL bytes)");
  EXPECT_EQ(scriptFileProblem(empty.string()), std::nullopt) << "an empty script does nothing";
  EXPECT_EQ(scriptFileProblem(KELVANE_EXAMPLES_DIR "/windows.ops"), std::nullopt);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kelvane
