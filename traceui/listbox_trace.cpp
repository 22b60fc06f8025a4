#include "traceui/listbox_trace.h"

#include <QAction>
#include <QEvent>
#include <QMenuBar>

#include "traceui/list_box_sink.h"
#include "traceui/trace_windows.h"
#include "winui/remembered_place.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

std::function<void()>& listener() {
  static std::function<void()> l;
  return l;
}

}  // namespace

void setTraceWindowsListener(std::function<void()> l) { listener() = std::move(l); }

void notifyTraceWindowsChanged() {
  if (listener()) listener()();
}

FreeWindow& listboxTraceRecord() {
  static FreeWindow record{nullptr, kFreeDefaultDivisor, 2, 0, 0, nullptr};
  return record;
}

TraceListBox* listboxTrace() { return listboxTraceRecord().child; }

bool listboxTraceOpen() { return listboxTraceRecord().child != nullptr; }

int listboxTraceCommand(int id, FreeWindow* record) {
  switch (id) {
    case LISTBOX_CMD_CLEAR:
      if (record->child) record->child->clearNow();
      return 0;
    case LISTBOX_CMD_SCROLL: {
      const bool scroll = !dbgListScroll.load();
      dbgListScroll.store(scroll);
      if (record->frame) {
        if (QAction* item = record->frame->menuAction(LISTBOX_CMD_SCROLL)) {
          item->setText(uiText(scroll ? kListboxScrollOffText : kListboxScrollOnText));
        }
        record->frame->menuBar()->update();
      }
      return 0;
    }
    default:
      return 1;
  }
}

void toggleListboxTrace(QWidget* mainWindow) {
  FreeWindow& record = listboxTraceRecord();
  if (record.frame) {
    delete record.frame;  // remembers the rectangle and closes the sink
  } else {
    static const std::vector<FreeMenuItem> menu{{LISTBOX_CMD_CLEAR, kListboxClearText},
                                                {LISTBOX_CMD_SCROLL, kListboxScrollOffText}};
    // The first opening of a run goes where the window was last run.
    if (record.right == 0) {
      if (const std::optional<QRect> last = rememberedPlace(kPlaceListboxTrace)) {
        record.left = last->x();
        record.top = last->y();
        record.right = last->x() + last->width();
        record.bottom = last->y() + last->height();
      }
    }
    TraceListBox* list = createFreeWindow(record, kListboxTraceFlags, kListboxTraceTitle, menu,
                                          listboxTraceCommand, mainWindow);
    if (list) {
      rememberPlace(record.frame, kPlaceListboxTrace);
      list->openSink();
      QObject::connect(record.frame, &QObject::destroyed, [] { notifyTraceWindowsChanged(); });
    }
  }
  notifyTraceWindowsChanged();
}

}  // namespace kelvane
