// Output files appear whole or not at all, keep the old file until then,
// and are never written through another user's link in a shared folder.
#include "fileio/safe_output.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kelvane {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void put(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

class SafeOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvane_safe_output_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), {}));
  }
  fs::path m_dir;
};

// A write that fails part-way (the file size limit stands in for a full
// disk) leaves the old file and no temporary one.
TEST_F(SafeOutput, AFailedWriteKeepsTheOldFile) {
  const fs::path file = m_dir / "old.pdf";
  put(file, "the old picture");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 4096;
  const sighandler_t previous = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::optional<std::string> error = writeFileWhole(file.string(), std::string(10000, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  ASSERT_TRUE(error);
  EXPECT_EQ(*error, "cannot write " + file.string() + ": File too large");
  EXPECT_EQ(contents(file), "the old picture");
  EXPECT_EQ(entries(), 1u);

  EXPECT_EQ(writeFileWhole("/dev/full", "x"), "cannot write /dev/full: No space left on device");
  EXPECT_EQ(writeFileWhole((m_dir / "no" / "x.svg").string(), "x"),
            "cannot write " + (m_dir / "no" / "x.svg").string() + ": No such file or directory");
}

TEST_F(SafeOutput, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirMode) {
  const mode_t savedMask = umask(027);
  const fs::path fresh = m_dir / "new.svg";
  const fs::path kept = m_dir / "kept.svg";
  put(kept, "old");
  chmod(kept.c_str(), 0604);
  EXPECT_FALSE(writeFileWhole(fresh.string(), "new"));
  EXPECT_FALSE(writeFileWhole(kept.string(), "new"));
  umask(savedMask);
  struct stat st {};
  ASSERT_EQ(stat(fresh.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  ASSERT_EQ(stat(kept.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
  EXPECT_EQ(contents(kept), "new");
}

// Another user's link in a sticky folder that everyone may write is refused,
// as fs.protected_symlinks refuses it; this user's own link is followed.
TEST_F(SafeOutput, OnlyOwnLinksAreFollowedInSharedFolders) {
  if (geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
  const uid_t otherUser = 54321;  // needs no account: only the link's owner counts
  const fs::path shared = m_dir / "tmp";
  fs::create_directory(shared);
  ASSERT_EQ(chmod(shared.c_str(), 01777), 0);
  const fs::path precious = m_dir / "precious.txt";
  put(precious, "precious");
  const fs::path link = shared / "lens.svg";
  fs::create_symlink(precious, link);

  ASSERT_EQ(lchown(link.c_str(), otherUser, otherUser), 0);
  const std::optional<std::string> refused = writeFileWhole(link.string(), "picture");
  ASSERT_TRUE(refused);
  EXPECT_NE(refused->find("cannot write " + link.string() + ": "), std::string::npos) << *refused;
  EXPECT_EQ(contents(precious), "precious");
  EXPECT_EQ(std::distance(fs::directory_iterator(shared), {}), 1);

  ASSERT_EQ(lchown(link.c_str(), 0, 0), 0);
  EXPECT_FALSE(writeFileWhole(link.string(), "picture"));
  EXPECT_EQ(contents(precious), "picture");
  EXPECT_TRUE(fs::is_symlink(link));
}

}  // namespace
}  // namespace kelvane
