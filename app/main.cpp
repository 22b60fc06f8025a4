// Kelvane's entry point: working directories, single instance, the main
// window and the one event loop.
#include <QApplication>
#include <QIcon>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/app_info.h"
#include "app/desktop_viewer.h"
#include "app/handoff.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "app/ui_language.h"
#include "app/usage.h"
#include "app/wiring.h"
#include "app/workdirs.h"
#include "calc/calc_state.h"
#include "trace/dbgprint.h"
#include "trace/filerequest.h"
#include "winui/file_dialogs.h"
#include "winui/remembered_place.h"

namespace {

constexpr int kExitNoDisplay = 2;

bool envSet(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
}

// Qt aborts when it finds no display; say what to do instead.
bool haveDisplay(int argc, char** argv) {
  if (envSet("QT_QPA_PLATFORM") || envSet("DISPLAY") || envSet("WAYLAND_DISPLAY")) return true;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kelvane;
  if (const InfoRequest request = infoRequest(argc, argv); request != InfoRequest::None) {
    std::fputs(infoText(request).c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  if (!haveDisplay(argc, argv)) {
    std::fprintf(stderr,
                 "kelvane needs a graphical desktop (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                 "to try it without one: xvfb-run -a build/app/kelvane\n");
    return kExitNoDisplay;
  }

  QApplication app(argc, argv);
  // Qt has switched the C library to the user's locale; printf must keep
  // writing "1.50" into scripts, files and the trace, whatever the language.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Kelvane"));
  QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
  QApplication::setDesktopFileName(QStringLiteral("kelvane"));
  QIcon icon;
  icon.addFile(QStringLiteral(":/kelvane/kelvane-48.png"));
  icon.addFile(QStringLiteral(":/kelvane/kelvane-256.png"));
  QApplication::setWindowIcon(icon);
  // The windows' language: the one chosen under Settings, else the system's.
  installUiTranslation(chosenUiLanguage(), translationDirs(QApplication::applicationDirPath()));

  // The working directories, the file choosers' start and the default script.
  initWorkDirs(WORKDIR_DOC | WORKDIR_STORE);
  setFileDialogDir(storeDir().path);
  const std::string defaultScriptPath = storeFilePath(kDefaultScriptName);
  (void)defaultScriptPath;  // the script runner's scriptPath, once it is wired

  // The command-line text: everything after the program name (Qt's own
  // options already taken out), made absolute so that a running instance
  // started elsewhere finds the same file.
  std::error_code cwdError;
  const std::string text =
      commandLineText(argc, argv, std::filesystem::current_path(cwdError).string());

  // A second instance hands its script over and ends. Looked at twice:
  // another start may take the socket between the look and the listen.
  std::string problem;
  const QString serverName = SingleInstance::serverName(problem);
  SingleInstance instance;
  bool listening = false;
  for (int attempt = 0; !serverName.isEmpty() && attempt < 2 && !listening; ++attempt) {
    if (SingleInstance::probe(serverName) == SingleInstance::Probe::Running)
      return SingleInstance::handOff(text, serverName);
    listening = instance.listen(serverName);
  }
  if (serverName.isEmpty())
    std::fprintf(stderr,
                 "kelvane: %s; running alone: a second start will neither find this one nor "
                 "hand it anything.\n",
                 problem.c_str());
  else if (!listening)
    std::fprintf(stderr,
                 "kelvane: cannot listen on %s; running alone: a second start will not find "
                 "this one.\n",
                 qPrintable(serverName));

  installFileDialogs();
  setDocumentOpener(openInDesktopViewer);

  int exitCode = 0;
  {
    MainWindow window;
    QObject::connect(&instance, &SingleInstance::handoffRequested, &window,
                     &MainWindow::handleScriptHandoff);
    wireSubsystems(window);
    showAtRememberedPlace(&window, kPlaceMainWindow, [&window] { window.show(); });
    window.runStartupArgument(text);
    exitCode = QApplication::exec();

    // A sweep still running is asked to stop; it never waits for this
    // thread, so joining it cannot deadlock.
    killBackgroundCalc();
    joinBackgroundCalc();
  }
  exitReport(pendingTraceBuffers());
  return exitCode;
}
