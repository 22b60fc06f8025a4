#include "fileio/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kelvane {

namespace {

const char* kindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "something else";
}

int refuse(int fd, std::string& problem, std::string why) {
  if (fd >= 0) ::close(fd);
  problem = std::move(why);
  return -1;
}

}  // namespace

int openRegularFile(const std::string& path, int flags, const RegularFileRules& rules,
                    std::string& problem, mode_t mode) {
  const bool truncate = (flags & O_TRUNC) != 0;
  int openFlags = (flags & ~O_TRUNC) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  if (!rules.followLinks) openFlags |= O_NOFOLLOW;
  const int fd = ::open(path.c_str(), openFlags, mode);
  if (fd < 0) {
    if (errno == ELOOP && !rules.followLinks) return refuse(-1, problem, "a symbolic link");
    // A FIFO opened for writing without blocking fails when nobody reads.
    if (errno == ENXIO) return refuse(-1, problem, "a FIFO, not a regular file");
    return refuse(-1, problem, std::strerror(errno));
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) return refuse(fd, problem, std::strerror(errno));
  if (S_ISDIR(st.st_mode)) return refuse(fd, problem, std::strerror(EISDIR));
  if (!S_ISREG(st.st_mode))
    return refuse(fd, problem, std::string(kindOf(st.st_mode)) + ", not a regular file");
  if (rules.owner && st.st_uid != *rules.owner) return refuse(fd, problem, "another user's file");
  if (truncate && ::ftruncate(fd, 0) != 0) return refuse(fd, problem, std::strerror(errno));
  // Reads and writes of a regular file never block anyway; the flag only
  // kept open itself from waiting.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

InputFilePtr openRegularInput(const std::string& path, std::string& problem,
                              const RegularFileRules& rules) {
  const int fd = openRegularFile(path, O_RDONLY, rules, problem);
  if (fd < 0) return nullptr;
  std::FILE* file = ::fdopen(fd, "rb");
  if (!file) {
    problem = std::strerror(errno);
    ::close(fd);
  }
  return InputFilePtr(file);
}

int openOwnedDirectory(const std::string& path, uid_t user, mode_t forbidden,
                       std::string& problem) {
  std::string dir = path;
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    // O_NOFOLLOW on a link gives ELOOP; O_DIRECTORY on one gives ENOTDIR.
    struct stat st {};
    if (::lstat(dir.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
      return refuse(-1, problem, "a symbolic link, not a folder");
    return refuse(-1, problem, std::strerror(errno));
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) return refuse(fd, problem, std::strerror(errno));
  if (st.st_uid != user) return refuse(fd, problem, "another user's folder");
  const mode_t reachable = st.st_mode & forbidden;
  if (reachable & (S_IWGRP | S_IWOTH)) return refuse(fd, problem, "a folder others may write into");
  if (reachable != 0) return refuse(fd, problem, "a folder others may enter");
  return fd;
}

}  // namespace kelvane
