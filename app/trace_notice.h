// The main window's status line says where trace lines went that no trace
// window showed: a report, a test or Lens Control's "Copy" run with no trace
// window open would otherwise seem to do nothing. Where the lines go is not
// changed; the notice only tells. Lines of a running background calculation
// are passed over (the focus table offers its own results when it ends).
#pragma once

#include <QString>
#include <string>

class QStatusBar;

namespace kelvane {

// How long the notice stays on the status line.
inline constexpr int kTraceNoticeMs = 30000;

// "3 trace lines went to …": to the trace file `traceFile` when one is
// open, else to standard error; with how to see them.
QString traceNoticeText(unsigned long lines, const std::string& traceFile);

class TraceNotice {
 public:
  explicit TraceNotice(QStatusBar* bar);

  // Shows the notice when lines went unseen since the last look. Lines that
  // follow one another's looks add up in one notice.
  void look();
  // Looks, then starts a new count: called around a command, so that what
  // it prints is counted on its own.
  void closeCount();

 private:
  QStatusBar* m_bar;
  unsigned long m_counted = 0;  // unseen lines at the last look
  unsigned long m_base = 0;     // where the notice's count begins
  bool m_quiet = true;          // the last look found nothing new
};

}  // namespace kelvane
