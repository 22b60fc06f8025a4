#include "app/handoff.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "app/command_ids.h"
#include "app/workdirs.h"
#include "fileio/regular_file.h"

namespace kelvane {

namespace {

// The hand-off's files: never through a link, only the user's own.
RegularFileRules ownFilesOnly() { return RegularFileRules{false, ::getuid()}; }

std::string withSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

}  // namespace

std::string privateRuntimeDir(const std::string& runtimeDir, const std::string& tempDir, uid_t user,
                              std::string& problem) {
  // A runtime folder others can enter, or that is not the user's, is no
  // safer than the temporary folder.
  if (!runtimeDir.empty() && runtimeDir.front() == '/') {
    std::string why;
    const int fd = openOwnedDirectory(runtimeDir, user, S_IRWXG | S_IRWXO, why);
    if (fd >= 0) {
      ::close(fd);
      return withSlash(runtimeDir);
    }
  }
  // Made 0700 by the user, or found: then it must be the user's alone, as a
  // folder another user made first could hold anything.
  const std::string dir =
      withSlash(tempDir.empty() ? "/tmp" : tempDir) + "kelvane-" + std::to_string(user);
  ::mkdir(dir.c_str(), 0700);
  std::string why;
  const int fd = openOwnedDirectory(dir, user, S_IRWXG | S_IRWXO, why);
  if (fd < 0) {
    problem = dir + ": " + why;
    return {};
  }
  ::close(fd);
  return dir + '/';
}

std::string privateRuntimeDir(std::string& problem) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const char* temp = std::getenv("TMPDIR");
  return privateRuntimeDir(runtime ? runtime : "", temp ? temp : "", ::getuid(), problem);
}

std::string handoffDir(std::string& problem) {
  const std::string store = storeFilePath("");
  std::string why;
  const int fd = openOwnedDirectory(store, ::getuid(), S_IWGRP | S_IWOTH, why);
  if (fd >= 0) {
    ::close(fd);
    return store;
  }
  return privateRuntimeDir(problem);
}

int writeHandoffFileAt(const std::string& path, std::string_view text) {
  std::string problem;
  const int fd = openRegularFile(path, O_WRONLY | O_CREAT | O_TRUNC, ownFilesOnly(), problem);
  if (fd < 0) return -1;
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  const bool closed = ::close(fd) == 0;
  // A short write or a failing close (full disk) leaves a file the first
  // instance must not act on.
  if (written != text.size() || !closed) return -1;
  return static_cast<int>(written);
}

int writeHandoffFile(std::string_view text) {
  std::string problem;
  const std::string dir = handoffDir(problem);
  if (dir.empty()) return -1;
  return writeHandoffFileAt(dir + kHandoffFileName, text);
}

std::optional<std::string> readHandoffFileAt(const std::string& path, int maxLength) {
  if (maxLength <= 0) return std::nullopt;
  std::string problem;
  const InputFilePtr file = openRegularInput(path, problem, ownFilesOnly());
  if (!file) return std::nullopt;
  std::string line;
  for (int c; (c = std::getc(file.get())) != EOF;) {
    if (c == '\0') return std::nullopt;  // a C string's reader would see another name
    line.push_back(static_cast<char>(c));
    if (line.size() > static_cast<std::size_t>(maxLength)) return std::nullopt;
    if (c == '\n') break;
  }
  if (line.empty()) return std::nullopt;
  return line;
}

std::optional<std::string> readHandoffFile(int maxLength) {
  std::string problem;
  const std::string dir = handoffDir(problem);
  if (dir.empty()) return std::nullopt;
  return readHandoffFileAt(dir + kHandoffFileName, maxLength);
}

HandoffMessage parseHandoffMessage(std::string_view received) {
  // The verdict rests on the first kHandoffMessageMax + 1 bytes alone, so it
  // is the same however the peer splits what it sends.
  const auto end = received.find('\n');
  if (end == std::string_view::npos || end >= static_cast<size_t>(kHandoffMessageMax))
    return received.size() > static_cast<size_t>(kHandoffMessageMax) ? HandoffMessage::Overlong
                                                                     : HandoffMessage::Incomplete;
  const std::string expected = std::to_string(WM_SCRIPT_HANDOFF) + '\n';
  return received.substr(0, end + 1) == expected ? HandoffMessage::HandOff
                                                 : HandoffMessage::Malformed;
}

std::string commandLineText(int argc, const char* const* argv, const std::string& currentDir) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  if (!text.empty() && text.front() != '/' && !currentDir.empty())
    text = withSlash(currentDir) + text;
  return text;
}

}  // namespace kelvane
