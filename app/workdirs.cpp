#include "app/workdirs.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <system_error>

#include "trace/dbgprint.h"

namespace kelvane {

namespace fs = std::filesystem;

namespace {

WorkDir gDocDir;
WorkDir gStoreDir;
std::string gProgramPath;

std::mutex gOpenerMutex;
DocumentOpener gOpener;

std::string withoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && path.back() == kPathSeparator) path.pop_back();
  return path;
}

}  // namespace

std::string WorkDir::filePath(std::string_view name) const {
  std::string out = path.substr(0, nameSlot);
  out += name;
  return out;
}

WorkDirEnvironment processEnvironment() {
  WorkDirEnvironment env;
  std::error_code ec;
  env.programPath = fs::read_symlink("/proc/self/exe", ec).string();
  env.getenv = [](const char* name) -> const char* { return std::getenv(name); };
  env.currentDir = fs::current_path(ec).string();
  return env;
}

size_t pathFileName(std::string_view path) {
  const size_t sep = path.rfind(kPathSeparator);
  return sep == std::string_view::npos ? 0 : sep + 1;
}

std::string& pathAppend(std::string& path, std::string_view name) {
  if (path.empty() || path.back() != kPathSeparator) path += kPathSeparator;
  path += name;
  return path;
}

size_t pathReplaceName(std::string& path, std::string_view name) {
  const size_t at = pathFileName(path);
  path.replace(at, std::string::npos, name);
  return at;
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::exists(fs::symlink_status(path, ec)) && !ec;
}

int dirStatus(const std::string& path, bool dirPartOnly) {
  std::string p = path;
  if (dirPartOnly) {
    const size_t sep = p.rfind(kPathSeparator);
    if (sep == std::string::npos) return 0;
    p.resize(sep == 0 ? 1 : sep);  // "/x" keeps the root
  }
  std::error_code ec;
  const fs::file_status st = fs::status(p, ec);
  if (ec || !fs::exists(st)) return 0;
  return fs::is_directory(st) ? 1 : -1;
}

bool makeDirs(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  // Walk from the second character: at each separator and at the end, make
  // the directory named so far when nothing of that name exists.
  for (size_t i = 1; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != kPathSeparator) continue;
    const std::string part = path.substr(0, i);
    if (!fileExists(part)) fs::create_directory(part, ec);
  }
  return true;
}

WorkDir findWorkDir(std::string_view sub, const WorkDirEnvironment& env) {
  WorkDir dir;
  std::string p = env.programPath;

  // 1. Beside the program.
  if (!p.empty()) {
    pathReplaceName(p, sub);
    if (dirStatus(p, true) != 0) {
      dir.path = p;
      dir.nameSlot = p.size();
      return dir;
    }
    // 2. Beside the program's folder.
    std::string programDir = withoutTrailingSeparator(p.substr(0, pathFileName(env.programPath)));
    pathReplaceName(programDir, sub);
    if (dirStatus(programDir, true) != 0) {
      dir.path = programDir;
      dir.nameSlot = programDir.size();
      return dir;
    }
  }

  // 3. In "Kelvane" inside TEMP, then HOME.
  std::string candidate;
  for (const char* var : {"TEMP", "HOME"}) {
    const char* value = env.getenv ? env.getenv(var) : nullptr;
    if (!value || !*value || !fileExists(value)) continue;
    std::string c = value;
    pathAppend(c, kWorkDirLevel);
    pathAppend(c, sub);
    if (dirStatus(c, true) != 0) {
      dir.path = c;
      dir.nameSlot = c.size();
      return dir;
    }
    candidate = c;  // HOME's wins when both qualify
  }

  // 4. Create the last qualifying candidate, and use it either way.
  if (!candidate.empty()) {
    makeDirs(withoutTrailingSeparator(candidate));
    dir.path = candidate;
    dir.nameSlot = candidate.size();
    return dir;
  }

  // 5. The current directory.
  dir.path = env.currentDir;
  if (dir.path.empty() || dir.path.back() != kPathSeparator) dir.path += kPathSeparator;
  dir.nameSlot = dir.path.size();
  return dir;
}

std::string initWorkDirs(int flags, const WorkDirEnvironment& env) {
  gProgramPath = env.programPath;
  if (flags & WORKDIR_DOC) gDocDir = findWorkDir(kDocSubdir, env);
  if (flags & WORKDIR_STORE) gStoreDir = findWorkDir(kStoreSubdir, env);
  return (flags & WORKDIR_STORE) ? gStoreDir.path : gDocDir.path;
}

const WorkDir& docDir() { return gDocDir; }
const WorkDir& storeDir() { return gStoreDir; }
const std::string& programPath() { return gProgramPath; }

std::string storeFilePath(std::string_view name) { return gStoreDir.filePath(name); }

void setDocumentOpener(DocumentOpener opener) {
  std::lock_guard lock(gOpenerMutex);
  gOpener = std::move(opener);
}

bool openDocument(int selector, std::string_view name, void* owner,
                  std::function<void()> failedLater) {
  const WorkDir& dir = selector == DOCUMENT_IN_DOC ? gDocDir : gStoreDir;
  return openDocumentAt(dir.filePath(name), owner, std::move(failedLater));
}

bool openDocumentAt(const std::string& path, void* owner, std::function<void()> failedLater) {
  if (!fileExists(path)) {
    msgBoxPrintf(owner, MB_ICON_ERROR, "%s is missing", path.c_str());
    return false;
  }
  DocumentOpener opener;
  {
    std::lock_guard lock(gOpenerMutex);
    opener = gOpener;
  }
  return opener && opener(path, std::move(failedLater));
}

}  // namespace kelvane
