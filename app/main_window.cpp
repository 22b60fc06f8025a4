#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QThread>
#include <QTimer>
#include <atomic>

#include "app/about_dialog.h"
#include "app/command_ids.h"
#include "app/guide_path.h"
#include "app/handoff.h"
#include "app/help_browser.h"
#include "app/menu_table.h"
#include "app/ui_language.h"
#include "app/workdirs.h"
#include "calc/calc_state.h"
#include "lensui/lens_session.h"
#include "optics/ellipse_intersect.h"
#include "optics/focus.h"
#include "trace/dbgprint.h"
#include "trace/filerequest.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

// The window whose Calc items follow calcState. Read and written on the
// user-interface thread only; the calculation thread reaches it by posting.
QPointer<MainWindow> gCalcMenuOwner;
// Counts the calculations started; tells a late "idle" from a current one.
std::atomic<unsigned> gCalcRun{0};

bool onUiThread() {
  return QCoreApplication::instance() &&
         QThread::currentThread() == QCoreApplication::instance()->thread();
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_timer(new QTimer(this)), m_traceNotice(statusBar()) {
  setWindowTitle(QString::fromLatin1(kProgramName));
  setObjectName(QString::fromLatin1(kProgramName));
  // The window draws nothing; its client area is plain white.
  auto* client = new QWidget(this);
  client->setAutoFillBackground(true);
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, Qt::white);
  client->setPalette(palette);
  setCentralWidget(client);
  buildMenus();

  // Alt+? and Alt+/ open the About box from any window of the program, as
  // an accelerator does; a filter sees the key whatever the layout makes of
  // the shift that "?" needs.
  qApp->installEventFilter(this);

  gCalcMenuOwner = this;
  setCalcMenuListener([](bool active) {
    if (active) {
      // startBackgroundCalc, on this (the user-interface) thread: a new run.
      const unsigned run = ++gCalcRun;
      auto apply = [run] {
        if (gCalcMenuOwner && run == gCalcRun.load()) gCalcMenuOwner->applyCalcMenu(true);
      };
      if (onUiThread())
        apply();
      else if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, apply, Qt::QueuedConnection);
      return;
    }
    // finishBackgroundCalc on the calculation thread: post, never wait for
    // the interface. A run started after this one ended has already set the
    // items; the stale "idle" is then dropped.
    const unsigned run = gCalcRun.load();
    auto apply = [run] {
      if (gCalcMenuOwner && run == gCalcRun.load()) gCalcMenuOwner->applyCalcMenu(false);
    };
    if (onUiThread())
      apply();
    else if (QCoreApplication* app = QCoreApplication::instance())
      QMetaObject::invokeMethod(app, apply, Qt::QueuedConnection);
  });
  applyCalcMenu(calcState.load() != CALC_IDLE);

  connect(m_timer, &QTimer::timeout, this, [this] {
    if (m_timerRefresh) m_timerRefresh();
    m_traceNotice.look();  // lines from other windows (Lens Control's "Copy")
  });
  m_timer->start(kMainTimerMs);
  resize(480, 120);
}

MainWindow::~MainWindow() {
  if (gCalcMenuOwner == this) {
    setCalcMenuListener(nullptr);
    gCalcMenuOwner = nullptr;
  }
}

void MainWindow::buildMenus() {
  int index = 0;
  for (const MenuPopupDef& popupDef : kMenuBar) {
    QMenu* menu = menuBar()->addMenu(uiText(popupDef.title));
    m_popups[index++] = menu;
    for (const MenuItemDef& item : popupDef.items) {
      if (item.id == kMenuSeparator) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(uiText(item.text));
      action->setData(item.id);
      action->setEnabled(false);  // enabled below or when its subsystem is wired
      const int id = item.id;
      connect(action, &QAction::triggered, this, [this, id] { command(id); });
      m_actions[id] = action;
    }
  }
  auto* languages = new QMenu(this);
  fillLanguageMenu(languages, this);
  m_actions[CMD_LANGUAGE]->setMenu(languages);
  for (int id :
       {CMD_EXIT, CMD_LANGUAGE, CMD_HTML_HELP, CMD_HELP, CMD_ABOUT, CMD_TEST_ELLIPSE_INTERSECT,
        CMD_TEST_FIND_FOCUS, CMD_TEST_MULTI_BEAM, CMD_TRACE_FILE, CMD_DEMO_TRACE})
    m_actions[id]->setEnabled(true);
  connect(m_popups[kDebugPopupIndex], &QMenu::aboutToShow, this, &MainWindow::updateDebugPopup);
}

QAction* MainWindow::action(int id) const {
  auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

QMenu* MainWindow::popup(int index) const {
  return index >= 0 && index < static_cast<int>(std::size(m_popups)) ? m_popups[index] : nullptr;
}

bool MainWindow::command(int id) {
  m_traceNotice.closeCount();
  const bool ran = runCommand(id);
  m_traceNotice.closeCount();
  return ran;
}

bool MainWindow::runCommand(int id) {
  switch (id) {
    case CMD_EXIT:
      close();
      return true;
    case CMD_SCRIPT:
      if (!m_toggleScript) return false;
      m_toggleScript(std::string());
      return true;
    case CMD_KILL_CALC:
      killBackgroundCalc();
      return true;
    case CMD_FOCUS_MATRIX:
    case CMD_FOCUS_TABLE:
      if (!m_calculations.count(id)) return false;
      startCalculation(id);
      return true;
    case CMD_TEST_ELLIPSE_INTERSECT:
      testEllipseIntersect();
      return true;
    case CMD_TEST_FIND_FOCUS:
      testFindFocus(tracerContext());
      return true;
    case CMD_TEST_MULTI_BEAM:
      testMultiBeamLens(tracerContext());
      return true;
    case CMD_TRACE_FILE:
      toggleTraceFileItem();
      return true;
    case CMD_DEMO_TRACE:
      m_demo.run();
      return true;
    case CMD_HTML_HELP:
      openHtmlHelp();
      return true;
    case CMD_HELP: {
      HelpDialog dialog(this);
      dialog.exec();
      return true;
    }
    case CMD_ABOUT: {
      AboutDialog dialog(this);
      dialog.exec();
      return true;
    }
    default: {
      auto it = m_handlers.find(id);
      if (it == m_handlers.end() || !it->second) return false;
      it->second();
      return true;
    }
  }
}

void MainWindow::setCommandHandler(int id, std::function<void()> handler) {
  const bool wired = static_cast<bool>(handler);
  m_handlers[id] = std::move(handler);
  if (QAction* a = action(id)) a->setEnabled(wired);
}

void MainWindow::setCalculation(int id, std::function<void()> calculation) {
  if (!calculation) {
    setCalculationMaker(id, nullptr);
    return;
  }
  setCalculationMaker(id, [body = std::move(calculation)] { return body; });
}

void MainWindow::setCalculationMaker(int id, std::function<std::function<void()>()> make) {
  if (id != CMD_FOCUS_MATRIX && id != CMD_FOCUS_TABLE) return;
  if (make)
    m_calculations[id] = std::move(make);
  else
    m_calculations.erase(id);
  applyCalcMenu(calcState.load() != CALC_IDLE);
}

void MainWindow::setTraceWindowQuery(int id, std::function<bool()> isOpen) {
  m_traceQueries[id] = std::move(isOpen);
}

void MainWindow::setTimerRefresh(std::function<void()> refresh) {
  m_timerRefresh = std::move(refresh);
}

void MainWindow::setScriptToggler(std::function<void(const std::string&)> toggle) {
  m_toggleScript = std::move(toggle);
  action(CMD_SCRIPT)->setEnabled(static_cast<bool>(m_toggleScript));
}

void MainWindow::setArgumentClaim(std::function<bool(const std::string&)> claim) {
  m_claimArgument = std::move(claim);
}

void MainWindow::runStartupArgument(const std::string& argument) {
  if (argument.empty()) return;
  if (m_claimArgument && m_claimArgument(argument)) return;
  dbgPrint("Start-up script: %s", argument.c_str());
  if (m_toggleScript) m_toggleScript(argument);
}

void MainWindow::handleScriptHandoff() {
  const std::optional<std::string> text = readHandoffFile();
  if (!text) {
    std::string problem;
    const std::string dir = handoffDir(problem);
    dbgPrint("Script hand-off: no text in %s",
             dir.empty() ? problem.c_str() : (dir + kHandoffFileName).c_str());
    emit scriptHandedOff(QString());
    return;
  }
  dbgPrint("Script hand-off: %s", text->c_str());
  const bool claimed = m_claimArgument && m_claimArgument(*text);  // not a script
  if (!claimed && m_toggleScript) m_toggleScript(*text);
  emit scriptHandedOff(QString::fromStdString(*text));
}

void MainWindow::updateDebugPopup() {
  for (int id : {CMD_TRACE_PSVIEW, CMD_TRACE_LISTBOX}) {
    auto it = m_traceQueries.find(id);
    const bool open = it != m_traceQueries.end() && it->second && it->second();
    action(id)->setText(uiText(traceItemText(id, open)));
  }
}

void MainWindow::applyCalcMenu(bool active) {
  action(CMD_KILL_CALC)->setEnabled(active);
  for (int id : {CMD_FOCUS_MATRIX, CMD_FOCUS_TABLE})
    action(id)->setEnabled(!active && m_calculations.count(id) > 0);
}

void MainWindow::startCalculation(int id) {
  // -2 while another calculation is active: nothing happens.
  if (calcState.load() != CALC_IDLE) return;
  startBackgroundCalc(m_calculations.at(id)());
}

void MainWindow::toggleTraceFileItem() {
  const bool open = toggleTraceFile();
  action(CMD_TRACE_FILE)->setText(uiText(traceItemText(CMD_TRACE_FILE, open)));
}

void MainWindow::openHtmlHelp() {
  // The guide's index, in German for a German user interface; without an
  // installed guide, the reference page in Doc. A missing page is reported
  // by openDocumentAt; a page no desktop viewer takes, at once or soon after
  // it started, is shown in a window of the program.
  const bool german = QLocale().language() == QLocale::German;
  std::string path = findGuideIndex(programPath(), german);
  if (path.empty()) path = docDir().filePath(kHelpDocument);
  QPointer<MainWindow> self(this);
  auto showHere = [self, path] {
    if (self) self->showHelpInWindow(path);
  };
  if (openDocumentAt(path, this, showHere) || !fileExists(path)) return;
  showHelpInWindow(path);
}

void MainWindow::showHelpInWindow(const std::string& path) {
  dbgPrint("HTML help: no viewer opened %s; it is shown in the help window", path.c_str());
  if (!m_helpBrowser) m_helpBrowser = new HelpBrowser(QString::fromStdString(path), this);
  m_helpBrowser->show();
  m_helpBrowser->raise();
  m_helpBrowser->activateWindow();
}

HelpBrowser* MainWindow::helpBrowser() const { return m_helpBrowser; }

TracerContext& MainWindow::tracerContext() { return lensSession().model.reportContext(); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool accelerator = (key->modifiers() & Qt::AltModifier) &&
                             (key->key() == Qt::Key_Question || key->key() == Qt::Key_Slash);
    if (accelerator && watched->isWidgetType() && !QApplication::activeModalWidget()) {
      if (event->type() == QEvent::ShortcutOverride) {
        event->accept();  // keep the menu bar from taking Alt+key
        return true;
      }
      command(CMD_ABOUT);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  m_timer->stop();
  QMainWindow::closeEvent(event);
  QCoreApplication::quit();
}

}  // namespace kelvane
