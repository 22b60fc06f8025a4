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

bool sameLens(const Lens& a, const Lens& b) {
  return a.ivx == b.ivx && a.ivy == b.ivy && a.evx == b.evx && a.evy == b.evy &&
         a.depth == b.depth && a.shape == b.shape;
}

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

}  // namespace

bool LensState::operator==(const LensState& o) const {
  return sameLens(lens, o.lens) && indexRatio == o.indexRatio && locked == o.locked &&
         lockedWidth == o.lockedWidth && fill == o.fill;
}

LensState currentLensState() {
  const LensSession& s = lensSession();
  return LensState{s.lens, s.ctx.indexRatio, s.settings.locked(), s.settings.lockedWidth,
                   s.settings.fill};
}

void applyLensState(const LensState& state) {
  LensSession& s = lensSession();
  s.lens = state.lens;
  s.ctx.indexRatio = state.indexRatio;
  if (state.locked)
    s.settings.flags |= BEAM_LOCKED;
  else
    s.settings.flags &= ~BEAM_LOCKED;
  s.settings.lockedWidth = state.lockedWidth;
  s.settings.fill = state.fill;
  if (LensControl* c = s.control) {
    c->showLock(state.locked);
    c->showFill(static_cast<int>(std::lround(state.fill * 100)));
  }
  // Shapes, slider values and ranges, index field, and (with the dialog
  // open) the retrace with its results; never a commit of the sliders.
  refreshLensControl();
  if (!s.control) retraceLens();
}

// --- LensChangeCommand -------------------------------------------------------

LensChangeCommand::LensChangeCommand(const LensState& before, const LensState& after,
                                     const QString& text, long gesture)
    : m_before(before), m_after(after), m_gesture(gesture) {
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

void LensChangeCommand::undo() {
  m_applied = false;
  applyLensState(m_before);
}

void LensChangeCommand::redo() {
  if (m_applied) return;
  m_applied = true;
  applyLensState(m_after);
}

// --- LensUndo ----------------------------------------------------------------

LensUndo::LensUndo(QObject* parent)
    : QObject(parent),
      m_stack(this),
      m_undo(new QAction(QStringLiteral("&Undo"), this)),
      m_redo(new QAction(QStringLiteral("&Redo"), this)),
      m_recorded(currentLensState()) {
  m_undo->setShortcuts(kUndoKeys);
  m_redo->setShortcuts(kRedoKeys);
  connect(m_undo, &QAction::triggered, this, [this] {
    if (!m_scriptOpen) m_stack.undo();
  });
  connect(m_redo, &QAction::triggered, this, [this] {
    if (!m_scriptOpen) m_stack.redo();
  });
  connect(&m_stack, &QUndoStack::indexChanged, this, [this] {
    // Undo and redo move the session: what is recorded follows, and the
    // next change starts a step of its own.
    if (!m_pushing) {
      m_recorded = currentLensState();
      ++m_gesture;
    }
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
  ++m_gesture;
  // Whatever changed since the last step without being recorded (a clamp
  // by a smaller view) is where this gesture starts from.
  if (!m_scriptOpen) m_recorded = currentLensState();
}

void LensUndo::recordChange() {
  if (m_scriptOpen) return;  // the run's step takes it in
  const LensState now = currentLensState();
  if (now == m_recorded) return;
  push(m_recorded, now, QStringLiteral("Lens Control"), m_gesture);
}

void LensUndo::applyAsStep(const LensState& state, const QString& text) {
  if (m_scriptOpen) {
    // Part of the running script's step.
    applyLensState(state);
    return;
  }
  const LensState before = currentLensState();
  applyLensState(state);
  push(before, currentLensState(), text, -1);
}

void LensUndo::scriptChanging() {
  if (m_scriptOpen) return;
  m_scriptOpen = true;
  m_scriptBefore = currentLensState();
  updateActions();
}

void LensUndo::scriptEnded() {
  if (!m_scriptOpen) return;
  m_scriptOpen = false;
  const LensState now = currentLensState();
  if (!(now == m_scriptBefore)) push(m_scriptBefore, now, QStringLiteral("Script"), -1);
  updateActions();
}

void LensUndo::clear() {
  m_scriptOpen = false;
  m_stack.clear();
  m_recorded = currentLensState();
  ++m_gesture;
  updateActions();
}

void LensUndo::push(const LensState& before, const LensState& after, const QString& text,
                    long gesture) {
  if (before == after) return;
  m_pushing = true;
  m_stack.push(new LensChangeCommand(before, after, text, gesture));
  m_pushing = false;
  m_recorded = after;
  updateActions();
}

void LensUndo::updateActions() {
  m_undo->setEnabled(!m_scriptOpen && m_stack.canUndo());
  m_redo->setEnabled(!m_scriptOpen && m_stack.canRedo());
  m_undo->setToolTip(m_stack.canUndo() ? QStringLiteral("Undo ") + m_stack.undoText()
                                       : QStringLiteral("Nothing to undo"));
  m_redo->setToolTip(m_stack.canRedo() ? QStringLiteral("Redo ") + m_stack.redoText()
                                       : QStringLiteral("Nothing to redo"));
}

LensUndo& lensUndo() {
  // Parented to the application, so its actions go before Qt does.
  static QPointer<LensUndo> undo;
  if (!undo) undo = new LensUndo(QCoreApplication::instance());
  return *undo;
}

}  // namespace kelvane
