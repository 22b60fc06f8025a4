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

std::string quickStartText(const std::string& guidePath) {
  return "Kelvane quick start\n"
         "\n"
         "Three things to try:\n"
         "1. Open > single-beam: the lens view and the Lens Control dialog open. Drag a\n"
         "   slider and watch the beams bend and the focus, width and deviation change.\n"
         "2. Open > multi-beam: the same lens under five fans of light that arrive at\n"
         "   40, 30, 20, 10 and 0 degrees.\n"
         "3. In the lens view, Lenses > Perfect focus, then Aberration: every beam\n"
         "   meets the axis at one point. Drag a slider and watch the curve bend.\n"
         "\n"
         "Keys:\n"
         "- Alt + the underlined letter: opens a menu or presses a button\n"
         "- Ctrl+Z and Ctrl+Y: undo and redo a change of the lens\n"
         "- arrow keys, Page Up and Page Down: move the slider that has the focus\n"
         "- Alt+? or Alt+/: About Kelvane\n"
         "- Enter or Escape: closes this box\n"
         "\n"
         "The guide: Help > HTML help shows it, with the menus, scripts and files.\n"
         "It is the page " +
         guidePath + "\n";
}

}  // namespace kelvane
