// The Lens Control dialog's status line (control 174). Three voices share
// it: the script runner (the running script's name), the multi-beam trace
// (how many beams each fan got through) and brief notices such as "Copy"'s.
// A notice shows for a moment and then gives the line back; a running
// script's name wins over the fan counts. The line is enabled while it
// shows something current, and greyed when it only keeps the name of a
// script that has ended.
#pragma once

#include <QLabel>
#include <QTimer>
#include <array>
#include <optional>

namespace kelvane {

// How long a brief notice stays on the status line.
inline constexpr int kStatusNoticeMs = 2500;

class LensStatusLine : public QLabel {
  Q_OBJECT
 public:
  explicit LensStatusLine(QWidget* parent);

  // The script runner's text (the script's file name) and whether its
  // script runs.
  void setScriptText(const QString& text);
  void setScriptRunning(bool running);
  // The beams per fan (40, 30, 20, 10 and 0 degrees) of the last multi-beam
  // trace; nothing in single-beam mode.
  void setFanCounts(const std::optional<std::array<int, 5>>& counts);
  // Shows `text` (with `toolTip`) for `ms`, then what the line showed before.
  void showNotice(const QString& text, int ms = kStatusNoticeMs, const QString& toolTip = {});

  bool noticeShowing() const { return m_noticeTimer.isActive(); }

 private:
  void refresh();
  QString m_scriptText;
  bool m_scriptRunning = false;
  std::optional<std::array<int, 5>> m_fans;
  QString m_notice;
  QString m_noticeTip;
  QTimer m_noticeTimer;
};

// "Fans 40..0°: 15 15 15 15 15".
QString fanCountsText(const std::array<int, 5>& counts);

}  // namespace kelvane
