#include "fileio/safe_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <random>

namespace kelvane {

namespace {

constexpr int kMaxLinkHops = 40;  // as the kernel's own limit
constexpr int kTemporaryNameTries = 100;
constexpr std::size_t kKeptNameLength = 200;  // of the final name, in the temporary one
constexpr char kRefusedLink[] =
    "it is a symbolic link of another user in a folder that everyone may write; not followed";

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The rule of fs.protected_symlinks: a link in a sticky, world-writable
// folder is followed only by its owner, or when the folder's owner owns it.
bool mayFollow(const struct stat& link, const std::string& folder) {
  struct stat dir {};
  if (::stat(folder.c_str(), &dir) != 0) return false;
  const bool shared = (dir.st_mode & S_ISVTX) && (dir.st_mode & S_IWOTH);
  return !shared || link.st_uid == ::geteuid() || link.st_uid == dir.st_uid;
}

// Follows the links of `path`'s last part. An errno value, or -1 with the
// link refused, or 0 with `target` set.
int followLinks(const std::string& path, std::string& target) {
  target = path;
  for (int hop = 0;; ++hop) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
    if (!S_ISLNK(st.st_mode)) return 0;
    if (hop == kMaxLinkHops) return ELOOP;
    const std::string folder = folderOf(target);
    if (!mayFollow(st, folder)) return -1;
    char link[PATH_MAX];
    const ssize_t n = ::readlink(target.c_str(), link, sizeof link);
    if (n < 0) return errno;
    if (static_cast<std::size_t>(n) == sizeof link) return ENAMETOOLONG;
    const std::string to(link, static_cast<std::size_t>(n));
    target = !to.empty() && to.front() == '/' ? to : folder + "/" + to;
  }
}

// Twelve letters from the system's entropy source: nobody can guess the
// name in time to plant a file or link there.
std::string randomSuffix() {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device entropy;
  std::uniform_int_distribution<int> letter(0, static_cast<int>(sizeof kLetters) - 2);
  std::string suffix;
  for (int i = 0; i < 12; ++i) suffix += kLetters[letter(entropy)];
  return suffix;
}

}  // namespace

SafeOutputFile::~SafeOutputFile() { abandon(); }

bool SafeOutputFile::fail(int error) {
  m_error = "cannot write " + m_path + ": " +
            (error < 0 ? std::string(kRefusedLink) : std::string(std::strerror(error)));
  abandon();
  return false;
}

bool SafeOutputFile::open(const std::string& path) {
  abandon();
  m_path = path;
  m_error.clear();
  if (const int error = followLinks(path, m_target)) return fail(error);
  struct stat old {};
  const bool exists = ::stat(m_target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return fail(EISDIR);
  if (exists && !S_ISREG(old.st_mode)) {
    // A pipe or a device has no "beside": it is written in place.
    m_fd = ::open(m_target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    return m_fd >= 0 || fail(errno);
  }
  const std::string stem = folderOf(m_target) + "/." + nameOf(m_target).substr(0, kKeptNameLength);
  for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    const std::string temp = stem + "." + randomSuffix() + ".tmp";
    // A file that is replaced keeps its mode: until then nobody else reads it.
    m_fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                  exists ? 0600 : 0666);
    if (m_fd >= 0) {
      m_temp = temp;
      if (exists && ::fchmod(m_fd, old.st_mode & 07777) != 0) return fail(errno);
      return true;
    }
    if (errno != EEXIST) return fail(errno);
  }
  return fail(EEXIST);
}

bool SafeOutputFile::write(const void* data, std::size_t size) {
  if (m_fd < 0) return false;
  const char* at = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(m_fd, at, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(n < 0 ? errno : ENOSPC);
    at += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool SafeOutputFile::commit() {
  if (m_fd < 0) return false;
  // fsync reports what a filesystem learns only when the data goes to disk.
  if (!m_temp.empty() && ::fsync(m_fd) != 0) return fail(errno);
  const int fd = m_fd;
  m_fd = -1;
  if (::close(fd) != 0) return fail(errno);
  if (!m_temp.empty() && ::rename(m_temp.c_str(), m_target.c_str()) != 0) return fail(errno);
  m_temp.clear();
  return true;
}

void SafeOutputFile::abandon() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
  if (!m_temp.empty()) ::unlink(m_temp.c_str());
  m_temp.clear();
}

std::optional<std::string> writeFileWhole(const std::string& path, std::string_view bytes) {
  SafeOutputFile file;
  if (file.open(path) && file.write(bytes.data(), bytes.size()) && file.commit())
    return std::nullopt;
  return file.error();
}

}  // namespace kelvane
