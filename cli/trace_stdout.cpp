#include "cli/trace_stdout.h"

#include <cstdio>

#include "trace/dbgprint.h"

namespace kelvane::cli {

namespace {
void writeStdout(const char* text) { std::fputs(text, stdout); }
}  // namespace

TraceToStdout::TraceToStdout() { setDebuggerWriter(writeStdout); }

TraceToStdout::~TraceToStdout() {
  setDebuggerWriter(nullptr);
  std::fflush(stdout);
}

}  // namespace kelvane::cli
