// The lens view's teaching commands: "&Aberration" opens the aberration
// plot, "&Lenses" sets a named lens, "&Undo" and "&Redo" take lens changes
// back and forth.
#pragma once

#include <QString>
#include <QtGlobal>

class QMainWindow;
class QMenu;

namespace kelvane {

inline constexpr char kAberrationItem[] = QT_TRANSLATE_NOOP("kelvane", "&Aberration");
inline constexpr char kLensesMenu[] = QT_TRANSLATE_NOOP("kelvane", "&Lenses");

// Adds the items to the end of the view's menu bar.
void addTeachingActions(QMainWindow* view);

// Sets the preset of that name as the current lens, as one undo step: the
// lens (computed for the refractive index in force where the preset says
// so), the preset's index if it carries one, and the width taken from the
// rim again (unlocked). False for an unknown name or a preset that cannot
// be built for the index in force.
bool applyLensPreset(const QString& name);

}  // namespace kelvane
