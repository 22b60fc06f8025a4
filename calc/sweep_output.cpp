#include "calc/sweep_output.h"

#include <cstdarg>
#include <cstdio>

#include "trace/dbgprint.h"

namespace kelvane {

void sweepPrint(const SweepLineWriter& writer, const char* format, ...) {
  char line[kTraceLineMax + 1];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (writer) writer(line);
  else dbgPrint("%s", line);
}

}  // namespace kelvane
