#include "app/results/results_commands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

#include "app/results/step_into_lens.h"
#include "lensui/lens_session.h"
#include "lensui/lens_wnd.h"
#include "trace/filerequest.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

constexpr char kOfferName[] = "focusResultsOffer";

// The chooser's request, kept so the next choice starts from the last one.
FileRequest& resultsFileRequest() {
  static FileRequest request{"",
                             QT_TRANSLATE_NOOP("kelvane", "Open Focus Results"),
                             {{QT_TRANSLATE_NOOP("kelvane", "Focus tables (*.csv)"), "*.csv"},
                              {QT_TRANSLATE_NOOP("kelvane", "All Files (*.*)"), "*.*"}},
                             ".csv",
                             "rt"};
  return request;
}

std::string argumentPath(std::string argument) {
  // A hand-off read back from its file may keep a line end.
  while (!argument.empty() && (argument.back() == '\n' || argument.back() == '\r'))
    argument.pop_back();
  return argument;
}

}  // namespace

FocusResultsHooks programResultsHooks(QWidget* mainWindow) {
  QPointer<QWidget> owner(mainWindow);
  FocusResultsHooks hooks;
  hooks.stepIntoLens = [owner](const LensStepRequest& request) {
    const LensStepOutcome outcome = stepIntoLens(owner, request);
    // The row's lens is what the user looks at next: its view comes to the
    // front over the Results window, and takes the keys. Once the click or
    // key that asked has been handled, so it cannot give the Results window
    // the focus back.
    QTimer::singleShot(0, [] {
      if (LensWnd* view = lensSession().view) {
        view->raise();
        view->activateWindow();
      }
    });
    return outcome;
  };
  hooks.indexRatioInForce = [] { return lensSession().model.indexRatio(); };
  return hooks;
}

void chooseFocusResults(QWidget* mainWindow, const FocusResultsHooks& hooks) {
  FileRequest& request = resultsFileRequest();
  // The chooser's answer is only checked for being readable here; the
  // reader opens it again on its own.
  if (!promptOpenFile(request)) return;
  // Any other file (debug.trc) is a trace file that may hold a table.
  FocusResultsReadOptions options;
  options.traceFile = !isFocusResultsPath(request.name);
  openFocusResultsWindow(mainWindow, request.name, hooks, options);
}

bool openFocusResultsArgument(QWidget* mainWindow, const std::string& argument,
                              const FocusResultsHooks& hooks) {
  if (!isFocusResultsPath(argument)) return false;
  // Opened from the event loop, not inside the hand-off: a second start
  // waits for its hand-off to be answered, and must not wait for the user
  // to read a message about a bad file.
  QPointer<QWidget> owner(mainWindow);
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [owner, path = argumentPath(argument), hooks] {
        if (owner) openFocusResultsWindow(owner, path, hooks);
      },
      Qt::QueuedConnection);
  return true;
}

void offerFocusResults(QMainWindow* mainWindow, const QString& tracePath,
                       const FocusResultsHooks& hooks) {
  QStatusBar* bar = mainWindow->statusBar();
  auto* offer = bar->findChild<QLabel*>(QString::fromLatin1(kOfferName));
  if (!offer) {
    offer = new QLabel(bar);
    offer->setObjectName(QString::fromLatin1(kOfferName));
    offer->setTextFormat(Qt::RichText);
    offer->setTextInteractionFlags(Qt::TextBrowserInteraction);
    bar->addWidget(offer, 1);
    QObject::connect(offer, &QLabel::linkActivated, mainWindow, [mainWindow, offer, hooks] {
      openFocusResultsWindow(mainWindow, offer->toolTip().toStdString(), hooks,
                             FocusResultsReadOptions{true});
    });
  }
  offer->setText(
      QCoreApplication::translate("kelvane", "focus table written to %1: <a href=\"open\">%2</a>")
          .arg(QFileInfo(tracePath).fileName().toHtmlEscaped(), uiText(kOpenResultsLink)));
  offer->setToolTip(tracePath);  // the file the link opens
  offer->show();
  bar->clearMessage();  // a passing notice would hide the offer
}

void postFocusResultsOffer(QPointer<QMainWindow> mainWindow, const std::string& tracePath,
                           const FocusResultsHooks& hooks) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  QMetaObject::invokeMethod(
      app,
      [mainWindow, path = QString::fromStdString(tracePath), hooks] {
        if (mainWindow) offerFocusResults(mainWindow, path, hooks);
      },
      Qt::QueuedConnection);
}

}  // namespace kelvane
