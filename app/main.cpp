// Kelvane's entry point: working directories, single instance, the main
// window and the one event loop.
#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/app_info.h"
#include "app/handoff.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "app/wiring.h"
#include "app/workdirs.h"
#include "calc/calc_state.h"
#include "calc/focus_results.h"
#include "trace/dbgprint.h"
#include "trace/filerequest.h"
#include "winui/file_dialogs.h"

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
  if (!haveDisplay(argc, argv)) {
    std::fprintf(stderr,
                 "kelvane needs a graphical desktop (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                 "to try it without one: xvfb-run -a build/app/kelvane\n");
    return kExitNoDisplay;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvane"));
  QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
  QApplication::setDesktopFileName(QStringLiteral("kelvane"));
  QIcon icon;
  icon.addFile(QStringLiteral(":/kelvane/kelvane-48.png"));
  icon.addFile(QStringLiteral(":/kelvane/kelvane-256.png"));
  QApplication::setWindowIcon(icon);

  // The working directories, the file choosers' start and the default script.
  initWorkDirs(WORKDIR_DOC | WORKDIR_STORE);
  setFileDialogDir(storeDir().path);
  const std::string defaultScriptPath = storeFilePath(kDefaultScriptName);
  (void)defaultScriptPath;  // the script runner's scriptPath, once it is wired

  // The command-line text: everything after the program name (Qt's own
  // options already taken out).
  std::string text = commandLineText(argc, argv);
  // A focus table named relative to where this start was made must be found
  // by a running instance started elsewhere.
  if (isFocusResultsPath(text)) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(text, error);
    if (!error) text = absolute.lexically_normal().string();
  }

  // A second instance hands its script over and ends. Looked at twice:
  // another start may take the place between the look and the listen.
  const QString serverName = SingleInstance::serverName();
  SingleInstance instance;
  SingleInstance::Place place;
  for (int attempt = 0; attempt < 2; ++attempt) {
    place = SingleInstance::findPlace(serverName);
    if (place.running) return SingleInstance::handOff(text, place.name);
    if (instance.listen(place.name)) break;
    if (attempt == 1) dbgPrint("Single instance: cannot listen on %s", qPrintable(place.name));
  }
  if (place.name != serverName)
    std::fprintf(stderr,
                 "kelvane: %s belongs to another user; started as the first instance on %s.\n",
                 qPrintable(serverName), qPrintable(place.name));

  installFileDialogs();
  setDocumentOpener([](const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
  });

  int exitCode = 0;
  {
    MainWindow window;
    QObject::connect(&instance, &SingleInstance::handoffRequested, &window,
                     &MainWindow::handleScriptHandoff);
    wireSubsystems(window);
    window.show();
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
