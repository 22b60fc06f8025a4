// The "Save" button's file handling: the request, the extension, the header
// only for a fresh file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "script/script_requests.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

class SaveLensScript : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("kelvane-save-" + std::to_string(::getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    m_oldChooser = setFileChooser([this](const FileDialogOptions& o) -> std::optional<std::string> {
      m_seen = o;
      if (m_answer.empty()) return std::nullopt;
      return m_answer;
    });
    m_oldAsker = setExistingFileAsker([this](const std::string&) { return m_existing; });
  }
  void TearDown() override {
    setFileChooser(m_oldChooser);
    setExistingFileAsker(m_oldAsker);
    fs::remove_all(m_dir);
  }
  static std::string read(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path m_dir;
  std::string m_answer;
  int m_existing = EXISTING_APPEND;
  FileDialogOptions m_seen;
  FileChooser m_oldChooser;
  ExistingFileAsker m_oldAsker;
};

TEST_F(SaveLensScript, TheRequestsOfTheScriptFiles) {
  const FileRequest run = scriptRequest("/s/script.ops");
  EXPECT_EQ(run.name, "/s/script.ops");
  EXPECT_EQ(run.title, nullptr);
  ASSERT_EQ(run.filter.size(), 4u);
  EXPECT_EQ(run.filter[0].description, "All scripts (ops,lens)");
  EXPECT_EQ(run.filter[0].pattern, "*.ops;*.lens");
  EXPECT_STREQ(run.mode, "rt");
  EXPECT_EQ(run.defaultExtension, nullptr);
  const FileRequest save = lensSaveRequest("/s/script.ops");
  ASSERT_EQ(save.filter.size(), 2u);
  EXPECT_EQ(save.filter[0].pattern, "*lens");
  EXPECT_STREQ(save.defaultExtension, ".lens");
  EXPECT_STREQ(save.mode, "at");
}

TEST_F(SaveLensScript, SavingTwiceWithAppendGivesOneHeaderAndTwoSnapshots) {
  std::string scriptPath = (m_dir / "script.ops").string();
  m_answer = (m_dir / "snap").string();  // no dot: ".lens" is added
  LensSnapshot snap;
  snap.xmax = 844;
  snap.ymax = 661;
  ASSERT_TRUE(saveLensScript(scriptPath, snap));
  EXPECT_EQ(m_seen.initialName, (m_dir / "script.ops").string())
      << "the current script is proposed";
  EXPECT_EQ(m_seen.kind, FileDialogKind::Save);
  const std::string saved = (m_dir / "snap.lens").string();
  EXPECT_EQ(scriptPath, saved) << "the chosen file becomes the current script";
  snap.lens.shape = 3;
  snap.settings.flags |= BEAM_LOCKED;
  snap.settings.lockedWidth = 120;
  m_answer = saved;
  ASSERT_TRUE(saveLensScript(scriptPath, snap));
  EXPECT_EQ(read(saved), "; File: " + saved +
                             "\n; window 0,0,0,0\n; canvass 844,661\n"
                             "trace beam\nrindex 1.50\nlens 219,163,143,260,112,CVCV\n"
                             "trace beam\nrindex 1.50\nwidth 120\nlens 219,163,143,260,112,CCCC\n");
  // Overwrite starts the file afresh, header and all.
  m_existing = EXISTING_OVERWRITE;
  ASSERT_TRUE(saveLensScript(scriptPath, snap));
  EXPECT_EQ(read(saved).rfind("; File: ", 0), 0u);
  EXPECT_EQ(read(saved).find("CVCV"), std::string::npos);
}

TEST_F(SaveLensScript, CancelWritesNothing) {
  std::string scriptPath = "/s/script.ops";
  m_answer.clear();
  EXPECT_FALSE(saveLensScript(scriptPath, LensSnapshot{}));
  EXPECT_EQ(scriptPath, "/s/script.ops");
  m_answer = (m_dir / "kept.lens").string();
  std::ofstream(m_answer) << "lens 1 2 3 4 5\n";
  m_existing = EXISTING_CANCEL;
  EXPECT_FALSE(saveLensScript(scriptPath, LensSnapshot{}));
  EXPECT_EQ(read(m_answer), "lens 1 2 3 4 5\n");
}

}  // namespace
}  // namespace kelvane
