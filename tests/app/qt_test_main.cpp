// GoogleTest entry for the widget tests: one QApplication for the run.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Widgets are tested offscreen, also when CTest lists the tests.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
