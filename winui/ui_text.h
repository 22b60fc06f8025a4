// Texts the user sees, in the language Kelvane runs in. Constants that name
// a text are marked QT_TRANSLATE_NOOP("kelvane", ...) where they are defined
// (so lupdate collects them) and looked up here where they are shown. Texts
// that go to files, scripts or the trace never pass through here.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace kelvane {

inline QString uiText(const char* english) {
  return QCoreApplication::translate("kelvane", english);
}

}  // namespace kelvane
