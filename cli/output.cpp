#include "cli/output.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <utility>

namespace kelvane::cli {

namespace {
// Kept when a write failed but left no error number behind.
constexpr int kUnknownError = -1;
}  // namespace

Output& Output::standardOutput() {
  static Output out(stdout, "standard output", false);
  return out;
}

std::unique_ptr<Output> Output::createFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (!file) {
    reportWriteFailure(path, errno);
    return nullptr;
  }
  return std::unique_ptr<Output>(new Output(file, path, true));
}

Output::Output(std::FILE* file, std::string name, bool owned)
    : m_file(file), m_name(std::move(name)), m_owned(owned) {}

Output::~Output() {
  if (m_owned && !m_finished) std::fclose(m_file);
}

void Output::noteFailure(int error) {
  int none = 0;
  m_error.compare_exchange_strong(none, error != 0 ? error : kUnknownError);
}

void Output::write(const char* text) {
  if (m_finished) return;
  if (std::fputs(text, m_file) == EOF) noteFailure(errno);
}

void Output::print(const char* format, ...) {
  if (m_finished) return;
  va_list args;
  va_start(args, format);
  const int written = std::vfprintf(m_file, format, args);
  va_end(args);
  if (written < 0) noteFailure(errno);
}

void Output::writeLine(const char* text) {
  write(text);
  write("\n");
  flush();
}

void Output::flush() {
  if (m_finished) return;
  if (std::fflush(m_file) != 0) noteFailure(errno);
}

int Output::finish() {
  if (m_finished) return m_result;
  m_finished = true;
  errno = 0;  // a stale number must not become the reason for an older failure
  if (std::fflush(m_file) != 0) noteFailure(errno);
  // A failure of a write made past this object (ferror is sticky).
  if (std::ferror(m_file)) noteFailure(errno);
  if (std::fclose(m_file) != 0) noteFailure(errno);
  const int error = m_error.load();
  if (error != 0) reportWriteFailure(m_name, error);
  m_result = error != 0 ? 1 : 0;
  return m_result;
}

void reportWriteFailure(const std::string& name, int error) {
  std::fprintf(stderr, "kelvane-cli: cannot write %s: %s\n", name.c_str(),
               error > 0 ? std::strerror(error) : "write error");
}

int finishStandardOutput(int exitCode) {
  const int result = Output::standardOutput().finish();
  return exitCode == 0 ? result : exitCode;
}

}  // namespace kelvane::cli
