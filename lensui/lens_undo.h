// Undo and redo of the lens: every change of the lens, the refractive index,
// the width lock or the fill that the user makes in the Lens Control dialog
// or with a preset is one step on a QUndoStack.
//
// A step holds the state before and after it. The dialog reports its
// changes after the fact (recordChange); the recorder compares the state with
// the one it recorded last and pushes the difference. Changes made within
// one gesture - from a mouse press to its release, or a key press and its
// auto-repeats - merge into one step, so a slider drag or a held arrow key
// is undone at once. A running script's changes are not recorded one by
// one: the whole run becomes one step from the state before its first
// change to the state after it ended.
//
// Everything here lives on the user-interface thread.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoCommand>
#include <QUndoStack>

#include "optics/lens.h"

class QAction;
class QWidget;

namespace kelvane {

// What one undo step puts back.
struct LensState {
  Lens lens{};
  double indexRatio = kInitialIndexRatio;
  bool locked = false;
  double lockedWidth = 0;
  double fill = 0;
  bool operator==(const LensState& o) const;
};

// The session's state now.
LensState currentLensState();

// Writes `state` into the session and shows it: the dialog's shapes,
// sliders, fields, lock and fill follow, the lens is retraced and the view
// repainted. The lens keeps its doubles; the sliders show them rounded.
void applyLensState(const LensState& state);

// One recorded change. Steps of the same gesture merge; a merged step that
// ends where it began is dropped.
class LensChangeCommand : public QUndoCommand {
 public:
  // gesture < 0 never merges.
  LensChangeCommand(const LensState& before, const LensState& after, const QString& text,
                    long gesture);
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;
  void undo() override;
  void redo() override;
  const LensState& before() const { return m_before; }
  const LensState& after() const { return m_after; }

 private:
  LensState m_before;
  LensState m_after;
  long m_gesture;
  bool m_applied = true;  // pushed after the change was made: the first redo is a no-op
};

class LensUndo : public QObject {
  Q_OBJECT
 public:
  explicit LensUndo(QObject* parent);
  ~LensUndo() override;

  QUndoStack& stack() { return m_stack; }
  // "&Undo" (Ctrl+Z) and "&Redo" (Ctrl+Shift+Z, Ctrl+Y); the lens view and
  // the dialog both carry them. Disabled while there is nothing to take
  // back or while a script runs.
  QAction* undoAction() const { return m_undo; }
  QAction* redoAction() const { return m_redo; }
  // Adds both actions to a window so that their shortcuts work in it, also
  // while one of its text fields has the focus.
  void addActionsTo(QWidget* window);

  // A new mouse press or key press (not an auto-repeat) in the dialog:
  // changes from now on form a new step.
  void beginGesture();
  // After a change made in the dialog: pushes it as a step (merged into the
  // step of the same gesture), unless nothing changed or a script runs.
  void recordChange();
  // Applies `state` as one step named `text` (a preset).
  void applyAsStep(const LensState& state, const QString& text);

  // A script is about to change the session: the first call of a run keeps
  // the state before it.
  void scriptChanging();
  // The run has ended: its changes become one step.
  void scriptEnded();
  bool scriptRunning() const { return m_scriptOpen; }

  // Empties the stack and takes the session's state as the recorded one.
  void clear();

 private:
  void push(const LensState& before, const LensState& after, const QString& text, long gesture);
  void updateActions();

  QUndoStack m_stack;
  QAction* m_undo;
  QAction* m_redo;
  LensState m_recorded;  // the state the top of the stack leaves the session in
  long m_gesture = 0;
  bool m_pushing = false;  // inside push: the index moves, the gesture stays
  bool m_scriptOpen = false;
  LensState m_scriptBefore;
};

// The program's one recorder; lives as long as the application object.
LensUndo& lensUndo();

}  // namespace kelvane
