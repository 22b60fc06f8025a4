#include "lensui/lens_status_line.h"

#include <QCoreApplication>

namespace kelvane {

QString fanCountsText(const std::array<int, 5>& counts) {
  return QCoreApplication::translate("kelvane", "Fans 40..0°: %1 %2 %3 %4 %5")
      .arg(counts[0])
      .arg(counts[1])
      .arg(counts[2])
      .arg(counts[3])
      .arg(counts[4]);
}

LensStatusLine::LensStatusLine(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  m_noticeTimer.setSingleShot(true);
  connect(&m_noticeTimer, &QTimer::timeout, this, &LensStatusLine::refresh);
  refresh();
}

void LensStatusLine::setScriptText(const QString& text) {
  m_scriptText = text;
  refresh();
}

void LensStatusLine::setScriptRunning(bool running) {
  m_scriptRunning = running;
  refresh();
}

void LensStatusLine::setFanCounts(const std::optional<std::array<int, 5>>& counts) {
  m_fans = counts;
  refresh();
}

void LensStatusLine::showNotice(const QString& text, int ms, const QString& toolTip) {
  m_notice = text;
  m_noticeTip = toolTip;
  m_noticeTimer.start(ms);
  refresh();
}

void LensStatusLine::refresh() {
  QString text;
  bool current = true;
  if (m_noticeTimer.isActive()) {
    text = m_notice;
  } else if (m_scriptRunning) {
    text = m_scriptText;
  } else if (m_fans) {
    text = fanCountsText(*m_fans);
  } else {
    // The name of the script that ran last stays, greyed.
    text = m_scriptText;
    current = false;
  }
  setText(text);
  if (m_noticeTimer.isActive())
    setToolTip(m_noticeTip);
  else
    setToolTip(!m_scriptRunning && m_fans
                   ? QCoreApplication::translate(
                         "kelvane", "Beams traced in the 40°, 30°, 20°, 10° and 0° fans")
                   : QString());
  setEnabled(current);
}

}  // namespace kelvane
