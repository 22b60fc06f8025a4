#include "app/wiring.h"

#include "app/command_ids.h"
#include "app/main_window.h"
#include "app/results/results_commands.h"
#include "app/workdirs.h"
#include "calc/focus_matrix.h"
#include "calc/focus_table.h"
#include "lensui/lens_maker.h"
#include "lensui/lens_session.h"
#include "lensui/lens_wnd.h"
#include "lensui/script_ui_host.h"
#include "optics/reports.h"
#include "trace/filerequest.h"
#include "traceui/free_window.h"
#include "traceui/psv_wnd.h"
#include "traceui/trace_windows.h"
#include "winui/place_window.h"
#include "winui/remembered_place.h"

namespace kelvane {

namespace {

void wireCalc(MainWindow& window) {
  // A sweep traces with the refractive index in force when it starts.
  window.setCalculationMaker(CMD_FOCUS_MATRIX, [] {
    FocusMatrixOptions options;
    options.indexRatio = lensSession().model.indexRatio();
    return std::function<void()>([options] { runFocusMatrixWith(options); });
  });
  window.setCalculationMaker(CMD_FOCUS_TABLE, [&window] {
    FocusTableOptions options;
    options.indexRatio = lensSession().model.indexRatio();
    // Rows that go into a trace file can be looked at once the table ends.
    const std::string tracePath = traceFileOpen() ? traceFileRequest().name : std::string();
    QPointer<QMainWindow> owner(&window);
    const FocusResultsHooks hooks = programResultsHooks(&window);
    return std::function<void()>([options, tracePath, owner, hooks] {
      runFocusTableWith(options);
      if (!tracePath.empty()) postFocusResultsOffer(owner, tracePath, hooks);
    });
  });
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
  // PsView's first rectangle: where the last run left it, else the
  // bottom-right corner of the work area.
  if (psViewPlace().rect.isNull())
    psViewPlace().rect = rememberedPlace(kPlacePsViewTrace).value_or(psViewStartRect(workArea()));
  window.setCommandHandler(CMD_TRACE_PSVIEW, [&window] { togglePsView(&window); });
  window.setCommandHandler(CMD_TRACE_LISTBOX, [&window] { toggleListboxTrace(&window); });
  window.setTraceWindowQuery(CMD_TRACE_PSVIEW, psViewOpen);
  window.setTraceWindowQuery(CMD_TRACE_LISTBOX, listboxTraceOpen);
  window.setTimerRefresh([] {
    if (psViewOpen()) refreshPsView();
  });
}

void wireLensView(MainWindow& window) {
  window.setCommandHandler(CMD_MULTI_BEAM, [&window] { openLensView(&window, kMultiBeamMode); });
  window.setCommandHandler(CMD_SINGLE_BEAM, [&window] { openLensView(&window, kSingleBeamMode); });
  window.setCommandHandler(CMD_LENS_MAKER, [&window] { runLensMaker(&window); });
}

// The script runner lives as long as the main window; its view requests
// (201, 203) go through the main window's commands.
void wireScripts(MainWindow& window) {
  auto postCommand = [&window](int id) {
    QMetaObject::invokeMethod(
        &window, [&window, id] { window.command(id); }, Qt::QueuedConnection);
  };
  auto* scripts = new ScriptUi(&window, storeFilePath(kDefaultScriptName), postCommand, &window);
  // A named script (the start-up argument, a second start's hand-off) waits
  // for the one running; the "script" item toggles the run.
  window.setScriptToggler([scripts](const std::string& name) {
    if (name.empty())
      scripts->toggleScript(name);
    else
      scripts->handOffScript(name);
  });
}

// The Focus Results window: from the Calc menu and for a ".csv" argument.
void wireResults(MainWindow& window) {
  const FocusResultsHooks hooks = programResultsHooks(&window);
  window.setCommandHandler(CMD_FOCUS_RESULTS,
                           [&window, hooks] { chooseFocusResults(&window, hooks); });
  window.setArgumentClaim([&window, hooks](const std::string& argument) {
    return openFocusResultsArgument(&window, argument, hooks);
  });
}

}  // namespace

void wireSubsystems(MainWindow& window) {
  wireCalc(window);
  wireTraceWindows(window);
  wireLensView(window);
  wireScripts(window);
  wireResults(window);
}

int pendingTraceBuffers() { return traceAllocCount(); }

}  // namespace kelvane
