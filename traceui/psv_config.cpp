#include "traceui/psv_config.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "trace/dbgprint.h"
#include "trace/psview.h"
#include "winui/dialog_units.h"
#include "winui/ui_text.h"

namespace kelvane {

std::optional<unsigned long> readUnsigned(const QString& text) {
  bool ok = false;
  const unsigned long value = text.trimmed().toULong(&ok, 10);
  if (!ok || text.trimmed().startsWith(QLatin1Char('+'))) return std::nullopt;
  return value;
}

namespace {

QLineEdit* digitsField(QWidget* parent, QRect place) {
  auto* edit = new QLineEdit(parent);
  edit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  edit->setAlignment(Qt::AlignRight);
  edit->setGeometry(place);
  return edit;
}

QLabel* rightLabel(QWidget* parent, const QString& text, QRect place) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setGeometry(place);
  return label;
}

}  // namespace

PsvConfigDialog::PsvConfigDialog(PsView& view, QWidget* parent) : QDialog(parent), m_view(view) {
  setWindowTitle(uiText(kPsViewConfigCaption));
  setModal(true);
  // Laid out in dialog units; when this font needs more room for the longer
  // label than the units give, everything moves right by the difference.
  const QString maxLineText = tr("Max Line Length (range 6-254; typ 60)");
  const QString sizeText = tr("Buffer Size (min 3 * max line length; typ 2048)");
  const QFontMetrics metrics(font());
  const int needed = metrics.horizontalAdvance(sizeText) + 4;
  const int shift = std::max(0, needed - dialogUnitsX(this, 150));
  auto at = [this, shift](int left, int top, int width, int height) {
    return dialogUnitsRect(this, left, top, width, height).translated(shift, 0);
  };
  m_ok = new QPushButton(tr("&Ok"), this);
  m_ok->setGeometry(at(94, 33, 25, 14));
  m_ok->setDefault(true);
  m_cancel = new QPushButton(tr("&Cancel"), this);
  m_cancel->setGeometry(at(121, 33, 30, 14));
  m_maxLine = digitsField(this, at(159, 4, 27, 12));
  m_bufferSize = digitsField(this, at(159, 18, 27, 12));
  // Both labels end where the units put them and may start further left.
  QRect maxLinePlace = at(32, 5, 124, 8);
  maxLinePlace.setLeft(dialogUnitsX(this, 5));
  rightLabel(this, maxLineText, maxLinePlace);
  QRect sizePlace = at(5, 20, 150, 8);
  sizePlace.setLeft(dialogUnitsX(this, 5));
  rightLabel(this, sizeText, sizePlace);
  setFixedSize(dialogUnitsX(this, 202) + shift, dialogUnitsY(this, 53));

  m_maxLine->setText(QString::number(view.maxLine()));
  m_bufferSize->setText(QString::number(view.bufferSize()));
  connect(m_ok, &QPushButton::clicked, this, &PsvConfigDialog::okPressed);
  connect(m_cancel, &QPushButton::clicked, this, &PsvConfigDialog::reject);
}

QLineEdit* PsvConfigDialog::field(int id) const {
  if (id == PSV_CONFIG_MAX_LINE) return m_maxLine;
  if (id == PSV_CONFIG_BUFFER_SIZE) return m_bufferSize;
  return nullptr;
}

void PsvConfigDialog::okPressed() {
  const std::optional<unsigned long> maxLine = readUnsigned(m_maxLine->text());
  if (!maxLine || !PsView::validMaxLine(static_cast<long>(std::min(*maxLine, 100000UL)))) {
    messageBox(this, MB_OK_PLAIN, kInvalidMaxLine, kDefaultBoxCaption);
    return;
  }
  const int line = static_cast<int>(*maxLine);
  const std::optional<unsigned long> size = readUnsigned(m_bufferSize->text());
  if (!size || !PsView::validBufferSize(static_cast<long>(std::min(*size, 1000000UL)), line)) {
    messageBox(this, MB_OK_PLAIN, kInvalidBufferSize, kDefaultBoxCaption);
    return;
  }
  const int bytes = static_cast<int>(*size);
  if (line != m_view.maxLine() || bytes != m_view.bufferSize()) m_view.resize(bytes, line);
  done(1);
}

}  // namespace kelvane
