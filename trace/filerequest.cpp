#include "trace/filerequest.h"

#include <filesystem>
#include <mutex>

#include "fileio/regular_file.h"
#include "trace/dbgprint.h"

namespace kelvane {

namespace {

// The state every chooser shares: the hooks and the initial directory. Each
// call copies what it needs under the lock and then runs without it, so a
// dialog on one thread never holds up a dialog on another.
struct SharedDialogState {
  std::mutex mutex;
  std::string initialDir;
  FileChooser chooser;
  ExistingFileAsker asker;
};

SharedDialogState& shared() {
  static SharedDialogState s;
  return s;
}

// A request's name may be shared by two callers on two threads (opening a
// script and saving the lens as a script use one name); its reads and writes
// here are kept apart by this lock.
std::mutex& requestNameMutex() {
  static std::mutex m;
  return m;
}

thread_local bool tFileIsNew = true;

bool hasChar(const char* text, char c) {
  return text && std::string_view(text).find(c) != std::string_view::npos;
}

// fopen mode without the Windows-only text flag 't'.
std::string stdioMode(const std::string& mode) {
  std::string out;
  for (char c : mode)
    if (c != 't') out += c;
  return out;
}

}  // namespace

std::optional<std::string> promptFileName(FileRequest& request) {
  const std::string mode = request.mode ? request.mode : "rt";

  FileDialogOptions options;
  options.kind = hasChar(mode.c_str(), 'r') ? FileDialogKind::Open : FileDialogKind::Save;
  options.title = request.title ? request.title : "";
  options.filter = request.filter;
  options.confirmOverwrite = hasChar(mode.c_str(), 'w');
  options.pathMustExist = true;
  {
    std::lock_guard lock(requestNameMutex());
    options.initialName = request.name;
  }
  FileChooser chooser;
  {
    std::lock_guard lock(shared().mutex);
    options.initialDir = shared().initialDir;
    chooser = shared().chooser;
  }

  std::optional<std::string> chosen;
  if (chooser) chosen = chooser(options);
  if (!chosen || chosen->empty()) return std::nullopt;

  std::string path = *chosen;
  // A dot anywhere in the path, a directory's included, means the name has
  // an extension already.
  if (request.defaultExtension && *request.defaultExtension && path.find('.') == std::string::npos)
    path += request.defaultExtension;
  {
    std::lock_guard lock(requestNameMutex());
    request.name = path;
  }
  return path;
}

FilePtr promptOpenFile(FileRequest& request) {
  const std::string mode = request.mode ? request.mode : "rt";
  const std::optional<std::string> chosen = promptFileName(request);
  if (!chosen) return nullptr;  // cancelled: fileIsNew unchanged
  const std::string& path = *chosen;
  ExistingFileAsker asker;
  {
    std::lock_guard lock(shared().mutex);
    asker = shared().asker;
  }

  bool isNew = true;
  std::string openMode = mode;
  std::error_code ec;
  if (openMode.find('a') != std::string::npos && std::filesystem::exists(path, ec)) {
    const int answer = asker ? asker(path) : EXISTING_CANCEL;
    switch (answer) {
      case EXISTING_CANCEL:
        return nullptr;
      case EXISTING_OVERWRITE:
        openMode[openMode.find('a')] = 'w';
        break;
      case EXISTING_APPEND:
        isNew = false;
        break;
      default:  // Enter: keep the mode; the file still counts as new
        break;
    }
  }
  tFileIsNew = isNew;

  // What is read must be a regular file: a FIFO would block in open, a
  // device never end.
  std::string problem;
  FilePtr file(openMode.find('r') != std::string::npos && openMode.find('+') == std::string::npos
                   ? openRegularInput(path, problem).release()
                   : std::fopen(path.c_str(), stdioMode(openMode).c_str()));
  if (!file) {
    messageBox(nullptr, MB_ICON_ERROR, "Unable to open file", path.c_str());
    return nullptr;
  }
  return file;
}

bool fileIsNew() { return tFileIsNew; }

void setFileDialogDir(const std::string& directory) {
  std::lock_guard lock(shared().mutex);
  shared().initialDir = directory;
}

std::string fileDialogDir() {
  std::lock_guard lock(shared().mutex);
  return shared().initialDir;
}

FileChooser setFileChooser(FileChooser chooser) {
  std::lock_guard lock(shared().mutex);
  std::swap(shared().chooser, chooser);
  return chooser;
}

ExistingFileAsker setExistingFileAsker(ExistingFileAsker asker) {
  std::lock_guard lock(shared().mutex);
  std::swap(shared().asker, asker);
  return asker;
}

FileRequest& traceFileRequest() {
  static FileRequest request{
      "debug.trc",
      "Open Trace File",
      {{"All Files (*.*)", "*.*"}, {"Trace Files (*.trc,*.csv)", "*.trc;*.csv"}},
      nullptr,
      "at"};
  return request;
}

bool openTraceFile() {
  FilePtr file = promptOpenFile(traceFileRequest());
  if (!file) return false;
  // Line by line, so the file can be followed while the program runs.
  std::setvbuf(file.get(), nullptr, _IOLBF, 0);
  setTraceFile(file.release(), traceFileRequest().name.c_str());
  return traceFileOpen();
}

bool toggleTraceFile() {
  if (!traceFileOpen()) return openTraceFile();
  closeTraceFile();
  return false;
}

}  // namespace kelvane
