// Interactive file opening shared by every caller that lets the user pick a
// file (scripts, the lens snapshot, the trace file, the PsView save): show
// the open or save chooser, complete the name with a default extension, ask
// Overwrite / Append / Cancel for an existing file opened for appending, and
// open it as a C stream. Qt-free: the chooser and the "Existing File"
// question sit behind replaceable hooks that winui/ fills with real
// dialogs and tests fill with answers.
//
// Index: FileFilter, FileRequest, promptOpenFile, fileIsNew, setFileDialogDir,
// openTraceFile / toggleTraceFile, the hooks (FileChooser, ExistingFileAsker).
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelvane {

// One file-type choice of the chooser: ("Trace Files (*.trc,*.csv)", "*.trc;*.csv").
struct FileFilter {
  std::string description;
  std::string pattern;  // patterns separated by ';'
};

// What a caller hands to promptOpenFile. The caller keeps the record for as
// long as it wants the last choice remembered: `name` is both the name the
// chooser shows first and, after a successful call, the full chosen path.
struct FileRequest {
  std::string name;                        // in: first name shown; out: chosen path
  const char* title = nullptr;             // chooser caption; nullptr: the default one
  std::vector<FileFilter> filter;          // empty: no filter; the first one is selected
  const char* defaultExtension = nullptr;  // e.g. ".lens", added to a name without any '.'
  const char* mode = "rt";                 // "rt", "at" or "wt" (fopen modes)
};

// Closes a stream returned by promptOpenFile.
struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Shows the chooser for `request`, completes and opens the chosen file.
// Returns the open stream (the caller owns it), or nullptr when the user
// cancelled, answered Cancel to "Existing File", or the file could not be
// opened ("Unable to open file" is shown, the path as its caption).
// Safe to call from several threads at once: each call works on its own copy
// of the dialog settings.
FilePtr promptOpenFile(FileRequest& request);

// Only the chooser of promptOpenFile: the chosen path, completed with the
// default extension and kept in `request.name`, or nothing when cancelled.
// Nothing is opened or created.
std::optional<std::string> promptFileName(FileRequest& request);

// True when the file opened by this thread's last successful promptOpenFile
// holds nothing written before (it did not exist, was opened for reading or
// writing, or the user chose Overwrite); false after Append. Kept per thread
// so the script writer always reads the answer of its own call. A cancelled
// call leaves it unchanged.
bool fileIsNew();

// The directory every later chooser starts in (start-up gives it Store).
void setFileDialogDir(const std::string& directory);
std::string fileDialogDir();

// --- the trace file (the file sink of dbgPrint) -------------------------

// The trace file's request: "debug.trc", "Open Trace File", mode "at".
FileRequest& traceFileRequest();
// Asks for the trace file and makes it the file sink; true when one is open.
bool openTraceFile();
// Opens the trace file when none is open (returns whether one is now open),
// otherwise closes it and returns false.
bool toggleTraceFile();

// --- the replaceable dialogs ----------------------------------------------

enum class FileDialogKind { Open, Save };

// Everything a chooser needs for one call (a copy, owned by that call).
struct FileDialogOptions {
  FileDialogKind kind = FileDialogKind::Open;
  std::string title;               // empty: the chooser's default caption
  std::vector<FileFilter> filter;  // the first entry is selected
  std::string initialName;         // the request's name
  std::string initialDir;          // from setFileDialogDir; may be empty
  bool confirmOverwrite = false;   // the chooser asks before replacing a file
  bool pathMustExist = true;       // the chosen file's directory must exist
};

// Returns the full chosen path, or nothing when the user cancelled.
using FileChooser = std::function<std::optional<std::string>(const FileDialogOptions&)>;

// Answers of the "Existing File" question.
inline constexpr int EXISTING_ENTER = 1;   // Enter: keep the mode, file counts as new
inline constexpr int EXISTING_CANCEL = 2;  // Cancel, Escape or the close box
inline constexpr int EXISTING_OVERWRITE = 101;
inline constexpr int EXISTING_APPEND = 102;

// Asks Overwrite / Append / Cancel about `path`; returns one of the answers.
using ExistingFileAsker = std::function<int(const std::string& path)>;

// Install the dialogs (empty: the chooser cancels, the question answers
// Cancel). Returns the previous one so tests can restore it.
FileChooser setFileChooser(FileChooser chooser);
ExistingFileAsker setExistingFileAsker(ExistingFileAsker asker);

}  // namespace kelvane
