#include "lensui/lens_undo.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <cmath>

#include "lensui/lens_control.h"
#include "lensui/lens_session.h"

namespace kelvane {

namespace {

// All lens changes share one command id; mergeWith decides by gesture.
constexpr int kLensChangeId = 0x4c45;

const QList<QKeySequence> kUndoKeys = {QKeySequence(Qt::CTRL | Qt::Key_Z)};
const QList<QKeySequence> kRedoKeys = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                       QKeySequence(Qt::CTRL | Qt::Key_Y)};

// A text field keeps Ctrl+Z for its own text unless told otherwise: here
// the keys belong to the lens.
class UndoKeysFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    if (kUndoKeys.contains(pressed) || kRedoKeys.contains(pressed)) {
      event->ignore();  // not the field's: the window's shortcut takes it
      return true;
    }
    return false;
  }
};

// Writes `state` into the session and shows it; the commands' one way in.
// The lens keeps its doubles; the sliders show them rounded.
void applyLensState(const LensState& state, Show show) {
  LensSession& s = lensSession();
  s.model.setState(state);
  // A running script retraces and shows its lens when its lines say so.
  if (lensUndo().scriptRunning()) return;
  if (show == Show::Results) {
    if (s.control)
      s.control->recomputeLens();
    else
      retraceLens();
    return;
  }
  if (LensControl* c = s.control) {
    c->showLock(state.locked);
    c->showFill(static_cast<int>(std::lround(state.fill * 100)));
  }
  if (show == Show::Controls) return;
  // Shapes, slider values and ranges, index field, and (with the dialog
  // open) the retrace with its results; never a commit of the sliders.
  refreshLensControl();
  if (!s.control) retraceLens();
}

}  // namespace

LensState currentLensState() { return lensSession().model.state(); }

// --- LensChangeCommand -------------------------------------------------------

LensChangeCommand::LensChangeCommand(const LensState& before, const LensState& after,
                                     const QString& text, long gesture, Show show)
    : m_before(before), m_after(after), m_gesture(gesture), m_firstShow(show) {
  setText(text);
}

int LensChangeCommand::id() const { return m_gesture < 0 ? -1 : kLensChangeId; }

bool LensChangeCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const LensChangeCommand*>(other);
  if (next->m_gesture != m_gesture) return false;
  m_after = next->m_after;
  setObsolete(m_after == m_before);
  return true;
}

void LensChangeCommand::undo() { applyLensState(m_before, Show::All); }

void LensChangeCommand::redo() {
  applyLensState(m_after, m_made ? Show::All : m_firstShow);
  m_made = true;
}

// --- LensUndo ----------------------------------------------------------------

LensUndo::LensUndo(QObject* parent)
    : QObject(parent),
      m_stack(this),
      m_undo(new QAction(tr("&Undo"), this)),
      m_redo(new QAction(tr("&Redo"), this)) {
  m_undo->setShortcuts(kUndoKeys);
  m_redo->setShortcuts(kRedoKeys);
  connect(m_undo, &QAction::triggered, this, [this] {
    if (!m_scriptOpen) m_stack.undo();
  });
  connect(m_redo, &QAction::triggered, this, [this] {
    if (!m_scriptOpen) m_stack.redo();
  });
  connect(&m_stack, &QUndoStack::indexChanged, this, [this] {
    // After an undo or redo the next change starts a step of its own.
    if (!m_pushing) ++m_gesture;
    updateActions();
  });
  updateActions();
}

LensUndo::~LensUndo() {
  // The stack empties itself as it goes: nothing is left to tell.
  disconnect(&m_stack, nullptr, this, nullptr);
}

void LensUndo::addActionsTo(QWidget* window) {
  window->addAction(m_undo);
  window->addAction(m_redo);
  auto* filter = new UndoKeysFilter(window);
  for (QLineEdit* edit : window->findChildren<QLineEdit*>()) edit->installEventFilter(filter);
}

void LensUndo::beginGesture() {
  if (!m_scriptOpen) ++m_gesture;
}

bool LensUndo::change(const LensState& after, const QString& text, Show show) {
  if (m_scriptOpen)
    return push(after, QCoreApplication::translate("kelvane", "Script"), m_scriptGesture, show);
  return push(after, text, m_gesture, show);
}

bool LensUndo::applyAsStep(const LensState& state, const QString& text) {
  if (m_scriptOpen) return change(state, text);
  const bool changed = push(state, text, -1, Show::All);
  if (changed) lensSessionNotifier().notifyLensReplaced();
  return changed;
}

void LensUndo::scriptChanging() {
  if (m_scriptOpen) return;
  m_scriptOpen = true;
  m_scriptGesture = ++m_gesture;
  updateActions();
}

void LensUndo::scriptEnded() {
  if (!m_scriptOpen) return;
  m_scriptOpen = false;
  ++m_gesture;
  updateActions();
  lensSessionNotifier().notifyLensReplaced();
}

void LensUndo::clear() {
  m_scriptOpen = false;
  m_stack.clear();
  ++m_gesture;
  updateActions();
}

bool LensUndo::push(const LensState& after, const QString& text, long gesture, Show show) {
  const LensState before = currentLensState();
  if (before == after) return false;
  m_pushing = true;
  m_stack.push(new LensChangeCommand(before, after, text, gesture, show));
  m_pushing = false;
  updateActions();
  return true;
}

void LensUndo::updateActions() {
  m_undo->setEnabled(!m_scriptOpen && m_stack.canUndo());
  m_redo->setEnabled(!m_scriptOpen && m_stack.canRedo());
  m_undo->setToolTip(m_stack.canUndo() ? tr("Undo ") + m_stack.undoText() : tr("Nothing to undo"));
  m_redo->setToolTip(m_stack.canRedo() ? tr("Redo ") + m_stack.redoText() : tr("Nothing to redo"));
}

LensUndo& lensUndo() {
  // Parented to the application, so its actions go before Qt does.
  static QPointer<LensUndo> undo;
  if (!undo) undo = new LensUndo(QCoreApplication::instance());
  return *undo;
}

}  // namespace kelvane
