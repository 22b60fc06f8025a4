// Where a command's results go: standard output or a file given with -o.
// Every write, flush and close is checked; the first failure is kept and
// reported once as "kelvane-cli: cannot write NAME: REASON", so a full disk
// or a directory given as the file never ends as a silent success.
#pragma once

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

namespace kelvane::cli {

class Output {
 public:
  // The process's standard output, named "standard output" in messages.
  static Output& standardOutput();

  // Creates or truncates PATH for writing. When it cannot, reports why on
  // standard error and returns nullptr.
  static std::unique_ptr<Output> createFile(const std::string& path);

  ~Output();
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  void write(const char* text);
  void print(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // The text and a line end, flushed at once: a sweep learns of a full disk
  // at its first line rather than when it ends minutes later.
  void writeLine(const char* text);
  void flush();

  // True once a write or flush has failed. Callable from any thread.
  bool failed() const { return m_error.load() != 0; }

  // Flushes and closes, then reports the first failure. Returns 0, or 1
  // after the report. Later calls return the same without a second report.
  int finish();

  const std::string& name() const { return m_name; }

 private:
  Output(std::FILE* file, std::string name, bool owned);
  void noteFailure(int error);

  std::FILE* m_file;
  std::string m_name;
  bool m_owned;                 // closed with the object; standard output is closed by finish
  std::atomic<int> m_error{0};  // errno of the first failure, 0 while all is well
  bool m_finished = false;
  int m_result = 0;
};

// Prints "kelvane-cli: cannot write NAME: REASON" on standard error; an
// error number of 0 gives the reason "write error".
void reportWriteFailure(const std::string& name, int error);

// The last step of every run: standard output is flushed and closed, which
// also catches what a command printed without checking. A failure turns a
// successful exit code into 1.
int finishStandardOutput(int exitCode);

}  // namespace kelvane::cli
