// Test programs that open windows keep the windows' places in a settings
// folder of their own, made afresh for each run of the program and removed
// when it ends: never in the user's configuration, and never what an
// earlier run left behind. Programs they start inherit the folder.
#pragma once

#include <QSettings>
#include <QTemporaryDir>

namespace kelvane::test {

inline void useTemporaryConfigHome() {
  static QTemporaryDir dir;
  static const bool done = [] {
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    return true;
  }();
  (void)done;
}

}  // namespace kelvane::test
