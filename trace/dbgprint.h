// The trace call: one printf-style line, at most 199 characters, handed to
// every open sink (trace file, Listbox Trace, PsView), or to the debugger
// output (standard error) when no window sink takes it. Callable from any
// thread; the line is built on the caller's stack.
#pragma once

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>

namespace kelvane {

// Build settings: the master switch, and whether an open trace file keeps
// lines away from the debugger output.
#ifndef KELVANE_DBG_ENABLED
#define KELVANE_DBG_ENABLED 1
#endif
inline constexpr int dbgEnabled = KELVANE_DBG_ENABLED;
inline constexpr bool dbgFileOnly = true;

// Longest trace line, without its terminating NUL.
inline constexpr int kTraceLineMax = 199;

void dbgPrint(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Hands one finished line to the sinks; the second half of dbgPrint.
void dbgOutput(const char* line);

// The list box of the Listbox Trace window. Its operations are called from
// any thread and must not block on the user-interface thread (post them).
class ListBoxSink {
 public:
  virtual ~ListBoxSink() = default;
  // Whole rows the list box shows (client height / item height).
  virtual int visibleRows() const = 0;
  // Empties the list.
  virtual void resetContent() = 0;
  // Adds the line as the last item and selects it, scrolling it into view.
  virtual void addString(const char* line) = 0;
};

// The PsView window's ring. append is called from any thread; it takes the
// ring's own lock and must not block on the user-interface thread. length 0
// means "up to the NUL".
class PsViewSink {
 public:
  virtual ~PsViewSink() = default;
  virtual void append(const char* text, int length) = 0;
};

// List-box mode: true scrolls and keeps every line; false (page mode) empties
// the list each time it has filled its visible height.
inline std::atomic<bool> dbgListScroll{true};
// Lines added to the list box since page mode last emptied it.
inline std::atomic<int> dbgListCount{0};

// Sink slots. Setting a slot waits for any line being written to the old
// sink, so no line reaches a sink after it has been closed.
//
// The trace file: takes ownership and closes the previous file. `name` is
// the path shown when a write fails. The first failed write or close of a
// file is reported once, through msgBoxPrintf (so on standard error when no
// message box handler is installed); a line the file did not take goes to
// the debugger output instead, so it is not lost.
void setTraceFile(std::FILE* file, const char* name = nullptr);
bool traceFileOpen();
void closeTraceFile();
void setListBoxSink(ListBoxSink* sink);
void setPsViewSink(PsViewSink* sink);

// How many lines so far reached no trace window (only the trace file or
// the debugger output took them), so the program can say where they went.
unsigned long unseenTraceLines();
// The name the open trace file was given (empty when none is open).
std::string traceFileName();

// Where the debugger output goes (standard error unless replaced); it gets
// the text and then "\n" as two calls. nullptr restores standard error.
using DebuggerWriter = void (*)(const char* text);
void setDebuggerWriter(DebuggerWriter writer);

// The text of the trace file's failure report: "Cannot write the trace file
// NAME: REASON" (without a name when none was given).
std::string traceFileFailureText(const char* name, int error);

// Message box styles the program uses.
inline constexpr unsigned MB_OK_PLAIN = 0x0;
inline constexpr unsigned MB_ICON_ERROR = 0x10;
inline constexpr unsigned MB_TASK_MODAL = 0x2000;
inline constexpr unsigned MB_IDOK = 1;

// Shows a message box under the caption "Kelvane" and returns the button
// pressed. A format with '%' is formatted and cut at 299 characters; one
// without is shown unchanged. `owner` is the owning window or nullptr.
int msgBoxPrintf(void* owner, unsigned style, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

inline constexpr const char* kMessageBoxCaption = "Kelvane";

// Shows one message box: (owner, style, text, caption) -> button id. The user
// interface installs a real one; tests install one that answers.
using MessageBoxHandler = std::function<int(void*, unsigned, const char*, const char*)>;
void setMessageBoxHandler(MessageBoxHandler handler);  // empty: standard error

// Shows one message box through the installed handler with a caption of
// the caller's choice ("Unable to open file" uses the path as its caption).
int messageBox(void* owner, unsigned style, const char* text, const char* caption);

}  // namespace kelvane
