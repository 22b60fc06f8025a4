#include "app/about_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/app_info.h"
#include "app/command_ids.h"
#include "app/workdirs.h"
#include "winui/dialog_units.h"

namespace kelvane {

namespace {

// The "h&Elp" box's quick start: three things to try, the keys, and where
// the guide `guidePath` is.
QString quickStartText(const QString& guidePath) {
  return QCoreApplication::translate(
             "kelvane",
             "Kelvane quick start\n"
             "\n"
             "Three things to try:\n"
             "1. Open > single-beam: the lens view and the Lens Control dialog open. Drag a\n"
             "   slider and watch the beams bend and the focus, width and deviation change.\n"
             "2. Open > multi-beam: the same lens under five fans of light that arrive at\n"
             "   40, 30, 20, 10 and 0 degrees.\n"
             "3. In the lens view, Lenses > Perfect focus, then Aberration: every beam\n"
             "   meets the axis at one point. Drag a slider and watch the curve bend.\n"
             "\n"
             "Keys:\n"
             "- Alt + the underlined letter: opens a menu or presses a button\n"
             "- Ctrl+Z and Ctrl+Y: undo and redo a change of the lens\n"
             "- arrow keys, Page Up and Page Down: move the slider that has the focus\n"
             "- Alt+? or Alt+/: About Kelvane\n"
             "- Enter or Escape: closes this box\n"
             "\n"
             "The guide: Help > HTML help shows it, with the menus, scripts and files.\n"
             "It is the page %1\n")
      .arg(guidePath);
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Kelvane"));
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("icon%1").arg(ABOUT_ICON));
  const QSize iconSize = dialogUnitsRect(this, 0, 0, 20, 20).size();
  icon->setPixmap(QApplication::windowIcon().pixmap(iconSize));
  icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  // "unknown" until the box opens, as in the dialog's template.
  m_version = new QLabel(QStringLiteral("unknown"), this);
  m_updated = new QLabel(QStringLiteral("unknown"), this);
  m_compiled = new QLabel(QStringLiteral("unknown"), this);

  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(dialogUnitsX(this, 4));
  fields->addWidget(new QLabel(QStringLiteral("KELVANE"), this), 0, 0, 1, 2);
  fields->addWidget(new QLabel(tr("Program Version:"), this), 1, 0);
  fields->addWidget(m_version, 1, 1);
  fields->addWidget(new QLabel(tr("Updated:"), this), 2, 0);
  fields->addWidget(m_updated, 2, 1);
  fields->addWidget(new QLabel(tr("Compiled:"), this), 3, 0);
  fields->addWidget(m_compiled, 3, 1);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(dialogUnitsX(this, 7), dialogUnitsY(this, 7), dialogUnitsX(this, 7),
                             dialogUnitsY(this, 7));
  layout->setSpacing(dialogUnitsX(this, 7));
  layout->addWidget(icon);
  layout->addLayout(fields, 1);

  const QString stamp = QString::fromStdString(buildTimeStamp());
  m_version->setText(QString::fromLatin1(kProgramVersion));
  m_updated->setText(stamp);
  m_compiled->setText(stamp);
  // 180 x 69 units, or more when this desktop's font needs it.
  setFixedSize(sizeHint().expandedTo(QSize(dialogUnitsX(this, 180), dialogUnitsY(this, 69))));
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
  setWindowTitle(tr("Kelvane Help"));
  setModal(true);
  m_ok = new QPushButton(tr("OK"), this);
  m_ok->setDefault(true);
  m_ok->setGeometry(dialogUnitsRect(this, 420, 6, 50, 14));
  m_text = new QPlainTextEdit(this);
  m_text->setObjectName(QStringLiteral("edit%1").arg(HELP_TEXT));
  m_text->setGeometry(dialogUnitsRect(this, 7, 26, 463, 240));
  m_text->setPlainText(quickStartText(QString::fromStdString(docDir().filePath(kHelpDocument))));
  m_text->setReadOnly(true);
  setFixedSize(dialogUnitsX(this, 477), dialogUnitsY(this, 273));
  connect(m_ok, &QPushButton::clicked, this, [this] { done(IDOK); });
}

void HelpDialog::reject() { done(IDCANCEL); }

}  // namespace kelvane
