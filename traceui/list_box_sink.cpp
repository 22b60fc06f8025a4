#include "traceui/list_box_sink.h"

#include <QMetaObject>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

namespace kelvane {

TraceListBox::TraceListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setUniformItemSizes(true);  // thousands of lines a second stay cheap to lay out
  setSortingEnabled(false);
  updateRows();
}

TraceListBox::~TraceListBox() { closeSink(); }

void TraceListBox::openSink() {
  if (m_isSink) return;
  m_isSink = true;
  setListBoxSink(this);
}

void TraceListBox::closeSink() {
  if (!m_isSink) return;
  m_isSink = false;
  setListBoxSink(nullptr);  // waits for a line being handed to us
}

int TraceListBox::itemHeight() const {
  if (count() > 0) {
    const int h = sizeHintForRow(0);
    if (h > 0) return h;
  }
  return std::max(1, fontMetrics().height());
}

void TraceListBox::updateRows() { m_rows.store(std::max(1, viewport()->height() / itemHeight())); }

void TraceListBox::resizeEvent(QResizeEvent* event) {
  QListWidget::resizeEvent(event);
  updateRows();
}

int TraceListBox::visibleRows() const { return m_rows.load(); }

void TraceListBox::resetContent() {
  std::lock_guard lock(m_pendingLock);
  m_pending.clear();  // nothing queued before an empty list would survive it
  m_pending.push_back({true, {}});
  if (!m_flushPosted) {
    m_flushPosted = true;
    QMetaObject::invokeMethod(this, &TraceListBox::flushPending, Qt::QueuedConnection);
  }
}

void TraceListBox::addString(const char* line) {
  std::lock_guard lock(m_pendingLock);
  m_pending.push_back({false, line});
  if (!m_flushPosted) {
    m_flushPosted = true;
    QMetaObject::invokeMethod(this, &TraceListBox::flushPending, Qt::QueuedConnection);
  }
}

void TraceListBox::clearNow() {
  {
    std::lock_guard lock(m_pendingLock);
    m_pending.clear();
  }
  clear();
}

void TraceListBox::flushPending() {
  std::vector<Request> requests;
  {
    std::lock_guard lock(m_pendingLock);
    requests.swap(m_pending);
    m_flushPosted = false;
  }
  if (requests.empty()) return;
  // Only what follows the last reset survives it.
  auto start = requests.begin();
  for (auto it = requests.begin(); it != requests.end(); ++it) {
    if (it->reset) start = it;
  }
  const bool reset = start->reset;
  if (reset) ++start;
  QStringList lines;
  lines.reserve(static_cast<int>(requests.end() - start));
  for (auto it = start; it != requests.end(); ++it) lines.push_back(QString::fromUtf8(it->line));

  setUpdatesEnabled(false);
  if (reset) clear();
  addItems(lines);
  if (count() > 0) {
    setCurrentRow(count() - 1);  // selects the newest line
    scrollToItem(item(count() - 1));
  }
  setUpdatesEnabled(true);
  updateRows();
}

}  // namespace kelvane
