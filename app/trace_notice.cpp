#include "app/trace_notice.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStatusBar>

#include "calc/calc_state.h"
#include "trace/dbgprint.h"

namespace kelvane {

QString traceNoticeText(unsigned long lines, const std::string& traceFile) {
  const QString count = lines == 1
                            ? QCoreApplication::translate("kelvane", "1 trace line")
                            : QCoreApplication::translate("kelvane", "%1 trace lines").arg(lines);
  if (!traceFile.empty())
    return QCoreApplication::translate("kelvane",
                                       "%1 went to the trace file %2: open it to see them")
        .arg(count, QFileInfo(QString::fromStdString(traceFile)).fileName());
  return QCoreApplication::translate("kelvane",
                                     "%1 went to standard error: see Debug > open trace PsView")
      .arg(count);
}

TraceNotice::TraceNotice(QStatusBar* bar) : m_bar(bar) {
  // The tooltip explains the notice, and goes with it.
  QObject::connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
    if (message.isEmpty()) bar->setToolTip(QString());
  });
}

void TraceNotice::closeCount() {
  look();
  m_quiet = true;
}

void TraceNotice::look() {
  const unsigned long now = unseenTraceLines();
  if (calcState.load() != CALC_IDLE) {
    m_counted = now;
    m_quiet = true;
    return;
  }
  if (now == m_counted) {
    m_quiet = true;
    return;
  }
  if (m_quiet) m_base = m_counted;
  m_counted = now;
  m_quiet = false;
  const std::string file = traceFileName();
  m_bar->showMessage(traceNoticeText(now - m_base, file), kTraceNoticeMs);
  // The whole story where the line is too short for it.
  m_bar->setToolTip(
      (file.empty() ? QCoreApplication::translate(
                          "kelvane",
                          "No trace file or trace window is open, so trace lines go to "
                          "the standard error output (the terminal Kelvane was "
                          "started from).")
                    : QCoreApplication::translate("kelvane", "The trace file %1 holds them.")
                          .arg(QString::fromStdString(file))) +
      QCoreApplication::translate("kelvane",
                                  " Debug > open trace PsView or open trace Listbox shows trace "
                                  "lines in a window; run the command again once one is open."));
}

}  // namespace kelvane
