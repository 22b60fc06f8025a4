#include "trace/dbgprint.h"

#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <mutex>
#include <string>

namespace kelvane {

namespace {

// One lock per sink slot: a line and its line end stay together in the file,
// and a close waits for the line being written.
struct Slots {
  std::mutex fileMutex;
  std::FILE* file = nullptr;
  std::string fileName;     // for the failure report
  bool fileFailed = false;  // this file's failure has been reported
  std::atomic<bool> fileOpen{false};

  std::mutex listMutex;
  ListBoxSink* list = nullptr;
  std::atomic<bool> listOpen{false};

  std::mutex psvMutex;
  PsViewSink* psv = nullptr;
  std::atomic<bool> psvOpen{false};

  std::atomic<DebuggerWriter> debugger{nullptr};
  std::atomic<unsigned long> unseen{0};  // lines no window took

  std::mutex boxMutex;
  MessageBoxHandler box;
};

Slots& slots() {
  static Slots s;
  return s;
}

void writeStderr(const char* text) { std::fputs(text, stderr); }

// A failed write or close of the trace file, taken under the file lock and
// reported after it is released: the report may itself trace.
struct FileFailure {
  bool pending = false;
  std::string name;
  int error = 0;

  void take(Slots& s, int errorNumber) {
    if (s.fileFailed) return;
    s.fileFailed = true;
    pending = true;
    name = s.fileName;
    error = errorNumber != 0 ? errorNumber : EIO;
  }
  void report() const {
    if (!pending) return;
    const std::string text = traceFileFailureText(name.empty() ? nullptr : name.c_str(), error);
    messageBox(nullptr, MB_ICON_ERROR, text.c_str(), kMessageBoxCaption);
  }
};

// Writes the line and its line end and hands them to the system at once;
// false when the stream failed. A line the disk took only in part is taken
// back, so the file holds whole lines only, and the error flag is cleared
// so that later lines are tried again (the disk may get room).
bool writeTraceLine(std::FILE* file, const char* line, int& error) {
  // Every line is flushed, so the file's size is where this line begins.
  struct stat before {};
  const bool sizeKnown = ::fstat(::fileno(file), &before) == 0;
  errno = 0;
  const bool written = std::fputs(line, file) >= 0 && std::fputs("\n", file) >= 0 &&
                       std::fflush(file) == 0 && !std::ferror(file);
  if (!written) {
    error = errno;
    __fpurge(file);  // what the disk did not take is dropped, not retried
    if (sizeKnown && before.st_mode != 0 && S_ISREG(before.st_mode))
      (void)::ftruncate(::fileno(file), before.st_size);
    std::clearerr(file);
  }
  return written;
}

}  // namespace

std::string traceFileFailureText(const char* name, int error) {
  std::string text = "Cannot write the trace file";
  if (name && *name) {
    text += ' ';
    text += name;
  }
  text += ": ";
  text += std::strerror(error);
  return text;
}

void dbgPrint(const char* format, ...) {
  if (dbgEnabled == 0) return;
  char line[kTraceLineMax + 1];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  dbgOutput(line);
}

void dbgOutput(const char* line) {
  Slots& s = slots();
  bool toDebugger = true;
  bool shown = false;  // a window took the line

  if (s.fileOpen.load(std::memory_order_acquire)) {
    FileFailure failure;
    {
      std::lock_guard lock(s.fileMutex);
      int error = 0;
      if (s.file) {
        // A line the file did not take still reaches the debugger output.
        if (writeTraceLine(s.file, line, error)) {
          if (dbgFileOnly) toDebugger = false;
        } else {
          failure.take(s, error);
        }
      }
    }
    failure.report();
  }

  if (s.listOpen.load(std::memory_order_acquire)) {
    std::lock_guard lock(s.listMutex);
    if (s.list) {
      if (!dbgListScroll.load()) {
        const int rows = s.list->visibleRows();
        if (dbgListCount.load() >= rows) {
          s.list->resetContent();
          dbgListCount.store(0);
        }
      }
      s.list->addString(line);
      dbgListCount.fetch_add(1);
      toDebugger = false;
      shown = true;
    }
  }

  if (s.psvOpen.load(std::memory_order_acquire)) {
    std::lock_guard lock(s.psvMutex);
    if (s.psv) {
      s.psv->append(line, 0);
      return;
    }
  }
  if (!shown) s.unseen.fetch_add(1, std::memory_order_relaxed);

  if (toDebugger) {
    DebuggerWriter write = s.debugger.load();
    if (!write) write = writeStderr;
    write(line);
    write("\n");
  }
}

void setTraceFile(std::FILE* file, const char* name) {
  Slots& s = slots();
  FileFailure failure;
  {
    std::lock_guard lock(s.fileMutex);
    if (s.file != file) {
      if (s.file) {
        // The close writes what is still buffered: its failure loses lines.
        errno = 0;
        if (std::fclose(s.file) != 0) failure.take(s, errno);
      }
      s.fileName = name ? name : "";
      s.fileFailed = false;
    }
    s.file = file;
    s.fileOpen.store(file != nullptr, std::memory_order_release);
  }
  failure.report();
}

bool traceFileOpen() { return slots().fileOpen.load(std::memory_order_acquire); }

void closeTraceFile() { setTraceFile(nullptr); }

unsigned long unseenTraceLines() { return slots().unseen.load(std::memory_order_relaxed); }

std::string traceFileName() {
  Slots& s = slots();
  std::lock_guard lock(s.fileMutex);
  return s.file ? s.fileName : std::string();
}

void setListBoxSink(ListBoxSink* sink) {
  Slots& s = slots();
  std::lock_guard lock(s.listMutex);
  s.list = sink;
  s.listOpen.store(sink != nullptr, std::memory_order_release);
}

void setPsViewSink(PsViewSink* sink) {
  Slots& s = slots();
  std::lock_guard lock(s.psvMutex);
  s.psv = sink;
  s.psvOpen.store(sink != nullptr, std::memory_order_release);
}

void setDebuggerWriter(DebuggerWriter writer) { slots().debugger.store(writer); }

void setMessageBoxHandler(MessageBoxHandler handler) {
  Slots& s = slots();
  std::lock_guard lock(s.boxMutex);
  s.box = std::move(handler);
}

int msgBoxPrintf(void* owner, unsigned style, const char* format, ...) {
  std::string text;
  if (std::strchr(format, '%')) {
    char buffer[300];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    text = buffer;
  } else {
    text = format;
  }
  return messageBox(owner, style, text.c_str(), kMessageBoxCaption);
}

int messageBox(void* owner, unsigned style, const char* text, const char* caption) {
  MessageBoxHandler handler;
  {
    Slots& s = slots();
    std::lock_guard lock(s.boxMutex);
    handler = s.box;
  }
  if (!handler) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return static_cast<int>(MB_IDOK);
  }
  return handler(owner, style, text, caption);
}

}  // namespace kelvane
