#include "app/app_info.h"

#include <chrono>
#include <cstdio>
#include <cstring>

#include "trace/dbgprint.h"

namespace kelvane {

std::string formatBuildStamp(const char* date, const char* time) {
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  char month[4] = {};
  int day = 0, year = 0;
  if (std::sscanf(date, "%3s %d %d", month, &day, &year) != 3) return "unknown";
  unsigned m = 0;
  while (m < 12 && std::strcmp(kMonths[m], month) != 0) ++m;
  if (m == 12) return "unknown";
  const std::chrono::year_month_day ymd{std::chrono::year{year}, std::chrono::month{m + 1},
                                        std::chrono::day{static_cast<unsigned>(day)}};
  if (!ymd.ok()) return "unknown";
  const std::chrono::weekday wd{std::chrono::sys_days{ymd}};
  char out[32];
  std::snprintf(out, sizeof out, "%s %s %2d %.8s %4d", kDays[wd.c_encoding()], kMonths[m], day,
                time, year);
  return out;
}

std::string buildTimeStamp() { return formatBuildStamp(__DATE__, __TIME__); }

void DemoTrace::run() {
  m_counter %= 100;
  do {
    dbgPrint("Trace message %d %s", m_counter, "by dbgPrint");
    ++m_counter;
  } while (m_counter % 10 != 0);
}

bool exitReport(int traceAllocCount) {
  if (traceAllocCount == 0) return false;
  msgBoxPrintf(nullptr, MB_ICON_ERROR | MB_TASK_MODAL, "Lens trace buffer allocation count %d",
               traceAllocCount);
  return true;
}

}  // namespace kelvane
