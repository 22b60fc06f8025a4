// One lens design on a thread of its own, for a window that must stay
// responsive: it asks how far the search is and whether it has ended, and
// takes the result then. The worker touches nothing but its own request and
// result - never the lens the user sees. Cancelling stops the search at the
// next trace; the destructor cancels and waits, so closing a window during a
// run ends it without a hang.
#pragma once

#include <atomic>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "calc/lens_design.h"

namespace kelvane {

class DesignWorker {
 public:
  explicit DesignWorker(const DesignRequest& request);  // with no designProblem; starts
  ~DesignWorker();
  DesignWorker(const DesignWorker&) = delete;
  DesignWorker& operator=(const DesignWorker&) = delete;

  void cancel() { m_cancel.store(true); }
  bool cancelled() const { return m_cancel.load(); }
  bool finished() const { return m_finished.load(); }
  double doneShare() const { return m_done.load(); }  // 0 to 1
  // Waits until the search has ended (at once after cancel()).
  void wait();
  // The result once finished(): waits for the thread and hands it over once.
  std::optional<DesignResult> take();

 private:
  std::atomic<bool> m_cancel{false};
  std::atomic<bool> m_finished{false};
  std::atomic<double> m_done{0};
  std::mutex m_mutex;
  std::optional<DesignResult> m_result;  // under m_mutex
  std::thread m_thread;                  // last: starts once the rest exists
};

}  // namespace kelvane
