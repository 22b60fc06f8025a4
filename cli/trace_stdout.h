// Sends the trace lines that would go to the debugger output to standard
// output instead, for as long as the object lives.
#pragma once

namespace kelvane::cli {

class TraceToStdout {
 public:
  TraceToStdout();
  ~TraceToStdout();
  TraceToStdout(const TraceToStdout&) = delete;
  TraceToStdout& operator=(const TraceToStdout&) = delete;
};

}  // namespace kelvane::cli
