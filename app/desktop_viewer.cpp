#include "app/desktop_viewer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

namespace kelvane {

namespace {

QStringList& viewerCommand() {
  static QStringList command{QStringLiteral("xdg-open")};
  return command;
}

}  // namespace

void setDesktopViewerCommand(const QStringList& command) { viewerCommand() = command; }

bool openInDesktopViewer(const std::string& path, std::function<void()> failedLater) {
  const QStringList& command = viewerCommand();
  if (command.isEmpty()) return false;
  // Owned by the application, not by a window: closing the window that
  // asked must not end the viewer.
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProcessChannelMode(QProcess::ForwardedChannels);  // its complaints, for the terminal
  process->setProgram(command.front());
  process->setArguments(command.mid(1) << QString::fromStdString(path));
  process->start();
  if (!process->waitForStarted()) {
    delete process;
    return false;
  }
  QElapsedTimer started;
  started.start();
  QObject::connect(process, &QProcess::finished, process,
                   [process, started, failedLater](int code, QProcess::ExitStatus status) {
                     const bool failed = status != QProcess::NormalExit || code != 0;
                     if (failed && started.elapsed() < kViewerWatchMs && failedLater) failedLater();
                     process->deleteLater();
                   });
  return true;
}

}  // namespace kelvane
