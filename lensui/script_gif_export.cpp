#include "lensui/script_gif_export.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>

#include "lensui/lens_export.h"
#include "lensui/lens_paint.h"
#include "lensui/lens_session.h"
#include "lensui/lens_wnd.h"
#include "script/headless_host.h"
#include "script/script_requests.h"
#include "script/script_runner.h"
#include "trace/dbgprint.h"
#include "trace/filerequest.h"

namespace kelvane {

namespace {

// How often the progress dialog looks at the runner.
constexpr int kProgressPollMs = 40;

FileRequest& gifRequest() {
  static FileRequest request = [] {
    FileRequest r;
    r.name = "script.gif";
    r.title = QT_TRANSLATE_NOOP("kelvane", "Animated GIF");
    r.filter = {{QT_TRANSLATE_NOOP("kelvane", "Animated GIF (*.gif)"), "*.gif"}};
    r.defaultExtension = ".gif";
    r.mode = "wb";
    return r;
  }();
  return request;
}

QString retracesText(int frames) {
  return (frames == 1
              ? QCoreApplication::translate("kelvane", "Recording the script: %1 retrace so far")
              : QCoreApplication::translate("kelvane", "Recording the script: %1 retraces so far"))
      .arg(frames);
}

}  // namespace

ScriptGifResult recordScriptGif(const std::string& scriptPath, const draw::FrameOptions& options,
                                int beamMode, bool delays, QWidget* owner) {
  ScriptGifResult result;
  draw::FrameRecorder recorder(options);  // made first, gone last: it abandons an unfinished GIF
  result.outcome = recorder.check();
  if (!result.outcome.ok()) return result;

  HeadlessHost host;
  host.setBeamMode(beamMode);
  ScriptRunner runner(host, scriptPath);
  runner.setDelaysEnabled(delays);
  std::atomic<int> recorded{0};
  draw::ExportOutcome failure;  // the runner's; read once it is no longer busy
  // On the runner's thread: the recorder paints a QImage of its own there.
  host.onRefresh = [&](const HeadlessHost& h) {
    if (!failure.ok()) return;
    failure = recorder.retraced(h.model());
    if (failure.ok())
      recorded.fetch_add(1);
    else
      runner.stopScript();  // the GIF is lost anyway
  };

  QProgressDialog progress(retracesText(0), QCoreApplication::translate("kelvane", "Cancel"), 0, 0,
                           owner);
  progress.setWindowTitle(QCoreApplication::translate("kelvane", "Animated GIF"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(kProgressPollMs);
  QObject::connect(&progress, &QProgressDialog::canceled, [&] { runner.stopScript(); });
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!runner.busy()) {
      loop.quit();
      return;
    }
    progress.setLabelText(retracesText(recorded.load()));
    // cancel() called directly sets wasCanceled without the canceled signal.
    if (progress.wasCanceled()) runner.stopScript();
    // Nobody can press "re&Sume" on a host without windows: go on at once.
    if (runner.scriptRunState() == SCRIPT_PAUSED && !progress.wasCanceled()) runner.toggleScript();
  });
  runner.toggleScript(scriptPath);
  poll.start();
  progress.show();
  loop.exec();
  poll.stop();
  progress.hide();

  result.frames = recorded.load();
  result.cancelled = progress.wasCanceled();
  if (result.cancelled) return result;  // the recorder abandons its .part file
  result.outcome = failure.ok() ? recorder.finish() : failure;
  return result;
}

ScriptGifResult exportScriptGif(QWidget* owner, bool delays) {
  ScriptGifResult result;
  LensSession& s = lensSession();
  static std::string lastScript = kRunnerDefaultScript;
  FileRequest scriptChoice = scriptRequest(lastScript);
  if (!promptOpenFile(scriptChoice)) {  // closed at once: the runner opens it again
    result.cancelled = true;
    return result;
  }
  lastScript = scriptChoice.name;
  const std::optional<std::string> gifPath = promptFileName(gifRequest());
  if (!gifPath) {
    result.cancelled = true;
    return result;
  }

  draw::FrameOptions options;
  options.gifPath = *gifPath;
  options.legend = currentPictureOptions().legend;
  options.style = currentPictureOptions().style;
  if (s.view) {
    options.viewWidth = s.view->canvas()->width();
    options.viewHeight = s.view->canvas()->height();
  }
  result = recordScriptGif(lastScript, options, s.model.beamMode(), delays, owner);
  if (!result.cancelled && result.outcome.ok() && result.frames == 0)
    result.outcome = {draw::kExportBadInput, "the script retraced nothing, so no GIF was written"};
  if (!result.outcome.ok())
    msgBoxPrintf(owner, MB_ICON_ERROR, "Export: %s", result.outcome.message.c_str());
  else if (!result.cancelled)
    noteFileWritten(QCoreApplication::translate("kelvane", "GIF"),
                    QString::fromStdString(*gifPath));
  return result;
}

}  // namespace kelvane
