#include "lensui/lens_teaching.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "lensui/aberration_wnd.h"
#include "lensui/lens_session.h"
#include "lensui/lens_undo.h"
#include "optics/presets.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

QString presetName(const LensPreset& p) {
  return QString::fromUtf8(p.name.data(), static_cast<qsizetype>(p.name.size()));
}

// The presets' names; "Perfect focus" is there for every index that has one.
QStringList allPresetNames() {
  QStringList names;
  for (const LensPreset& p : lensPresets(kInitialIndexRatio)) names << presetName(p);
  return names;
}

// The presets' names as lupdate sees them; optics/presets.cpp names them.
[[maybe_unused]] constexpr const char* kPresetMenuTexts[] = {
    QT_TRANSLATE_NOOP("kelvane", "Start-up meniscus"),
    QT_TRANSLATE_NOOP("kelvane", "Biconvex lens"), QT_TRANSLATE_NOOP("kelvane", "Thin lens"),
    QT_TRANSLATE_NOOP("kelvane", "Diverging lens"), QT_TRANSLATE_NOOP("kelvane", "Perfect focus")};

}  // namespace

bool applyLensPreset(const QString& name) {
  for (const LensPreset& p : lensPresets(lensSession().model.indexRatio())) {
    if (presetName(p) != name) continue;
    LensState state = currentLensState();
    state.lens = p.lens;
    if (p.indexRatio) state.indexRatio = *p.indexRatio;
    state.locked = false;
    lensUndo().applyAsStep(state, uiText(name.toUtf8().constData()));
    return true;
  }
  return false;
}

void addTeachingActions(QMainWindow* view) {
  QMenuBar* bar = view->menuBar();
  QAction* aberration = bar->addAction(uiText(kAberrationItem));
  QObject::connect(aberration, &QAction::triggered, view, [view] { openAberrationWindow(view); });

  QMenu* lenses = bar->addMenu(uiText(kLensesMenu));
  for (const QString& name : allPresetNames()) {
    // The item shows the translated name and keeps the preset's own.
    QAction* item = lenses->addAction(uiText(name.toUtf8().constData()));
    item->setData(name);
    QObject::connect(item, &QAction::triggered, view, [name] { applyLensPreset(name); });
  }
  // "Perfect focus" needs an index above 1 (an ellipse of eccentricity 1/n).
  QObject::connect(lenses, &QMenu::aboutToShow, lenses, [lenses] {
    const double ratio = lensSession().model.indexRatio();
    for (QAction* item : lenses->actions()) {
      if (item->data().toString() ==
          QString::fromUtf8(kPerfectFocusName.data(), kPerfectFocusName.size()))
        item->setEnabled(perfectFocusLens(kPerfectFocusA, kPerfectFocusR, ratio).has_value());
    }
  });

  bar->addAction(lensUndo().undoAction());
  bar->addAction(lensUndo().redoAction());
}

}  // namespace kelvane
