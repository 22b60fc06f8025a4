// One QApplication for a GoogleTest program that drives widgets.
#pragma once

#include <QApplication>

#include "tests/temporary_config_home.h"

namespace kelvane::test {

inline void ensureApplication() {
  static int argc = 1;
  static char name[] = "kelvane-test";
  static char* argv[] = {name, nullptr};
  useTemporaryConfigHome();
  if (!QApplication::instance()) new QApplication(argc, argv);
}

}  // namespace kelvane::test
