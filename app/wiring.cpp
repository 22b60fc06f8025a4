#include "app/wiring.h"

#include "app/command_ids.h"
#include "app/main_window.h"
#include "calc/focus_matrix.h"
#include "calc/focus_table.h"
#include "optics/reports.h"
#include "trace/ui/free_window.h"
#include "trace/ui/place_window.h"
#include "trace/ui/psv_wnd.h"
#include "trace/ui/trace_windows.h"

namespace kelvane {

namespace {

void wireCalc(MainWindow& window) {
  window.setCalculation(CMD_FOCUS_MATRIX, runFocusMatrix);
  window.setCalculation(CMD_FOCUS_TABLE, runFocusTable);
  window.setCommandHandler(CMD_BASIC_INFO, reportBasicInfo);
  window.setCommandHandler(CMD_NORMAL_REFRACT_TABLE, reportNormalRefractTable);
  window.setCommandHandler(CMD_FACE_REFRACT_TABLE, reportFaceRefractTable);
  window.setCommandHandler(CMD_SLOPE_REFRACT_TABLE, reportSlopeRefractTable);
  window.setCommandHandler(CMD_DEFLECTION_TABLE, reportDeflectionTable);
  window.setCommandHandler(CMD_TEST_REFRACT_FORMULAS, testRefractFormulas);
}

void wireTraceWindows(MainWindow& window) {
  // The Listbox Trace opens at a quarter of the width and half the height
  // of the work area until it has a rectangle of its own.
  FreeWindow& listbox = listboxTraceRecord();
  if (listbox.right == 0) {
    listbox.left = 4;
    listbox.top = 2;
  }
  // PsView's first rectangle: the bottom-right corner of the work area.
  if (psViewPlace().rect.isNull()) psViewPlace().rect = psViewStartRect(workArea());
  window.setCommandHandler(CMD_TRACE_PSVIEW, [&window] { togglePsView(&window); });
  window.setCommandHandler(CMD_TRACE_LISTBOX, [&window] { toggleListboxTrace(&window); });
  window.setTraceWindowQuery(CMD_TRACE_PSVIEW, psViewOpen);
  window.setTraceWindowQuery(CMD_TRACE_LISTBOX, listboxTraceOpen);
  window.setTimerRefresh([] {
    if (psViewOpen()) refreshPsView();
  });
}

}  // namespace

void wireSubsystems(MainWindow& window) {
  wireCalc(window);
  wireTraceWindows(window);
  // Still to come here: the lens view (201, 203, 205) and scripts (200, the
  // start-up argument and the hand-off, through setScriptToggler).
}

int pendingTraceBuffers() { return 0; }

}  // namespace kelvane
