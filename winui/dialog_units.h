// Dialog units to pixels, from the dialog's font: x·avgCharWidth/4 and
// y·lineHeight/8, so dialogs laid out in units keep their proportions.
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QWidget>

namespace kelvane {

inline int dialogUnitsX(const QWidget* w, int x) {
  return x * QFontMetrics(w->font()).averageCharWidth() / 4;
}
inline int dialogUnitsY(const QWidget* w, int y) {
  return y * QFontMetrics(w->font()).height() / 8;
}
inline QRect dialogUnitsRect(const QWidget* w, int left, int top, int width, int height) {
  return QRect(dialogUnitsX(w, left), dialogUnitsY(w, top), dialogUnitsX(w, width),
               dialogUnitsY(w, height));
}

}  // namespace kelvane
