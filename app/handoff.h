// The single-instance hand-off file: a second start writes its command-line
// text (a script path) into "xIxComFile.~~~" in Store (or, when Store is not
// the user's alone, in the user's private runtime folder), then tells the
// first instance, which reads it back. Qt-free.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

inline constexpr const char* kHandoffFileName = "xIxComFile.~~~";
// Held by a second start from writing the hand-off file until it is answered.
inline constexpr const char* kHandoffLockName = "xIxComFile.lck";
// Longest text handed off: far beyond any path; a longer command line is
// refused rather than cut to another name.
inline constexpr int kHandoffTextMax = 1 << 20;

// The user's private folder for the single-instance socket (and the
// hand-off when Store is not safe), ending with "/": `runtimeDir`
// (XDG_RUNTIME_DIR) when it is the user's and nobody else may enter it,
// otherwise "kelvane-UID" in `tempDir`, created 0700 and checked. Empty when
// that folder is somebody else's or others may enter it; `problem` then
// says so, with its path.
std::string privateRuntimeDir(const std::string& runtimeDir, const std::string& tempDir, uid_t user,
                              std::string& problem);
// The same for this process: XDG_RUNTIME_DIR, then TMPDIR or "/tmp".
std::string privateRuntimeDir(std::string& problem);

// Where the hand-off file and its lock live, ending with "/": Store when it
// is the user's and nobody else may write into it (another user may have
// made a shared TEMP's Kelvane/Store first), else the private runtime
// folder; empty with `problem` when neither is safe.
std::string handoffDir(std::string& problem);

// Creates or truncates the hand-off file and writes `text` as it is (no line
// end added). Returns the number of characters written, or -1 when the file
// cannot be created, is not the user's own regular file (a link or a FIFO
// put in its place), or the text was not written in full.
int writeHandoffFile(std::string_view text);
// Same, for a file of the caller's choosing.
int writeHandoffFileAt(const std::string& path, std::string_view text);

// The first line of the hand-off file (a line end that was read stays part
// of it); nothing when the file cannot be opened, is not the user's own
// regular file, holds no line, or its line holds a NUL byte or is longer
// than `maxLength` (a cut-short path would name another file).
std::optional<std::string> readHandoffFile(int maxLength = kHandoffTextMax);
std::optional<std::string> readHandoffFileAt(const std::string& path,
                                             int maxLength = kHandoffTextMax);

// Longest message a second instance may send, its line end included.
inline constexpr int kHandoffMessageMax = 32;

// What the first instance makes of the bytes a connection has sent so far.
enum class HandoffMessage {
  Incomplete,  // no line end yet and no more than kHandoffMessageMax bytes: wait
  HandOff,     // the first line is "1224": read the hand-off file
  Malformed,   // the first line is anything else
  Overlong,    // no line end within the first kHandoffMessageMax bytes, and more came
};
// Only the first line counts; what follows it is not looked at.
HandoffMessage parseHandoffMessage(std::string_view received);

// The command-line text of a start: the arguments after the program name,
// joined by single spaces (empty without arguments). A text that does not
// start with "/" is taken relative to `currentDir`, so the running instance,
// started elsewhere, finds the same file.
std::string commandLineText(int argc, const char* const* argv, const std::string& currentDir = {});

}  // namespace kelvane
