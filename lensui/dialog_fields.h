// Reading and writing the Lens Control dialog's value fields, and placing
// controls from dialog units.
#pragma once

#include <QRect>
#include <QString>
#include <optional>

class QFont;
class QLineEdit;

namespace kelvane {

// Longest text the unsigned and decimal readers look at.
inline constexpr int kUnsignedFieldChars = 9;
inline constexpr int kDoubleFieldChars = 28;

// The number at the start of the field's first 9 characters (leading blanks
// and a sign allowed), or nothing when there is no number there.
std::optional<long long> readUnsignedField(const QString& text);

// The decimal number at the start of the field's first 28 characters, or
// nothing for an empty field or one without a leading number.
std::optional<double> readDoubleField(const QString& text);

// The field's text becomes "%d" of v.
void writeIntField(QLineEdit* field, int v);

// readClampedField: the field's number held to lo..hi; a value moved into
// the range is written back. A field without a number leaves `target` as it
// is and shows it again. Returns true when `target` was set from the field.
bool readClampedField(int& target, QLineEdit* field, int lo, int hi);

// Dialog units to pixels for a font: x * avgCharWidth / 4, y * lineHeight / 8,
// with the average width of the 52 Latin letters as the character width.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  DialogUnits(int avgCharWidth, int lineHeight) : m_cx(avgCharWidth), m_cy(lineHeight) {}
  int x(int dluX) const { return (dluX * m_cx + 2) / 4; }
  int y(int dluY) const { return (dluY * m_cy + 4) / 8; }
  QRect rect(int x0, int y0, int w, int h) const;
  int avgCharWidth() const { return m_cx; }
  int lineHeight() const { return m_cy; }

 private:
  int m_cx;
  int m_cy;
};

}  // namespace kelvane
