// promptOpenFile through a chooser and an "Existing File" asker that answer
// like a user would, on real files in a fresh temporary directory.
#include "trace/filerequest.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include "trace/dbgprint.h"

namespace fs = std::filesystem;
using namespace kelvane;

namespace {

std::string readAll(const fs::path& p) {
  std::ifstream in(p);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const fs::path& p, const std::string& text) { std::ofstream(p) << text; }

class FileRequestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("kelvane-fr-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    oldChooser = setFileChooser([this](const FileDialogOptions& o) -> std::optional<std::string> {
      std::lock_guard lock(mutex);
      seen.push_back(o);
      if (!answer) return std::nullopt;
      return *answer;
    });
    oldAsker = setExistingFileAsker([this](const std::string& path) {
      std::lock_guard lock(mutex);
      asked.push_back(path);
      return existingAnswer;
    });
    setMessageBoxHandler([this](void*, unsigned style, const char* text, const char* caption) {
      std::lock_guard lock(mutex);
      boxes.push_back({style, text, caption});
      return 1;
    });
  }
  void TearDown() override {
    closeTraceFile();
    setFileChooser(oldChooser);
    setExistingFileAsker(oldAsker);
    setMessageBoxHandler(nullptr);
    setFileDialogDir("");
    fs::remove_all(dir);
  }

  struct Box {
    unsigned style;
    std::string text, caption;
  };
  fs::path dir;
  std::mutex mutex;
  std::optional<std::string> answer;
  int existingAnswer = EXISTING_CANCEL;
  std::vector<FileDialogOptions> seen;
  std::vector<std::string> asked;
  std::vector<Box> boxes;
  FileChooser oldChooser;
  ExistingFileAsker oldAsker;
};

TEST_F(FileRequestTest, NewFileIsCreatedWithoutQuestionAndCountsAsNew) {
  answer = (dir / "debug.trc").string();
  FileRequest req{"debug.trc", "Open Trace File", {{"All Files (*.*)", "*.*"}}, nullptr, "at"};
  FilePtr f = promptOpenFile(req);
  ASSERT_TRUE(f);
  EXPECT_TRUE(fileIsNew());
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(fs::exists(dir / "debug.trc"));
  EXPECT_EQ(req.name, answer);  // the request remembers the last choice
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].kind, FileDialogKind::Save);
  EXPECT_FALSE(seen[0].confirmOverwrite);
  EXPECT_EQ(seen[0].title, "Open Trace File");
  EXPECT_EQ(seen[0].initialName, "debug.trc");
  ASSERT_EQ(seen[0].filter.size(), 1u);
  EXPECT_EQ(seen[0].filter[0].pattern, "*.*");
}

TEST_F(FileRequestTest, ExistingFileAnswers) {
  const fs::path p = dir / "old.trc";
  answer = p.string();
  FileRequest req{"x", nullptr, {}, nullptr, "at"};

  writeFile(p, "first\n");
  existingAnswer = EXISTING_APPEND;
  {
    FilePtr f = promptOpenFile(req);
    ASSERT_TRUE(f);
    std::fputs("second\n", f.get());
  }
  EXPECT_FALSE(fileIsNew());
  EXPECT_EQ(readAll(p), "first\nsecond\n");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], p.string());

  existingAnswer = EXISTING_OVERWRITE;
  {
    FilePtr f = promptOpenFile(req);
    ASSERT_TRUE(f);
    std::fputs("only\n", f.get());
  }
  EXPECT_TRUE(fileIsNew());
  EXPECT_EQ(readAll(p), "only\n");

  existingAnswer = EXISTING_ENTER;  // Enter keeps appending but counts as new
  {
    FilePtr f = promptOpenFile(req);
    ASSERT_TRUE(f);
    std::fputs("more\n", f.get());
  }
  EXPECT_TRUE(fileIsNew());
  EXPECT_EQ(readAll(p), "only\nmore\n");

  existingAnswer = EXISTING_APPEND;
  ASSERT_TRUE(promptOpenFile(req));
  existingAnswer = EXISTING_CANCEL;
  EXPECT_FALSE(promptOpenFile(req));
  EXPECT_FALSE(fileIsNew()) << "Cancel keeps the previous value";
  EXPECT_EQ(readAll(p), "only\nmore\n");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(FileRequestTest, ReadAndWriteModesNeverAsk) {
  const fs::path p = dir / "script.ops";
  writeFile(p, "lens\n");
  answer = p.string();
  FileRequest readReq{"", nullptr, {}, nullptr, "rt"};
  FilePtr r = promptOpenFile(readReq);
  ASSERT_TRUE(r);
  EXPECT_EQ(seen.back().kind, FileDialogKind::Open);
  EXPECT_FALSE(seen.back().confirmOverwrite);
  EXPECT_TRUE(fileIsNew());
  r.reset();

  FileRequest save{"PsvTrace", "Save in File", {}, nullptr, "wt"};
  FilePtr w = promptOpenFile(save);
  ASSERT_TRUE(w);
  EXPECT_EQ(seen.back().kind, FileDialogKind::Save);
  EXPECT_TRUE(seen.back().confirmOverwrite);
  EXPECT_TRUE(asked.empty());
  w.reset();
  EXPECT_EQ(readAll(p), "") << "wt truncates";
}

TEST_F(FileRequestTest, DefaultExtensionOnlyForNamesWithoutAnyDot) {
  FileRequest req{"", nullptr, {{"lens", "*lens"}, {"All", "*.*"}}, ".lens", "at"};

  answer = (dir / "snap").string();
  ASSERT_TRUE(promptOpenFile(req));
  EXPECT_EQ(req.name, (dir / "snap.lens").string());
  EXPECT_TRUE(fs::exists(dir / "snap.lens"));

  answer = (dir / "snap.v2").string();
  ASSERT_TRUE(promptOpenFile(req));
  EXPECT_EQ(req.name, answer);

  // The temporary directory's own path has no dot; one with a dot counts.
  ASSERT_EQ(dir.string().find('.'), std::string::npos);
  fs::create_directories(dir / "my.dir");
  answer = (dir / "my.dir" / "snap").string();
  ASSERT_TRUE(promptOpenFile(req));
  EXPECT_EQ(req.name, answer);
  EXPECT_TRUE(fs::exists(dir / "my.dir" / "snap"));
}

TEST_F(FileRequestTest, CancelledChooserOpensNothing) {
  answer.reset();
  FileRequest req{"debug.trc", nullptr, {}, nullptr, "at"};
  EXPECT_FALSE(promptOpenFile(req));
  EXPECT_EQ(req.name, "debug.trc");
}

TEST_F(FileRequestTest, OpenFailureShowsPathAsCaption) {
  answer = (dir / "missing-dir" / "x.trc").string();
  FileRequest req{"", nullptr, {}, nullptr, "at"};
  EXPECT_FALSE(promptOpenFile(req));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Unable to open file");
  EXPECT_EQ(boxes[0].caption, *answer);
  EXPECT_EQ(boxes[0].style, MB_ICON_ERROR);
}

TEST_F(FileRequestTest, InitialDirectoryReachesEveryChooser) {
  setFileDialogDir(dir.string());
  answer.reset();
  FileRequest a{"a", nullptr, {}, nullptr, "rt"};
  FileRequest b{"b", nullptr, {}, nullptr, "wt"};
  promptOpenFile(a);
  promptOpenFile(b);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].initialDir, dir.string());
  EXPECT_EQ(seen[1].initialDir, dir.string());
  setFileDialogDir("/elsewhere");
  promptOpenFile(a);
  EXPECT_EQ(seen[2].initialDir, "/elsewhere");
}

// A script runner opening a script and the user saving a snapshot at the same
// moment: each call keeps its own settings and its own fileIsNew.
TEST_F(FileRequestTest, TwoThreadsDoNotDisturbEachOther) {
  const fs::path existing = dir / "kept.lens";
  writeFile(existing, "old\n");
  std::mutex m;
  std::condition_variable cv;
  int inside = 0;
  setFileChooser([&](const FileDialogOptions& o) -> std::optional<std::string> {
    std::unique_lock lock(m);
    ++inside;
    cv.notify_all();
    // Both dialogs are open at once (bounded wait so a fault cannot hang).
    cv.wait_for(lock, std::chrono::seconds(10), [&] { return inside >= 2; });
    return (dir / o.initialName).string();
  });
  setExistingFileAsker([](const std::string&) { return EXISTING_APPEND; });

  bool newA = false, newB = true;
  std::string nameA, nameB;
  std::thread ta([&] {
    FileRequest r{"kept.lens", "A", {}, nullptr, "at"};
    FilePtr f = promptOpenFile(r);
    newA = f && fileIsNew();
    nameA = r.name;
    if (!f) newA = true;
  });
  std::thread tb([&] {
    FileRequest r{"fresh.trc", "B", {}, nullptr, "at"};
    FilePtr f = promptOpenFile(r);
    newB = f && fileIsNew();
    nameB = r.name;
  });
  ta.join();
  tb.join();
  EXPECT_EQ(inside, 2);
  EXPECT_FALSE(newA) << "appending to an existing file";
  EXPECT_TRUE(newB) << "a new file";
  EXPECT_EQ(nameA, existing.string());
  EXPECT_EQ(nameB, (dir / "fresh.trc").string());
}

TEST_F(FileRequestTest, TraceFileToggleOpensAppendsAndCloses) {
  const fs::path p = dir / "debug.trc";
  answer = p.string();
  ASSERT_FALSE(traceFileOpen());
  EXPECT_TRUE(toggleTraceFile());
  EXPECT_TRUE(traceFileOpen());
  EXPECT_EQ(seen.back().title, "Open Trace File");
  ASSERT_EQ(seen.back().filter.size(), 2u);
  EXPECT_EQ(seen.back().filter[1].description, "Trace Files (*.trc,*.csv)");
  EXPECT_EQ(seen.back().filter[1].pattern, "*.trc;*.csv");
  dbgPrint("line %d", 1);
  EXPECT_FALSE(toggleTraceFile());
  EXPECT_FALSE(traceFileOpen());
  EXPECT_EQ(readAll(p), "line 1\n");

  existingAnswer = EXISTING_APPEND;
  EXPECT_TRUE(toggleTraceFile());
  EXPECT_EQ(seen.back().initialName, p.string()) << "the last choice is offered again";
  dbgPrint("line %d", 2);
  EXPECT_FALSE(toggleTraceFile());
  EXPECT_EQ(readAll(p), "line 1\nline 2\n");

  existingAnswer = EXISTING_CANCEL;
  EXPECT_FALSE(toggleTraceFile());
  EXPECT_FALSE(traceFileOpen());
}

}  // namespace
