#include "lensui/picture_words.h"

#include <QCoreApplication>
#include <QString>
#include <iterator>

namespace kelvane {

namespace {

// The context the picture's words are translated in.
constexpr char kContext[] = "kelvane::draw";

// Mirrors draw::kLegendWords, so lupdate collects them.
constexpr const char* kWords[] = {
    QT_TRANSLATE_NOOP("kelvane::draw", "beams through the lens"),
    QT_TRANSLATE_NOOP("kelvane::draw", "rays bent by the ingress face alone"),
    QT_TRANSLATE_NOOP("kelvane::draw", "far focus of the ingress ellipse"),
    QT_TRANSLATE_NOOP("kelvane::draw", "centre depth"),
    QT_TRANSLATE_NOOP("kelvane::draw", "paraxial focus (lens equation)"),
    QT_TRANSLATE_NOOP("kelvane::draw", "white light before the lens"),
    QT_TRANSLATE_NOOP("kelvane::draw", "object"),
    QT_TRANSLATE_NOOP("kelvane::draw", "point source"),
    QT_TRANSLATE_NOOP("kelvane::draw", "rays from the object's foot"),
    QT_TRANSLATE_NOOP("kelvane::draw", "rays from the point"),
    QT_TRANSLATE_NOOP("kelvane::draw", "rays from the object's tip"),
    QT_TRANSLATE_NOOP("kelvane::draw", "virtual image (traced)"),
    QT_TRANSLATE_NOOP("kelvane::draw", "real image (traced)"),
    QT_TRANSLATE_NOOP("kelvane::draw", "paraxial image (diamond)"),
    QT_TRANSLATE_NOOP("kelvane::draw", "glass"),
    QT_TRANSLATE_NOOP("kelvane::draw", "axis"),
    QT_TRANSLATE_NOOP("kelvane::draw", "dotted upright: the ingress vertex"),
    QT_TRANSLATE_NOOP("kelvane::draw", "below the axis: the upper half mirrored"),
    QT_TRANSLATE_NOOP("kelvane::draw", "mean focus"),
    QT_TRANSLATE_NOOP("kelvane::draw", "V: nearest crossing to farthest crossing"),
    QT_TRANSLATE_NOOP("kelvane::draw", "V: nearest crossing to farthest crossing (green)"),
    QT_TRANSLATE_NOOP("kelvane::draw", "%1 × true scale"),
    QT_TRANSLATE_NOOP("kelvane::draw", "f = -- (afocal lens)"),
    QT_TRANSLATE_NOOP("kelvane::draw", "f = %1   paraxial focus %2"),
    QT_TRANSLATE_NOOP("kelvane::draw", "traced - paraxial focus %1"),
    QT_TRANSLATE_NOOP("kelvane::draw", "s = %1   s' = %2 traced, %3 paraxial"),
    QT_TRANSLATE_NOOP("kelvane::draw", "infinite"),
    QT_TRANSLATE_NOOP("kelvane::draw", "m = %1 traced, %2 paraxial"),
    QT_TRANSLATE_NOOP("kelvane::draw", "blur %1"),
    QT_TRANSLATE_NOOP("kelvane::draw", "virtual image"),
    QT_TRANSLATE_NOOP("kelvane::draw", "real image"),
    QT_TRANSLATE_NOOP("kelvane::draw", "no image"),
    QT_TRANSLATE_NOOP("kelvane::draw", "%1° fan: %2 beams"),
    QT_TRANSLATE_NOOP("kelvane::draw", "%1° fan: %2 beam"),
    QT_TRANSLATE_NOOP("kelvane::draw", "fans at %1, %2, %3, %4 and %5°"),
    QT_TRANSLATE_NOOP("kelvane::draw", "fans at %1"),
    QT_TRANSLATE_NOOP("kelvane::draw", "beams through the lens at %1"),
    QT_TRANSLATE_NOOP("kelvane::draw", "focus %1   width %2   dev %3 (%4%)"),
    QT_TRANSLATE_NOOP("kelvane::draw", "focus --   width %1   dev -- (--%)"),
    QT_TRANSLATE_NOOP("kelvane::draw", "%1 inch"),
};

}  // namespace

std::string pictureWords(std::string_view english) {
  const std::string key(english);
  return QCoreApplication::translate(kContext, key.c_str()).toStdString();
}

std::span<const char* const> pictureWordTable() { return {std::begin(kWords), std::end(kWords)}; }

}  // namespace kelvane
