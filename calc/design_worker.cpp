#include "calc/design_worker.h"

namespace kelvane {

DesignWorker::DesignWorker(const DesignRequest& request)
    : m_thread([this, request] {
        DesignResult result = designLens(request, [this](const DesignProgress& p) {
          m_done.store(p.done);
          return !m_cancel.load();
        });
        {
          std::lock_guard lock(m_mutex);
          m_result = std::move(result);
        }
        m_done.store(1);
        m_finished.store(true);
      }) {}

DesignWorker::~DesignWorker() {
  cancel();
  if (m_thread.joinable()) m_thread.join();
}

void DesignWorker::wait() {
  if (m_thread.joinable()) m_thread.join();
}

std::optional<DesignResult> DesignWorker::take() {
  if (!finished()) return std::nullopt;
  if (m_thread.joinable()) m_thread.join();
  std::lock_guard lock(m_mutex);
  return std::exchange(m_result, std::nullopt);
}

}  // namespace kelvane
