// Opening a file that is named from outside the program: the command line,
// a hand-off, a script path, a file in a folder another user can reach.
// A name can lead to a FIFO (open blocks until a writer comes), a device
// (/dev/zero reads forever) or a link planted by somebody else. Every such
// open goes through here: it opens without blocking, looks at what was
// opened (not at the name, which can change meanwhile), and keeps it only
// when it is a regular file. Qt-free.
//
// Index: RegularFileRules, openRegularFile, openRegularInput,
// openOwnedDirectory.
#pragma once

#include <sys/types.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace kelvane {

struct RegularFileRules {
  // false: a symbolic link at the path is refused (O_NOFOLLOW), for files
  // in folders where somebody else may have put it. A user's own link given
  // on the command line is followed.
  bool followLinks = true;
  // The file must belong to this user.
  std::optional<uid_t> owner;
};

// Opens `path` with `flags` (O_RDONLY, O_WRONLY or O_RDWR, with O_CREAT to
// make a missing file with `mode`); close-on-exec, never blocking in open.
// Returns the descriptor, in blocking mode, when it is a regular file within
// `rules`; otherwise -1 and `problem` says why ("a FIFO, not a regular
// file", "a symbolic link", "another user's file", or the system's reason,
// "Is a directory" among them).
// O_TRUNC is applied only after the checks, so nothing else is emptied.
int openRegularFile(const std::string& path, int flags, const RegularFileRules& rules,
                    std::string& problem, mode_t mode = 0600);

struct InputFileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using InputFilePtr = std::unique_ptr<std::FILE, InputFileCloser>;

// openRegularFile for reading, as a C stream (binary: no translation).
InputFilePtr openRegularInput(const std::string& path, std::string& problem,
                              const RegularFileRules& rules = {});

// Opens the folder `path` (a trailing "/" is fine) when it is a directory,
// not a link, owned by `user`, and none of the `forbidden` mode bits are set
// (S_IWGRP | S_IWOTH: nobody else may put files in it; 077: nobody else may
// even look). Returns its descriptor, or -1 with `problem` saying why.
int openOwnedDirectory(const std::string& path, uid_t user, mode_t forbidden, std::string& problem);

}  // namespace kelvane
