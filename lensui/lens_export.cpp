#include "lensui/lens_export.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "draw/caption.h"
#include "lensui/lens_control.h"
#include "lensui/lens_paint.h"
#include "lensui/lens_session.h"
#include "lensui/lens_status_line.h"
#include "lensui/lens_wnd.h"
#include "lensui/script_gif_export.h"
#include "trace/dbgprint.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

ExportChooser g_chooser = nullptr;  // user-interface thread only
ExportChoice g_last;                // the previous choice, offered again

// The extension a file-dialog filter names, "*.svg" -> "svg".
QString filterExtension(const QString& filter) {
  const qsizetype star = filter.indexOf(QStringLiteral("*."));
  return star < 0 ? QString() : filter.mid(star + 2, 3);
}

// The dialog's answer: export the picture, nothing, or a script's animation.
enum class Asked { Picture, Cancel, ScriptGif };

Asked askExport(ExportChoice& choice, QWidget* owner) {
  QDialog dialog(owner);
  dialog.setWindowTitle(QCoreApplication::translate("kelvane", "Export"));
  auto* path = new QLineEdit(choice.path, &dialog);
  path->setMinimumWidth(320);
  auto* browse = new QPushButton(QCoreApplication::translate("kelvane", "&Browse…"), &dialog);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(path);
  fileRow->addWidget(browse);
  auto* dpi = new QSpinBox(&dialog);
  dpi->setRange(draw::kMinPngDpi, draw::kMaxPngDpi);
  dpi->setSuffix(QStringLiteral(" dpi"));
  dpi->setValue(choice.pngDpi);
  auto* caption =
      new QCheckBox(QCoreApplication::translate("kelvane", "&Caption under the picture"), &dialog);
  caption->setChecked(choice.caption);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QPushButton* scriptGif =
      buttons->addButton(QCoreApplication::translate("kelvane", "Animated GIF of a script…"),
                         QDialogButtonBox::ActionRole);
  bool scriptGifWanted = false;
  QObject::connect(scriptGif, &QPushButton::clicked, &dialog, [&] {
    scriptGifWanted = true;
    dialog.reject();
  });
  auto* form = new QFormLayout(&dialog);
  // A row of a layout gets no buddy from the form: without one the label
  // would show its "&" instead of underlining the key.
  auto* fileLabel = new QLabel(QCoreApplication::translate("kelvane", "&File:"), &dialog);
  fileLabel->setBuddy(path);
  form->addRow(fileLabel, fileRow);
  form->addRow(QCoreApplication::translate("kelvane", "PNG &resolution:"), dpi);
  form->addRow(caption);
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
    QString filter;
    QString chosen =
        QFileDialog::getSaveFileName(&dialog, QCoreApplication::translate("kelvane", "Export"),
                                     path->text(), uiText(kExportFileFilter), &filter);
    if (chosen.isEmpty()) return;
    // A name typed without an extension takes the chosen filter's.
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += '.' + filterExtension(filter);
    path->setText(chosen);
  });
  if (dialog.exec() != QDialog::Accepted) return scriptGifWanted ? Asked::ScriptGif : Asked::Cancel;
  choice.path = path->text().trimmed();
  choice.pngDpi = dpi->value();
  choice.caption = caption->isChecked();
  return Asked::Picture;
}

}  // namespace

void setExportChooser(ExportChooser chooser) { g_chooser = chooser; }

void noteFileWritten(const QString& what, const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  LensControl* control = lensSession().control;
  if (!control) {
    dbgPrint("%s written to %s", what.toUtf8().constData(), absolute.toUtf8().constData());
    return;
  }
  LensStatusLine* line = control->statusLine();
  const QString lead = what + QCoreApplication::translate("kelvane", " written to ");
  const int room = std::max(line->width() - line->fontMetrics().horizontalAdvance(lead), 0);
  line->showNotice(lead + line->fontMetrics().elidedText(absolute, Qt::ElideMiddle, room),
                   kWrittenNoticeMs, absolute);
}

draw::ExportOutcome exportLensTo(const ExportChoice& choice) {
  const LensSession& s = lensSession();
  draw::PictureRequest request;
  request.drawing = draw::pictureOf(s.model);
  request.options = currentPictureOptions();
  if (choice.caption) request.options.caption = draw::captionFacts(s.model);
  if (s.view) {
    request.viewWidth = s.view->canvas()->width();
    request.viewHeight = s.view->canvas()->height();
  }
  request.pngDpi = choice.pngDpi;
  return draw::exportPicture(choice.path.toStdString(), request);
}

void exportLens(QWidget* owner) {
  ExportChoice choice = g_last;
  if (choice.path.isEmpty()) choice.path = QDir::current().filePath(QStringLiteral("lens.svg"));
  const Asked asked = g_chooser ? (g_chooser(choice, owner) ? Asked::Picture : Asked::Cancel)
                                : askExport(choice, owner);
  if (asked == Asked::ScriptGif) exportScriptGif(owner);
  if (asked != Asked::Picture) return;
  g_last = choice;
  const draw::ExportOutcome outcome = exportLensTo(choice);
  if (!outcome.ok())
    msgBoxPrintf(owner, MB_ICON_ERROR, "Export: %s", outcome.message.c_str());
  else
    noteFileWritten(QCoreApplication::translate("kelvane", "Picture"), choice.path);
}

}  // namespace kelvane
