// The language of the desktop program's windows: English as written, or one
// of the translations built from translations/kelvane_<code>.ts. The choice
// is the system's (LANGUAGE, LC_ALL, LANG) unless "Settings > Language"
// kept another one in the user's settings; it takes effect at the next
// start. Files, scripts, the trace and kelvane-cli stay English and C-locale.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QMenu;
class QWidget;

namespace kelvane {

struct UiLanguage {
  const char* code;  // "" for the system's language, "en" for no translation
  const char* name;  // in its own language
};

inline constexpr UiLanguage kUiLanguages[] = {
    {"", QT_TRANSLATE_NOOP("kelvane", "System")},
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00E7ais"},
    {"es", "Espa\u00F1ol"},
    {"pt_BR", "Portugu\u00EAs (Brasil)"},
    {"zh_CN", "\u7B80\u4F53\u4E2D\u6587"},
};

// The settings key ("options/Language") of the kept choice.
inline constexpr char kLanguageOptionKey[] = "Language";

// The kept choice: a code of kUiLanguages, "" (the system's) when none or
// an unknown one was kept.
QString chosenUiLanguage();
void keepUiLanguage(const QString& code);

// Where the translations are looked for: beside the program, then in the
// share folder beside its bin folder, then where they were installed.
QStringList translationDirs(const QString& programDir);

// Installs the translation for `code` ("" follows the system's languages)
// from the first of `dirs` that has one, with Qt's own translation of its
// dialogs when installed. Returns the code of the translation loaded, or ""
// when the windows stay English.
QString installUiTranslation(const QString& code, const QStringList& dirs);

// Fills `menu` with one checkable item per language; choosing one keeps it
// and says that it takes effect at the next start.
void fillLanguageMenu(QMenu* menu, QWidget* owner);

}  // namespace kelvane
