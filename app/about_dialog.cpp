#include "app/about_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/app_info.h"
#include "app/command_ids.h"
#include "trace/ui/dialog_units.h"

namespace kelvane {

namespace {

QLabel* staticText(QWidget* parent, const QString& text, QRect geometry) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Kelvane"));
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("icon%1").arg(ABOUT_ICON));
  const QRect iconRect = dialogUnitsRect(this, 7, 7, 20, 20);
  icon->setGeometry(iconRect);
  icon->setPixmap(QApplication::windowIcon().pixmap(iconRect.size()));

  staticText(this, QStringLiteral("KELVANE"), dialogUnitsRect(this, 34, 7, 100, 9));
  staticText(this, QStringLiteral("Program Version:"), dialogUnitsRect(this, 34, 22, 60, 9));
  staticText(this, QStringLiteral("Updated:"), dialogUnitsRect(this, 34, 34, 60, 9));
  staticText(this, QStringLiteral("Compiled:"), dialogUnitsRect(this, 34, 46, 60, 9));
  // "unknown" until the box opens, as in the dialog's template.
  m_version = staticText(this, QStringLiteral("unknown"), dialogUnitsRect(this, 78, 22, 100, 9));
  m_updated = staticText(this, QStringLiteral("unknown"), dialogUnitsRect(this, 78, 34, 100, 9));
  m_compiled = staticText(this, QStringLiteral("unknown"), dialogUnitsRect(this, 78, 46, 100, 9));
  setFixedSize(dialogUnitsX(this, 180), dialogUnitsY(this, 69));

  const QString stamp = QString::fromStdString(buildTimeStamp());
  m_version->setText(QString::fromLatin1(kProgramVersion));
  m_updated->setText(stamp);
  m_compiled->setText(stamp);
}

QLabel* AboutDialog::field(int id) const {
  switch (id) {
    case ABOUT_VERSION:
      return m_version;
    case ABOUT_UPDATED:
      return m_updated;
    case ABOUT_COMPILED:
      return m_compiled;
    default:
      return nullptr;
  }
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
  // No buttons: Enter closes with 1, Escape with 2.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    done(IDOK);
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    done(IDCANCEL);
    return;
  }
  QDialog::keyPressEvent(event);
}

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Kelvane Help"));
  setModal(true);
  m_ok = new QPushButton(QStringLiteral("OK"), this);
  m_ok->setDefault(true);
  m_ok->setGeometry(dialogUnitsRect(this, 420, 6, 50, 14));
  m_text = new QPlainTextEdit(this);
  m_text->setObjectName(QStringLiteral("edit%1").arg(HELP_TEXT));
  m_text->setGeometry(dialogUnitsRect(this, 7, 26, 463, 240));
  QString text = QString::fromLatin1(kHelpText);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  m_text->setPlainText(text);
  setFixedSize(dialogUnitsX(this, 477), dialogUnitsY(this, 273));
  connect(m_ok, &QPushButton::clicked, this, [this] { done(IDOK); });
}

void HelpDialog::reject() { done(IDCANCEL); }

}  // namespace kelvane
