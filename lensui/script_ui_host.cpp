#include "lensui/script_ui_host.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>

#include "lensui/lens_control.h"
#include "lensui/lens_session.h"
#include "lensui/lens_undo.h"
#include "lensui/lens_wnd.h"
#include "script/script_reader.h"
#include "script/script_requests.h"
#include "trace/dbgprint.h"
#include "winui/place_window.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

// The script button's captions as the runner names them (script_runner.h),
// marked here for lupdate; setScriptButtonText shows them translated.
[[maybe_unused]] constexpr const char* kScriptButtonTexts[] = {
    QT_TRANSLATE_NOOP("kelvane", "&Script"), QT_TRANSLATE_NOOP("kelvane", "&Stop"),
    QT_TRANSLATE_NOOP("kelvane", "re&Sume")};

}  // namespace

ScriptUiHost::ScriptUiHost(QWidget* mainWindow, std::function<void(int)> postCommand)
    : m_mainWindow(mainWindow), m_postCommand(std::move(postCommand)) {}

void ScriptUiHost::postToUi(std::function<void()> work) {
  QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

bool ScriptUiHost::lensViewExists() { return !lensSession().view.isNull(); }

bool ScriptUiHost::lensControlExists() { return !lensSession().control.isNull(); }

void ScriptUiHost::openLensView() {
  kelvane::openLensView(m_mainWindow, lensSession().model.beamMode());
}

void ScriptUiHost::requestLensView() {
  const int mode = lensSession().model.beamMode();
  if (m_postCommand) {
    m_postCommand(mode == kMultiBeamMode ? kOpenMultiBeamCommand : kOpenSingleBeamCommand);
    return;
  }
  QMetaObject::invokeMethod(
      this, [this, mode] { kelvane::openLensView(m_mainWindow, mode); }, Qt::QueuedConnection);
}

// Every write of the lens, the index, the lock or the fill is a command of
// the run's one undo step, opened by lensUndo().scriptChanging().

namespace {

void scriptChange(const std::function<void(LensState&)>& edit) {
  lensUndo().scriptChanging();
  LensState after = currentLensState();
  edit(after);
  lensUndo().change(after, QCoreApplication::translate("kelvane", "Script"));
}

}  // namespace

void ScriptUiHost::setLensValues(const std::array<double, 5>& v) {
  scriptChange([&v](LensState& s) { s.lens = Lens{v[0], v[1], v[2], v[3], v[4], s.lens.shape}; });
}

void ScriptUiHost::setLensShape(int shape) {
  scriptChange([shape](LensState& s) { s.lens.shape = shape; });
}

void ScriptUiHost::setIndexRatio(double ratio) {
  scriptChange([ratio](LensState& s) { s.indexRatio = ratio; });
}

void ScriptUiHost::setSource(const LightSource& source) {
  scriptChange([source](LensState& s) { s.source = source; });
}

ColourState ScriptUiHost::colour() { return currentLensState().colour; }

void ScriptUiHost::setColour(const ColourState& colour) {
  scriptChange([&colour](LensState& s) { s.colour = colour; });
}

void ScriptUiHost::setCanvas(int xmax, int ymax) {
  LensSession& s = lensSession();
  if (xmax > 0) s.Xmax = xmax;
  if (ymax > 0) s.Ymax = ymax;
}

void ScriptUiHost::setBeamMode(int mode) { kelvane::setBeamMode(mode); }

void ScriptUiHost::refreshLensControl() { kelvane::refreshLensControl(); }

void ScriptUiHost::setLockWidth(int a) {
  lensUndo().scriptChanging();
  kelvane::setLockWidth(a);
}

void ScriptUiHost::setFillPercent(int percent) {
  lensUndo().scriptChanging();
  kelvane::setFillPercent(percent);
}

double ScriptUiHost::traceWidth() { return lensSession().model.results().width; }

void ScriptUiHost::moveLensView(int x, int y, int w, int h) {
  LensWnd* view = lensSession().view;
  if (!view || (x < 0 && w < 0)) return;
  QRect outer = view->frameGeometry();
  if (x >= 0) outer.moveTopLeft(QPoint(x, y));
  if (w >= 0) outer.setSize(QSize(w, std::max(h, 1)));
  setOuterGeometry(view, outer);
}

void ScriptUiHost::placeLensControl(int anchor, int dx, int dy) {
  LensSession& s = lensSession();
  if (!s.control) return;
  // Anchors 0..3 are corners of the lens view, 4..7 of the work area.
  const QWidget* reference = anchor < kAnchorsInView ? s.view.data() : nullptr;
  if (anchor < kAnchorsInView && !reference) return;
  placeWindow(s.control, reference, anchor % kAnchorsInView, dx, dy);
}

void ScriptUiHost::setScriptStatus(const std::string& text) {
  if (LensControl* c = lensSession().control) c->setStatusText(QString::fromStdString(text));
}

void ScriptUiHost::enableScriptStatus(bool enabled) {
  if (LensControl* c = lensSession().control) c->setStatusEnabled(enabled);
}

void ScriptUiHost::setScriptButtonText(const std::string& text) {
  if (LensControl* c = lensSession().control) c->setScriptButtonText(uiText(text.c_str()));
}

void ScriptUiHost::scriptEnded() { lensUndo().scriptEnded(); }

ScriptFile ScriptUiHost::chooseScript(std::string& path) {
  FileRequest request = scriptRequest(path);
  FilePtr file = promptOpenFile(request);
  path = request.name;
  return ScriptFile(file.release());
}

// --- ScriptUi ----------------------------------------------------------------

ScriptUi::ScriptUi(QWidget* mainWindow, std::string scriptPath,
                   std::function<void(int)> postCommand, QObject* parent)
    : QObject(parent),
      m_host(mainWindow, std::move(postCommand)),
      m_runner(m_host, std::move(scriptPath)) {
  LensSession& s = lensSession();
  s.toggleScript = [this] { m_runner.toggleScript(); };
  s.stopScript = [this] { m_runner.stopScript(); };
  s.writeLensScript = [this] { saveSnapshot(); };
  if (s.control) s.control->updateHookButtons();
  // Lines a script cannot read whole show in the open trace windows.
  m_runner.setWarningSink([](const std::string& warning) { dbgPrint("%s", warning.c_str()); });
  // The next handed-over script starts on this thread once a run is over;
  // the call is dropped if this object is gone by then.
  m_runner.setRunEndedHook([this] {
    QMetaObject::invokeMethod(
        this, [this] { startNextHandoff(); }, Qt::QueuedConnection);
  });
}

ScriptUi::~ScriptUi() {
  // A run cut off here never reports its end: its step is closed now.
  lensUndo().scriptEnded();
  LensSession& s = lensSession();
  s.toggleScript = nullptr;
  s.stopScript = nullptr;
  s.writeLensScript = nullptr;
  if (s.control) s.control->updateHookButtons();
  m_runner.setRunEndedHook(nullptr);
  m_runner.shutdown();
}

void ScriptUi::toggleScript(const std::string& name) {
  if (name.empty())
    m_runner.toggleScript();
  else
    m_runner.toggleScript(name);
}

void ScriptUi::handOffScript(const std::string& name) {
  if (name.empty()) return;
  m_pending.push_back(name);
  if (m_pending.size() > 1 || m_runner.busy() || m_runner.scriptRunState() != SCRIPT_STOPPED)
    dbgPrint("Script queued behind the running one: %s", name.c_str());
  startNextHandoff();
}

void ScriptUi::startNextHandoff() {
  // A run, or a start still waiting for its file or the dialog, goes on;
  // its end calls this again.
  if (m_pending.empty() || m_runner.busy() || m_runner.scriptRunState() != SCRIPT_STOPPED) return;
  std::string name = std::move(m_pending.front());
  m_pending.pop_front();
  m_runner.toggleScript(name);
}

bool ScriptUi::saveSnapshot() {
  const LensSession& s = lensSession();
  LensSnapshot snapshot;
  if (s.view) {
    const QRect outer = s.view->frameGeometry();
    snapshot.viewLeft = outer.left();
    snapshot.viewTop = outer.top();
    snapshot.viewWidth = outer.width();
    snapshot.viewHeight = outer.height();
  }
  snapshot.xmax = s.Xmax;
  snapshot.ymax = s.Ymax;
  snapshot.beamMode = s.model.beamMode();
  snapshot.indexRatio = s.model.customIndexRatio();  // "rindex" sets the Custom glass's
  snapshot.colour = s.model.colour();
  snapshot.settings = s.model.settings();
  snapshot.lens = s.model.lens();
  snapshot.source = s.model.source();
  std::string path = m_runner.scriptPath();
  const bool written = saveLensScript(path, snapshot);
  m_runner.setScriptPath(path);
  return written;
}

}  // namespace kelvane
