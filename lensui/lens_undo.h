// Undo and redo of the lens: every change of the lens, the refractive index,
// the width lock or the fill is a LensChangeCommand on one QUndoStack, whose
// redo() makes the change - the first time when it is pushed - and whose
// undo() takes it back. Nothing else writes those four into the session.
//
// Changes made within one gesture - from a mouse press to its release, or a
// key press and its auto-repeats - merge into one step, so a slider drag or
// a held arrow key is undone at once. A running script's changes merge into
// one step from the state before its first change to the state after it
// ended; while it runs, its commands change the model only and the script
// retraces when its lines say so.
//
// Everything here lives on the user-interface thread.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoCommand>
#include <QUndoStack>

#include "model/lens_model.h"

class QAction;
class QWidget;

namespace kelvane {

// The session's state now.
LensState currentLensState();

// How much of the session a change shows when it is made.
enum class Show {
  All,       // the dialog's shapes, sliders, fields, lock and fill; the retrace
  Results,   // the retrace and its results: the dialog shows its own values
  Controls,  // the lock and fill only, no retrace (a change of the lock alone
             // keeps the picture: the width it locks is the one traced)
};

// One change of the lens. Steps of the same gesture merge; a merged step
// that ends where it began is dropped.
class LensChangeCommand : public QUndoCommand {
 public:
  // gesture < 0 never merges. The change is shown as `show` says when it is
  // made, and whole when it is undone or redone.
  LensChangeCommand(const LensState& before, const LensState& after, const QString& text,
                    long gesture, Show show = Show::All);
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
  Show m_firstShow;
  bool m_made = false;  // redone once: from now on shown whole
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
  // Changes the session to `after` through a command named `text` that
  // merges into the step of the gesture in progress (or of the running
  // script). Returns false, changing nothing, when `after` is the state in
  // force.
  bool change(const LensState& after, const QString& text, Show show = Show::All);
  // Changes the session to `state` as one step of its own named `text` (a
  // preset, a Focus Results row); part of the script's step while one runs.
  // Returns false, changing nothing, when `state` is the state in force.
  bool applyAsStep(const LensState& state, const QString& text);

  // A script is about to change the session: its changes from now on merge
  // into one step.
  void scriptChanging();
  // The run has ended: the next change starts a step of its own.
  void scriptEnded();
  bool scriptRunning() const { return m_scriptOpen; }

  // Empties the stack.
  void clear();

 private:
  bool push(const LensState& after, const QString& text, long gesture, Show show);
  void updateActions();

  QUndoStack m_stack;
  QAction* m_undo;
  QAction* m_redo;
  long m_gesture = 0;
  bool m_pushing = false;  // inside push: the index moves, the gesture stays
  bool m_scriptOpen = false;
  long m_scriptGesture = 0;  // the running script's step
};

// The program's one recorder; lives as long as the application object.
LensUndo& lensUndo();

}  // namespace kelvane
