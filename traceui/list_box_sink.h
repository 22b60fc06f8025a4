// The list box of the Listbox Trace and the list-box sink of dbgPrint. Trace
// lines arrive from any thread; they are queued and carried out in order on
// the user-interface thread, so an emitting thread never waits for it.
#pragma once

#include <QListWidget>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "trace/dbgprint.h"

namespace kelvane {

class TraceListBox : public QListWidget, public ListBoxSink {
  Q_OBJECT
 public:
  explicit TraceListBox(QWidget* parent = nullptr);
  ~TraceListBox() override;

  // --- ListBoxSink, from any thread -------------------------------------
  int visibleRows() const override;
  void resetContent() override;
  void addString(const char* line) override;

  // Makes this list box the sink of dbgPrint / takes it away again; after
  // closeSink returns no line reaches it.
  void openSink();
  void closeSink();

  // Empties the list now, including lines still on their way (the "&Clear"
  // command; dbgListCount is left alone).
  void clearNow();
  // Carries out the queued requests (runs on the user-interface thread).
  void flushPending();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Request {
    bool reset;
    std::string line;
  };
  void updateRows();
  int itemHeight() const;

  std::mutex m_pendingLock;
  std::vector<Request> m_pending;
  bool m_flushPosted = false;  // guarded by m_pendingLock
  std::atomic<int> m_rows{1};
  bool m_isSink = false;
};

}  // namespace kelvane
