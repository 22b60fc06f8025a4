// Files named from outside: only regular files are kept, nothing blocks,
// and links and other users' files are refused where asked.
#include "fileio/regular_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvane {
namespace {

namespace fs = std::filesystem;

class RegularFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("kelvane-fileio-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    file = (dir / "plain.txt").string();
    std::ofstream(file) << "kept";
  }
  void TearDown() override { fs::remove_all(dir); }
  // Why `path` is refused, or "opened".
  std::string verdict(const std::string& path, const RegularFileRules& rules = {},
                      int flags = O_RDONLY) {
    std::string problem;
    const int fd = openRegularFile(path, flags, rules, problem);
    if (fd < 0) return problem;
    ::close(fd);
    return "opened";
  }
  std::string contents(const std::string& path) {
    std::stringstream s;
    s << std::ifstream(path).rdbuf();
    return s.str();
  }
  fs::path dir;
  std::string file;
};

TEST_F(RegularFileTest, OnlyRegularFilesOpenAndNothingBlocks) {
  const std::string fifo = (dir / "pipe.csv").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(verdict(fifo), "a FIFO, not a regular file");
  EXPECT_EQ(verdict(fifo, {}, O_WRONLY), "a FIFO, not a regular file") << "no reader";
  EXPECT_EQ(verdict("/dev/zero"), "a character device, not a regular file");
  EXPECT_EQ(verdict(dir.string()), "Is a directory");
  EXPECT_EQ(verdict((dir / "none").string()), "No such file or directory");
  std::string problem;
  const InputFilePtr in = openRegularInput(file, problem);
  ASSERT_TRUE(in) << problem;
  char text[8] = {};
  EXPECT_EQ(std::fread(text, 1, sizeof text, in.get()), 4u) << "reads as usual, in blocking mode";
}

TEST_F(RegularFileTest, LinksAndOtherUsersFilesAreRefusedWhereAsked) {
  const std::string link = (dir / "link.txt").string();
  fs::create_symlink(file, link);
  EXPECT_EQ(verdict(link), "opened") << "a user's own link on the command line";
  const RegularFileRules noLinks{false, std::nullopt};
  EXPECT_EQ(verdict(link, noLinks, O_WRONLY | O_TRUNC), "a symbolic link");
  const RegularFileRules someoneElse{true, ::getuid() + 1};
  EXPECT_EQ(verdict(file, someoneElse, O_WRONLY | O_TRUNC), "another user's file");
  EXPECT_EQ(contents(file), "kept") << "a refused file is not emptied";
  EXPECT_EQ(verdict(file, RegularFileRules{false, ::getuid()}, O_WRONLY | O_TRUNC), "opened");
  EXPECT_EQ(contents(file), "");
}

TEST_F(RegularFileTest, OwnedDirectoryIsTheUsersAndClosedToOthers) {
  auto verdictOf = [](const fs::path& path, uid_t user, mode_t forbidden) {
    std::string problem;
    const int fd = openOwnedDirectory(path.string() + "/", user, forbidden, problem);
    if (fd < 0) return problem;
    ::close(fd);
    return std::string("opened");
  };
  const uid_t me = ::getuid();
  ASSERT_EQ(::chmod(dir.c_str(), 0755), 0);
  EXPECT_EQ(verdictOf(dir, me, S_IWGRP | S_IWOTH), "opened");
  EXPECT_EQ(verdictOf(dir, me, S_IRWXG | S_IRWXO), "a folder others may enter");
  ASSERT_EQ(::chmod(dir.c_str(), 0777), 0);
  EXPECT_EQ(verdictOf(dir, me, S_IWGRP | S_IWOTH), "a folder others may write into");
  ASSERT_EQ(::chmod(dir.c_str(), 0700), 0);
  EXPECT_EQ(verdictOf(dir, me, S_IRWXG | S_IRWXO), "opened");
  EXPECT_EQ(verdictOf(dir, me + 1, S_IRWXG | S_IRWXO), "another user's folder");
  fs::create_directory_symlink(dir, dir.string() + "-link");
  EXPECT_EQ(verdictOf(dir.string() + "-link", me, 0), "a symbolic link, not a folder");
  fs::remove(dir.string() + "-link");
}

}  // namespace
}  // namespace kelvane
