// The windows' language: the choice kept under Settings and the translation
// it loads from the folder beside the program.
#include "app/ui_language.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QTimer>
#include <QTranslator>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "winui/remembered_place.h"
#include "winui/ui_text.h"

using namespace kelvane;

namespace {

class UiLanguageTest : public ::testing::Test {
 protected:
  void TearDown() override {
    keepUiLanguage(QString());
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
  }
};

TEST_F(UiLanguageTest, ChoiceIsKeptAndAnUnknownOneMeansTheSystems) {
  EXPECT_EQ(chosenUiLanguage(), "");
  keepUiLanguage(QStringLiteral("pt_BR"));
  EXPECT_EQ(chosenUiLanguage(), "pt_BR");
  keepText(kLanguageOptionKey, QStringLiteral("xx"));
  EXPECT_EQ(chosenUiLanguage(), "");
}

TEST_F(UiLanguageTest, LoadsTheChosenTranslationAndEnglishLoadsNone) {
  const QStringList dirs{QStringLiteral(KELVANE_QM_DIR)};
  EXPECT_EQ(installUiTranslation(QStringLiteral("en"), dirs), "");
  EXPECT_EQ(uiText("&File"), "&File");
  EXPECT_EQ(installUiTranslation(QStringLiteral("zh_CN"), dirs), "zh_CN");
  EXPECT_EQ(uiText("&File"), QString::fromUtf8("文件(&F)"));
  EXPECT_EQ(installUiTranslation(QStringLiteral("fr"), {QStringLiteral("/nonexistent")}), "");
}

TEST_F(UiLanguageTest, MenuChoiceIsKeptForTheNextStart) {
  MainWindow w;
  QMenu* languages = w.action(CMD_LANGUAGE)->menu();
  ASSERT_TRUE(languages);
  QStringList names;
  for (QAction* a : languages->actions()) names << a->text();
  EXPECT_EQ(names,
            QStringList({"System", "English", "Deutsch", QString::fromUtf8("Français"),
                         QString::fromUtf8("Español"), QString::fromUtf8("Português (Brasil)"),
                         QString::fromUtf8("简体中文")}));
  EXPECT_TRUE(languages->actions().front()->isChecked());
  // The notice that the language changes at the next start is closed.
  QTimer::singleShot(0, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  languages->actions()[2]->trigger();
  EXPECT_EQ(chosenUiLanguage(), "de");
}

}  // namespace
