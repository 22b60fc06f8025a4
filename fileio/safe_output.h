// Writing a file so that it appears whole or not at all, and never through
// another user's symbolic link.
//
// The new contents go to a temporary file beside the final one, created
// under an unpredictable name with O_EXCL | O_NOFOLLOW, every write and the
// final fsync and close checked; only then is it renamed over the old
// file, so a full disk or a failed write leaves the old file as it was.
// A new file gets mode 0666 less the umask; a file that is replaced keeps
// its mode.
//
// Symbolic links are followed, except where the kernel's protected_symlinks
// would refuse: a link in a sticky folder that everyone may write (/tmp)
// that belongs neither to this user nor to the folder's owner. Another user
// could otherwise plant /tmp/lens.svg -> ~/precious.txt and have it
// overwritten. Pipes and devices (a FIFO, /dev/null) are written in place.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

class SafeOutputFile {
 public:
  SafeOutputFile() = default;
  ~SafeOutputFile();  // abandons a file that was not committed
  SafeOutputFile(const SafeOutputFile&) = delete;
  SafeOutputFile& operator=(const SafeOutputFile&) = delete;

  // Starts writing `path`. False with error() set.
  bool open(const std::string& path);
  // Appends; false with error() set (and the file abandoned).
  bool write(const void* data, std::size_t size);
  // Makes the file whole under its name; false with error() set.
  bool commit();
  // Removes the temporary file; the old file stays.
  void abandon();

  // "cannot write PATH: REASON", or empty.
  const std::string& error() const { return m_error; }

 private:
  bool fail(int error);

  std::string m_path;    // as the caller named it, for messages
  std::string m_target;  // where it lands once links are followed
  std::string m_temp;    // empty when written in place
  int m_fd = -1;
  std::string m_error;
};

// Writes `bytes` to `path` as above. Returns the error line, or nothing.
std::optional<std::string> writeFileWhole(const std::string& path, std::string_view bytes);

}  // namespace kelvane
