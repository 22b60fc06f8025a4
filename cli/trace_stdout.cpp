#include "cli/trace_stdout.h"

#include "cli/output.h"
#include "trace/dbgprint.h"

namespace kelvane::cli {

namespace {
void writeStdout(const char* text) { Output::standardOutput().write(text); }
}  // namespace

TraceToStdout::TraceToStdout() { setDebuggerWriter(writeStdout); }

TraceToStdout::~TraceToStdout() {
  setDebuggerWriter(nullptr);
  Output::standardOutput().flush();
}

}  // namespace kelvane::cli
