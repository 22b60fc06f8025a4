#include "app/ui_language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QTranslator>

#include "winui/remembered_place.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

bool knownCode(const QString& code) {
  for (const UiLanguage& l : kUiLanguages)
    if (code == QLatin1String(l.code)) return true;
  return false;
}

// Loads "<base>_<language>.qm" for the first of `locale`'s languages found
// in one of `dirs` and installs it; the translator lives as long as the
// application.
QString installFrom(const QLocale& locale, const QString& base, const QStringList& dirs) {
  for (const QString& dir : dirs) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, base, QStringLiteral("_"), dir)) {
      QCoreApplication::installTranslator(translator);
      return translator->language();
    }
    delete translator;
  }
  return QString();
}

}  // namespace

QString chosenUiLanguage() {
  const QString code = rememberedText(kLanguageOptionKey, QString());
  return knownCode(code) ? code : QString();
}

void keepUiLanguage(const QString& code) { keepText(kLanguageOptionKey, code); }

QStringList translationDirs(const QString& programDir) {
  const QDir dir(programDir);
  QStringList dirs{dir.filePath(QStringLiteral("translations")),
                   QDir::cleanPath(dir.filePath(QStringLiteral("../share/kelvane/translations")))};
#ifdef KELVANE_INSTALLED_TRANSLATIONS
  // The install rule's folder, wherever the program itself was put.
  const QString installed = QStringLiteral(KELVANE_INSTALLED_TRANSLATIONS);
  if (!dirs.contains(installed)) dirs << installed;
#endif
  return dirs;
}

QString installUiTranslation(const QString& code, const QStringList& dirs) {
  if (code == QLatin1String("en")) return QString();
  const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
  // English first in the system's list means English windows.
  const QStringList wanted = locale.uiLanguages();
  if (!wanted.isEmpty() && wanted.front().startsWith(QLatin1String("en"))) return QString();
  const QString loaded = installFrom(locale, QStringLiteral("kelvane"), dirs);
  if (!loaded.isEmpty())
    installFrom(locale, QStringLiteral("qtbase"),
                {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
  return loaded;
}

void fillLanguageMenu(QMenu* menu, QWidget* owner) {
  auto* group = new QActionGroup(menu);
  const QString chosen = chosenUiLanguage();
  for (const UiLanguage& l : kUiLanguages) {
    const QString code = QString::fromLatin1(l.code);
    // "System" in the current language; every other name in its own.
    QAction* item = menu->addAction(code.isEmpty() ? uiText(l.name) : QString::fromUtf8(l.name));
    item->setCheckable(true);
    item->setChecked(code == chosen);
    item->setData(code);
    group->addAction(item);
    QObject::connect(item, &QAction::triggered, owner, [owner, code] {
      if (code == chosenUiLanguage()) return;
      keepUiLanguage(code);
      QMessageBox::information(owner, uiText(QT_TRANSLATE_NOOP("kelvane", "Language")),
                               uiText(QT_TRANSLATE_NOOP("kelvane",
                                                        "Kelvane shows the chosen language when it "
                                                        "starts again.")));
    });
  }
}

}  // namespace kelvane
