#include "traceui/free_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "traceui/list_box_sink.h"
#include "winui/place_window.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

int narrowed(int low, int high, int divisor) {
  if (divisor <= 0) divisor = kFreeDefaultDivisor;
  if (divisor >= kFreeFullExtentDivisor) return high;
  return low + (high - low) / divisor;
}

}  // namespace

QRect freeWindowStartRect(const FreeWindow& record, QRect reference) {
  if (record.right != 0) {
    return QRect(QPoint(record.left, record.top), QPoint(record.right - 1, record.bottom - 1));
  }
  const int left = reference.x();
  const int top = reference.y();
  const int right = narrowed(left, reference.x() + reference.width(), record.left);
  const int bottom = narrowed(top, reference.y() + reference.height(), record.top);
  return QRect(left, top, right - left, bottom - top);
}

FreeWnd::FreeWnd(FreeWindow& record, const QString& title, const std::vector<FreeMenuItem>& menu,
                 FreeWindowHook hook, QWidget* owner)
    : QWidget(owner, Qt::Window), m_record(&record), m_hook(std::move(hook)) {
  setWindowTitle(title);
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_menuBar = new QMenuBar(this);
  m_menuBar->setNativeMenuBar(false);
  for (const FreeMenuItem& item : menu) {
    QAction* action = m_menuBar->addAction(uiText(item.text));
    const int id = item.id;
    connect(action, &QAction::triggered, this, [this, id] { command(id); });
    m_actions[id] = action;
  }
  layout->setMenuBar(m_menuBar);
  m_list = new TraceListBox(this);
  layout->addWidget(m_list);
  record.child = m_list;
  record.frame = this;
}

FreeWnd::~FreeWnd() { detachRecord(); }

void FreeWnd::closeEvent(QCloseEvent* event) {
  // The sink closes at once, not when the deferred delete runs.
  detachRecord();
  event->accept();
}

void FreeWnd::detachRecord() {
  if (!m_record) return;
  m_list->closeSink();
  const QRect frame = screenRect(this);
  m_record->left = frame.x();
  m_record->top = frame.y();
  m_record->right = frame.x() + frame.width();
  m_record->bottom = frame.y() + frame.height();
  m_record->frame = nullptr;
  m_record->child = nullptr;
  m_record = nullptr;
}

int FreeWnd::command(int id) {
  if (!m_hook || !m_record) return 1;
  return m_hook(id & 0xFFFF, m_record);
}

QAction* FreeWnd::menuAction(int id) const {
  auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

TraceListBox* createFreeWindow(FreeWindow& record, unsigned flags, const char* title,
                               const std::vector<FreeMenuItem>& menu, FreeWindowHook hook,
                               QWidget* owner) {
  if (record.frame) {
    record.child->setFocus();
    return record.child;
  }
  const bool remembered = record.right != 0;
  const bool onWorkArea = (flags & kFreeWorkArea) != 0 || owner == nullptr;
  const QRect reference = onWorkArea ? workArea() : screenRect(owner);
  QRect start = freeWindowStartRect(record, reference);
  if (!remembered && (flags & kFreePlace) != 0) {
    // The corner placement, done on the frame rectangle before the window
    // is shown, so that one request fits the frame to it.
    const int corner = static_cast<int>(flags & kFreeCornerMask);
    if (std::optional<QPoint> pos = placedPosition(start.size(), reference, corner, 0, 0))
      start.moveTopLeft(*pos);
  }

  auto* frame = new FreeWnd(record, uiText(title), menu, std::move(hook), owner);
  showWithFrameRect(frame, start);  // fitted again once the window manager frames it
  return record.child;
}

}  // namespace kelvane
