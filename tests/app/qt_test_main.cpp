// GoogleTest entry for the widget tests: one QApplication for the run.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/temporary_config_home.h"

int main(int argc, char** argv) {
  // Widgets are tested offscreen, also when CTest lists the tests.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  kelvane::test::useTemporaryConfigHome();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
