// The two working directories: Doc (the HTML help page) and Store (the
// default script, the single-instance hand-off file, the file choosers'
// starting place). Each is found beside the program, beside the program's
// folder, or in a "Kelvane" folder inside TEMP or HOME, and created there
// when none exists. Qt-free.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kelvane {

inline constexpr char kPathSeparator = '/';
inline constexpr const char* kDocSubdir = "Doc/";
inline constexpr const char* kStoreSubdir = "Store/";
inline constexpr const char* kWorkDirLevel = "Kelvane";  // the level inside TEMP or HOME

// initWorkDirs flags.
inline constexpr int WORKDIR_DOC = 1;
inline constexpr int WORKDIR_STORE = 2;

// One working directory: its full path ending with the separator. Set once
// at start-up and read-only afterwards, so any thread may read it.
struct WorkDir {
  std::string path;     // "/home/u/Kelvane/Store/"
  size_t nameSlot = 0;  // where the directory part ends (== path.size())

  // The full path of `name` placed in this directory; an empty name gives
  // the directory itself, ending with the separator.
  std::string filePath(std::string_view name) const;
};

// Where findWorkDir looks: the program's own path, the environment and the
// current directory. Tests give their own.
struct WorkDirEnvironment {
  std::string programPath;                         // the executable file
  std::function<const char*(const char*)> getenv;  // nullptr when unset
  std::string currentDir;
};
WorkDirEnvironment processEnvironment();

// Finds or creates the working directory `sub` (ending with "/").
WorkDir findWorkDir(std::string_view sub, const WorkDirEnvironment& env);

// Sets up docDir (flag 1) and storeDir (flag 2) for this process. Returns
// the Store path when flag 2 is set, else the Doc path. Call once at
// start-up, before any other thread runs.
std::string initWorkDirs(int flags, const WorkDirEnvironment& env = processEnvironment());
const WorkDir& docDir();
const WorkDir& storeDir();
// The program's own path as initWorkDirs was given it (the guide is found
// from it).
const std::string& programPath();

// The full path of `name` in Store; empty name: the Store directory itself.
std::string storeFilePath(std::string_view name);

// --- path helpers -----------------------------------------------------------

// Position after the last separator (0 when there is none).
size_t pathFileName(std::string_view path);
// Appends a separator (unless the path already ends with one) and the name.
std::string& pathAppend(std::string& path, std::string_view name);
// Writes `name` over the file-name part; returns where the name starts.
size_t pathReplaceName(std::string& path, std::string_view name);
// True when the path names anything that exists.
bool fileExists(const std::string& path);
// 1: an existing directory, -1: something else that exists, 0: nothing.
// With dirPartOnly, looks at the path up to its last separator.
int dirStatus(const std::string& path, bool dirPartOnly);
// Creates every missing directory along the path (failures ignored).
// Returns false only for an empty path.
bool makeDirs(const std::string& path);

// --- opening documents --------------------------------------------------------

// Hands a file to the desktop's viewer; true when the viewer was started.
// A viewer that starts and then gives up calls `failedLater` (when given).
using DocumentOpener =
    std::function<bool(const std::string& path, std::function<void()> failedLater)>;
void setDocumentOpener(DocumentOpener opener);

inline constexpr int DOCUMENT_IN_DOC = 1;  // openDocument selector; others mean Store
// Opens `name` from Doc (selector 1) or Store with the desktop's viewer.
// A missing file is reported as "%s is missing" with its full path.
bool openDocument(int selector, std::string_view name, void* owner = nullptr,
                  std::function<void()> failedLater = {});
// The same for a file named by its full path.
bool openDocumentAt(const std::string& path, void* owner = nullptr,
                    std::function<void()> failedLater = {});

}  // namespace kelvane
