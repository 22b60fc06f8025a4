// The working-directory search on temporary trees, with the environment
// given to it rather than taken from the process.
#include "app/workdirs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "app/guide_path.h"
#include "trace/dbgprint.h"

namespace fs = std::filesystem;
using namespace kelvane;

namespace {

class WorkDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("kelvane-wd-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "opt" / "bin");
    fs::create_directories(root / "cwd");
    std::ofstream(root / "opt" / "bin" / "kelvane") << "";
  }
  void TearDown() override { fs::remove_all(root); }

  WorkDirEnvironment env() {
    WorkDirEnvironment e;
    e.programPath = (root / "opt" / "bin" / "kelvane").string();
    e.getenv = [this](const char* name) -> const char* {
      auto it = vars.find(name);
      return it == vars.end() ? nullptr : it->second.c_str();
    };
    e.currentDir = (root / "cwd").string();
    return e;
  }
  std::string dirOf(const fs::path& p) { return p.string() + "/"; }

  fs::path root;
  std::map<std::string, std::string> vars;
};

TEST_F(WorkDirTest, BesideTheProgramIsUsedAndNothingIsCreated) {
  fs::create_directories(root / "opt" / "bin" / "Doc");
  vars["HOME"] = root.string();
  const WorkDir d = findWorkDir(kDocSubdir, env());
  EXPECT_EQ(d.path, dirOf(root / "opt" / "bin" / "Doc"));
  EXPECT_EQ(d.nameSlot, d.path.size());
  EXPECT_EQ(d.filePath("kelvane.html"), (root / "opt" / "bin" / "Doc" / "kelvane.html").string());
  EXPECT_FALSE(fs::exists(root / "Kelvane"));
}

TEST_F(WorkDirTest, BesideTheProgramsFolderComesSecond) {
  fs::create_directories(root / "opt" / "Store");
  vars["HOME"] = root.string();
  EXPECT_EQ(findWorkDir(kStoreSubdir, env()).path, dirOf(root / "opt" / "Store"));
}

TEST_F(WorkDirTest, APlainFileNamedLikeTheFolderCountsAsFound) {
  std::ofstream(root / "opt" / "bin" / "Store") << "x";
  vars["HOME"] = root.string();
  EXPECT_EQ(findWorkDir(kStoreSubdir, env()).path, dirOf(root / "opt" / "bin" / "Store"));
}

TEST_F(WorkDirTest, TempAloneGetsKelvaneLevelCreated) {
  fs::create_directories(root / "tmp");
  vars["TEMP"] = (root / "tmp").string();
  const WorkDir d = findWorkDir(kStoreSubdir, env());
  EXPECT_EQ(d.path, dirOf(root / "tmp" / "Kelvane" / "Store"));
  EXPECT_TRUE(fs::is_directory(root / "tmp" / "Kelvane" / "Store"));
}

TEST_F(WorkDirTest, BothQualifyAndNeitherHoldsItHomeIsCreated) {
  fs::create_directories(root / "tmp");
  fs::create_directories(root / "home");
  vars["TEMP"] = (root / "tmp").string();
  vars["HOME"] = (root / "home").string();
  const WorkDir d = findWorkDir(kStoreSubdir, env());
  EXPECT_EQ(d.path, dirOf(root / "home" / "Kelvane" / "Store"));
  EXPECT_TRUE(fs::is_directory(root / "home" / "Kelvane" / "Store"));
  EXPECT_FALSE(fs::exists(root / "tmp" / "Kelvane"));
}

TEST_F(WorkDirTest, AnExistingCandidateInTempWinsOverHome) {
  fs::create_directories(root / "tmp" / "Kelvane" / "Doc");
  fs::create_directories(root / "home" / "Kelvane" / "Doc");
  vars["TEMP"] = (root / "tmp").string();
  vars["HOME"] = (root / "home").string();
  EXPECT_EQ(findWorkDir(kDocSubdir, env()).path, dirOf(root / "tmp" / "Kelvane" / "Doc"));
}

TEST_F(WorkDirTest, AnExistingCandidateInHomeIsFoundWhenTempHasNone) {
  fs::create_directories(root / "tmp");
  fs::create_directories(root / "home" / "Kelvane" / "Doc");
  vars["TEMP"] = (root / "tmp").string();
  vars["HOME"] = (root / "home").string();
  EXPECT_EQ(findWorkDir(kDocSubdir, env()).path, dirOf(root / "home" / "Kelvane" / "Doc"));
  EXPECT_FALSE(fs::exists(root / "tmp" / "Kelvane"));
}

TEST_F(WorkDirTest, VariablesNamingNothingFallBackToTheCurrentDirectory) {
  vars["TEMP"] = (root / "no-such-tmp").string();
  vars["HOME"] = "";
  const WorkDir d = findWorkDir(kStoreSubdir, env());
  EXPECT_EQ(d.path, dirOf(root / "cwd"));
  EXPECT_FALSE(fs::exists(root / "no-such-tmp"));
}

TEST_F(WorkDirTest, UnsetVariablesFallBackToTheCurrentDirectory) {
  EXPECT_EQ(findWorkDir(kDocSubdir, env()).path, dirOf(root / "cwd"));
}

TEST_F(WorkDirTest, InitWorkDirsFillsBothAndStoreFilePathPlacesNames) {
  fs::create_directories(root / "opt" / "bin" / "Doc");
  fs::create_directories(root / "home");
  vars["HOME"] = (root / "home").string();
  const std::string store = initWorkDirs(WORKDIR_DOC | WORKDIR_STORE, env());
  EXPECT_EQ(store, dirOf(root / "home" / "Kelvane" / "Store"));
  EXPECT_EQ(docDir().path, dirOf(root / "opt" / "bin" / "Doc"));
  EXPECT_EQ(storeFilePath(""), store) << "an empty name gives the directory, ending with '/'";
  EXPECT_EQ(storeFilePath("script.ops"), store + "script.ops");
  EXPECT_EQ(initWorkDirs(WORKDIR_DOC, env()), docDir().path);
}

TEST(PathHelpers, NamesAndDirectories) {
  EXPECT_EQ(pathFileName("kelvane.html"), 0u);
  EXPECT_EQ(pathFileName("/a/b/c.ops"), 5u);
  EXPECT_EQ(pathFileName("/a/b/"), 5u);
  std::string p = "/a";
  EXPECT_EQ(pathAppend(p, "Kelvane"), "/a/Kelvane");
  std::string q = "/a/";
  EXPECT_EQ(pathAppend(q, "Doc/"), "/a/Doc/");
  std::string r = "/x/y/prog";
  EXPECT_EQ(pathReplaceName(r, "Doc/"), 5u);
  EXPECT_EQ(r, "/x/y/Doc/");
  EXPECT_FALSE(makeDirs(""));
  EXPECT_EQ(dirStatus("/", false), 1);
  EXPECT_EQ(dirStatus("/no/such/thing", false), 0);
  EXPECT_EQ(dirStatus("/proc/self/status", true), 1);
  EXPECT_EQ(dirStatus("/proc/self/status", false), -1);
}

TEST_F(WorkDirTest, MakeDirsCreatesEveryLevel) {
  const fs::path deep = root / "a" / "b" / "c";
  EXPECT_TRUE(makeDirs(deep.string() + "/"));
  EXPECT_TRUE(fs::is_directory(deep));
}

TEST_F(WorkDirTest, OpenDocumentReportsAMissingFileAndOpensAPresentOne) {
  fs::create_directories(root / "opt" / "bin" / "Doc");
  vars["HOME"] = root.string();
  initWorkDirs(WORKDIR_DOC | WORKDIR_STORE, env());
  std::vector<std::string> boxes, opened;
  setMessageBoxHandler([&](void*, unsigned style, const char* text, const char* caption) {
    EXPECT_EQ(style, MB_ICON_ERROR);
    EXPECT_STREQ(caption, "Kelvane");
    boxes.push_back(text);
    return 1;
  });
  setDocumentOpener([&](const std::string& path, std::function<void()>) {
    opened.push_back(path);
    return true;
  });
  const std::string page = (root / "opt" / "bin" / "Doc" / "kelvane.html").string();
  EXPECT_FALSE(openDocument(DOCUMENT_IN_DOC, "kelvane.html"));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], page + " is missing");
  EXPECT_TRUE(opened.empty());

  std::ofstream(page) << "<html></html>";
  EXPECT_TRUE(openDocument(DOCUMENT_IN_DOC, "kelvane.html"));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], page);
  setMessageBoxHandler(nullptr);
  setDocumentOpener(nullptr);
}

// The guide beside the program (the build tree) comes before an installed
// one; installed, it is under share/ of the prefix, for a program in bin/ or
// in lib/kelvane/; German falls back to English page by page.
TEST_F(WorkDirTest, TheGuideIsFoundBesideTheProgramThenUnderShare) {
  const auto page = [](const fs::path& p) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "<html></html>";
  };
  fs::create_directories(root / "usr" / "lib" / "kelvane");
  fs::create_directories(root / "usr" / "bin");
  const std::string program = (root / "usr" / "lib" / "kelvane" / "kelvane").string();
  EXPECT_EQ(findGuideIndex(program, false), "");
  EXPECT_EQ(findGuideIndex("", false), "");

  const fs::path shared = root / "usr" / "share" / "kelvane" / "guide";
  page(shared / "index.html");
  EXPECT_EQ(fs::canonical(findGuideIndex(program, true)), shared / "index.html");
  page(shared / "de" / "index.html");
  EXPECT_EQ(fs::canonical(findGuideIndex(program, true)), shared / "de" / "index.html");
  EXPECT_EQ(fs::canonical(findGuideIndex(program, false)), shared / "index.html");
  EXPECT_EQ(fs::canonical(findGuideIndex((root / "usr" / "bin" / "kelvane").string(), false)),
            shared / "index.html");

  page(root / "usr" / "lib" / "kelvane" / "guide" / "index.html");
  EXPECT_EQ(findGuideIndex(program, true), (root / "usr/lib/kelvane/guide/index.html").string());
}

}  // namespace

