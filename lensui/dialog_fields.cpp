#include "lensui/dialog_fields.h"

#include <QFont>
#include <QFontMetrics>
#include <QLineEdit>
#include <cstdlib>
#include <string>

namespace kelvane {

std::optional<long long> readUnsignedField(const QString& text) {
  const std::string s = text.left(kUnsignedFieldChars).toStdString();
  const char* begin = s.c_str();
  char* end = nullptr;
  const long long v = std::strtoll(begin, &end, 10);
  if (end == begin) return std::nullopt;
  return v;
}

std::optional<double> readDoubleField(const QString& text) {
  // Decimal only: no hexadecimal, infinity or not-a-number spellings.
  const QString head = text.left(kDoubleFieldChars).trimmed();
  int n = 0;
  if (n < head.size() && (head[n] == '+' || head[n] == '-')) ++n;
  int digits = 0;
  while (n < head.size() && head[n].isDigit()) ++n, ++digits;
  if (n < head.size() && head[n] == '.') {
    ++n;
    while (n < head.size() && head[n].isDigit()) ++n, ++digits;
  }
  if (digits == 0) return std::nullopt;
  const std::string number = head.left(n).toStdString();
  return std::strtod(number.c_str(), nullptr);
}

void writeIntField(QLineEdit* field, int v) { field->setText(QString::number(v)); }

bool readClampedField(int& target, QLineEdit* field, int lo, int hi) {
  const std::optional<long long> read = readUnsignedField(field->text());
  if (!read) {
    writeIntField(field, target);
    return false;
  }
  long long v = *read;
  if (v < lo) {
    v = lo;
    writeIntField(field, lo);
  } else if (v > hi) {
    v = hi;
    writeIntField(field, hi);
  }
  target = static_cast<int>(v);
  return true;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics fm(font);
  static const QString letters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  m_cx = (fm.horizontalAdvance(letters) / 26 + 1) / 2;  // the 52-letter average, rounded
  m_cy = fm.height();
}

QRect DialogUnits::rect(int x0, int y0, int w, int h) const {
  return QRect(x(x0), y(y0), x(w), y(h));
}

}  // namespace kelvane
