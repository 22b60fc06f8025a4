#include "traceui/psv_wnd.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QThread>
#include <QVBoxLayout>

#include "trace/dbgprint.h"
#include "traceui/psv_config.h"
#include "traceui/trace_windows.h"
#include "winui/place_window.h"
#include "winui/remembered_place.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

// While an Inspect message box is open (user-interface thread only).
bool g_inspecting = false;

int requestFor(int action, bool horizontal, bool sliderDown) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return kScrollLineUp;
    case QAbstractSlider::SliderSingleStepAdd:
      return kScrollLineDown;
    case QAbstractSlider::SliderPageStepSub:
      return kScrollPageUp;
    case QAbstractSlider::SliderPageStepAdd:
      return kScrollPageDown;
    case QAbstractSlider::SliderToMinimum:
      return horizontal ? -1 : kScrollTop;
    case QAbstractSlider::SliderToMaximum:
      return horizontal ? -1 : kScrollBottom;
    case QAbstractSlider::SliderMove:
      // A wheel turn moves the slider without holding it: a finished move.
      if (horizontal) return sliderDown ? kScrollThumbTrack : kScrollThumbPosition;
      return kScrollThumbTrack;
    default:
      return -1;
  }
}

}  // namespace

FileRequest& psViewSaveRequest() {
  static FileRequest request{
      "PsvTrace", QT_TRANSLATE_NOOP("kelvane", "Save in File"), {}, nullptr, "wt"};
  return request;
}

PsViewPlace& psViewPlace() {
  static PsViewPlace place;
  return place;
}

QRect psViewStartRect(QRect area) {
  const int right = area.x() + area.width();
  const int bottom = area.y() + area.height();
  const int width = right / 4;
  const int height = bottom / 4 + bottom / 2;
  return QRect(right - width, bottom - height, width, height);
}

// --- PsvArea ------------------------------------------------------------

PsvArea::PsvArea(PsView& view, PsvWnd& window) : m_view(view), m_window(window) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFrameShape(QFrame::NoFrame);
  QPalette pal = viewport()->palette();
  pal.setColor(QPalette::Base, Qt::white);
  pal.setColor(QPalette::Text, Qt::black);
  viewport()->setPalette(pal);
  viewport()->setAutoFillBackground(true);

  const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  viewport()->setFont(font);
  const QFontMetrics metrics(font);
  m_view.setMetrics(metrics.horizontalAdvance(QLatin1Char('0')), metrics.lineSpacing());

  verticalScrollBar()->setSingleStep(1);
  horizontalScrollBar()->setSingleStep(1);
  horizontalScrollBar()->setPageStep(kHorizontalPageStep);
  connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, &PsvArea::verticalAction);
  connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
          &PsvArea::horizontalAction);
  connect(horizontalScrollBar(), &QAbstractSlider::sliderReleased, this,
          &PsvArea::horizontalReleased);
}

void PsvArea::applyVertical(int vmax, int vpos) {
  m_applying = true;
  verticalScrollBar()->setRange(0, vmax);
  verticalScrollBar()->setValue(vpos);
  m_applying = false;
}

void PsvArea::sizeChanged() {
  m_rangeLongest = m_view.longest();
  const PsView::ScrollState s = m_view.sizeChanged(viewport()->width(), viewport()->height());
  const int rows = std::max(1, viewport()->height() / std::max(1, m_view.lineHeight()));
  verticalScrollBar()->setPageStep(rows);
  applyVertical(s.vmax, s.vpos);
  m_applying = true;
  horizontalScrollBar()->setRange(0, s.hmax);
  horizontalScrollBar()->setValue(s.hpos);
  m_applying = false;
}

void PsvArea::followLongestLine() {
  if (m_view.longest() > m_rangeLongest) sizeChanged();
}

void PsvArea::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  sizeChanged();
}

void PsvArea::scrollContentsBy(int, int) {
  // The ring decides what moves: each request scrolls the pixels itself, and
  // range changes from appends come with a repaint.
}

void PsvArea::verticalAction(int action) {
  const int request = requestFor(action, false, verticalScrollBar()->isSliderDown());
  QScrollBar* bar = verticalScrollBar();
  const int step = request < 0 ? 0 : m_view.scrollVertical(request, bar->sliderPosition());
  bar->setSliderPosition(m_view.vpos());
  if (step != 0) {
    viewport()->scroll(0, -step * m_view.lineHeight());
    viewport()->repaint();  // updated at once
  }
}

void PsvArea::horizontalAction(int action) {
  QScrollBar* bar = horizontalScrollBar();
  const bool dragging = bar->isSliderDown() && action == QAbstractSlider::SliderMove;
  if (dragging) return;  // the text moves only when the thumb is released
  const int request = requestFor(action, true, false);
  const int step = request < 0 ? 0 : m_view.scrollHorizontal(request, bar->sliderPosition());
  bar->setSliderPosition(m_view.scrollState().hpos);
  if (step != 0) viewport()->scroll(-step * m_view.charWidth(), 0);
}

void PsvArea::horizontalReleased() {
  QScrollBar* bar = horizontalScrollBar();
  const int step = m_view.scrollHorizontal(kScrollThumbPosition, bar->sliderPosition());
  m_applying = true;
  bar->setValue(m_view.scrollState().hpos);
  m_applying = false;
  if (step != 0) viewport()->scroll(-step * m_view.charWidth(), 0);
}

void PsvArea::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.setFont(viewport()->font());
  painter.setPen(Qt::black);
  const int ascent = painter.fontMetrics().ascent();
  const QRect rect = event->rect();
  m_view.paint(rect.top(), rect.top() + rect.height(),
               [&](int x, int y, const char* text, int length) {
                 painter.drawText(x, y + ascent, QString::fromUtf8(text, length));
               });
}

void PsvArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    m_window.rightClick(event->position().toPoint());
    event->accept();
    return;
  }
  QAbstractScrollArea::mousePressEvent(event);
}

// --- PsvWnd -------------------------------------------------------------

PsvWnd::PsvWnd(QWidget* owner) : QWidget(owner, Qt::Window), m_view(std::make_unique<PsView>()) {
  setWindowTitle(uiText(kPsViewCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  m_menuBar = new QMenuBar(this);
  m_menuBar->setNativeMenuBar(false);
  auto addCommand = [this](QWidget* menu, int id, const char* text) {
    QAction* action = new QAction(uiText(text), menu);
    menu->addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { command(id); });
    return action;
  };
  m_actions[PSV_CMD_CLEAR] =
      addCommand(m_menuBar, PSV_CMD_CLEAR, QT_TRANSLATE_NOOP("kelvane", "&Clear"));
  m_actions[PSV_CMD_SAVE] =
      addCommand(m_menuBar, PSV_CMD_SAVE, QT_TRANSLATE_NOOP("kelvane", "&Save"));
  m_actions[PSV_CMD_CONFIGURE] =
      addCommand(m_menuBar, PSV_CMD_CONFIGURE, QT_TRANSLATE_NOOP("kelvane", "con&Figure"));
  layout->setMenuBar(m_menuBar);

  m_popup = new QMenu(this);
  m_actions[PSV_CMD_INSPECT] =
      addCommand(m_popup, PSV_CMD_INSPECT, QT_TRANSLATE_NOOP("kelvane", "&Inspect"));
  addCommand(m_popup, PSV_CMD_CLEAR, QT_TRANSLATE_NOOP("kelvane", "&Clear"));
  addCommand(m_popup, PSV_CMD_SAVE, QT_TRANSLATE_NOOP("kelvane", "&Save"));
  m_popup->addSeparator();
  m_actions[PSV_CMD_TEST_MESSAGE] =
      addCommand(m_popup, PSV_CMD_TEST_MESSAGE, QT_TRANSLATE_NOOP("kelvane", "&Test message"));

  m_area = new PsvArea(*m_view, *this);
  layout->addWidget(m_area);
  m_view->attachWindow(this);
  setFocusProxy(m_area);
}

PsvWnd::~PsvWnd() { teardown(); }

QWidget* PsvWnd::client() const { return m_area->viewport(); }

QAction* PsvWnd::menuAction(int id) const {
  auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

bool PsvWnd::onOwnThread() const { return QThread::currentThread() == thread(); }

void PsvWnd::teardown() {
  if (m_tornDown) return;
  m_tornDown = true;
  // No line reaches the ring after this, and no worker asks this window for
  // anything once the sink slot has let go of it.
  PsViewPlace& place = psViewPlace();
  if (place.window == this) {
    setPsViewSink(nullptr);
    place.window = nullptr;
    place.rect = screenRect(this);
  }
  m_view->attachWindow(nullptr);
}

void PsvWnd::closeEvent(QCloseEvent* event) {
  teardown();
  event->accept();
  notifyTraceWindowsChanged();
}

void PsvWnd::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    // No caret here: the popup opens at the mouse when it is over the text,
    // otherwise at the top-left corner of the text.
    QPoint at = client()->mapFromGlobal(QCursor::pos());
    if (!client()->rect().contains(at)) at = QPoint(0, 0);
    showPopup(at);
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void PsvWnd::rightClick(QPoint clientPos) {
  m_inspectY = clientPos.y();
  showPopup(clientPos);
}

void PsvWnd::showPopup(QPoint clientPos) { m_popup->popup(client()->mapToGlobal(clientPos)); }

int PsvWnd::command(int id) {
  id &= 0xFFFF;
  switch (id) {
    case PSV_CMD_CLEAR:
      m_view->reset(0);
      return 0;
    case PSV_CMD_SAVE:
      save();
      return 0;
    case PSV_CMD_INSPECT:
      if (m_commandHandler) inspect();
      return 0;
    default:
      return m_commandHandler ? m_commandHandler(*this, id, nullptr) : 1;
  }
}

void PsvWnd::save() {
  FilePtr file = promptOpenFile(psViewSaveRequest());
  if (!file) return;
  m_view->save(file.get());  // holds the ring's lock only while it writes
}

void PsvWnd::inspect() {
  const std::optional<std::string> line = m_view->lineAtY(m_inspectY);
  if (!line) return;
  std::string record;
  record.reserve(line->size() + 2);
  record.push_back(static_cast<char>(line->size()));
  record += *line;
  record.push_back('\0');
  m_commandHandler(*this, PSV_CMD_INSPECT, record.data());
}

void PsvWnd::setVerticalScroll(int vmax, int vpos) {
  if (onOwnThread()) {
    m_area->applyVertical(vmax, vpos);
    return;
  }
  // One pending hand-over at a time; it applies the newest state when it runs.
  if (m_scrollPosted.exchange(true)) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        m_scrollPosted.store(false);
        const PsView::ScrollState s = m_view->scrollState();
        m_area->applyVertical(s.vmax, s.vpos);
      },
      Qt::QueuedConnection);
}

void PsvWnd::invalidate() {
  // New lines: the horizontal range grows with the longest of them.
  if (onOwnThread()) {
    m_area->followLongestLine();
    client()->update();
    return;
  }
  if (m_updatePosted.exchange(true)) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        m_updatePosted.store(false);
        m_area->followLongestLine();
        client()->update();
      },
      Qt::QueuedConnection);
}

int psViewStandardCommand(PsvWnd& window, int id, const char* record) {
  switch (id) {
    case PSV_CMD_INSPECT: {
      if (g_inspecting) {
        msgBoxPrintf(nullptr, MB_ICON_ERROR, "%s", kAlreadyInspecting);
        return 0;
      }
      g_inspecting = true;
      // The line is shown as it is: a '%' in it is not a format.
      messageBox(&window, MB_OK_PLAIN, record + 1, kMessageBoxCaption);
      g_inspecting = false;
      return 0;
    }
    case PSV_CMD_CONFIGURE: {
      PsvConfigDialog dialog(window.view(), &window);
      dialog.exec();
      return 0;
    }
    case PSV_CMD_TEST_MESSAGE:
      window.view().appendf("%s", kPsViewTestMessage);
      return 0;
    default:
      return 1;
  }
}

// --- opening and closing ----------------------------------------------

PsvWnd* psViewWindow() { return psViewPlace().window; }

bool psViewOpen() { return psViewPlace().window != nullptr; }

void refreshPsView() {
  if (PsvWnd* window = psViewPlace().window) window->view().refresh();
}

void togglePsView(QWidget* mainWindow) {
  PsViewPlace& place = psViewPlace();
  if (place.window) {
    delete place.window;  // remembers the rectangle and closes the sink
    notifyTraceWindowsChanged();
    return;
  }
  auto* window = new PsvWnd(mainWindow);
  // Where it was in this run, else where it was last run, else the corner.
  if (place.rect.isNull()) {
    showAtRememberedPlace(window, kPlacePsViewTrace,
                          [window] { showWithFrameRect(window, psViewStartRect(workArea())); });
  } else {
    showWithFrameRect(window, place.rect);  // fitted again once the window manager frames it
    rememberPlace(window, kPlacePsViewTrace);
  }
  place.window = window;
  setPsViewSink(&window->view());
  notifyTraceWindowsChanged();
}

}  // namespace kelvane
