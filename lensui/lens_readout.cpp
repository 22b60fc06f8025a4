#include "lensui/lens_readout.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <cmath>

#include "draw/colour_readout.h"
#include "draw/display_list.h"
#include "lensui/lens_session.h"

namespace kelvane {

namespace {

constexpr QChar kDot(0x00B7);

bool usable(double v) { return std::isfinite(v) && v > 0; }

}  // namespace

QString lensReadoutText(const TraceResults& r, const QString& lca) {
  const QString width =
      std::isfinite(r.width) ? QString::asprintf("%.1f", r.width) : QStringLiteral("--");
  if (!usable(r.focus))
    return QCoreApplication::translate("kelvane", "Focus -- %1 spread -- %1 width %2")
        .arg(kDot)
        .arg(width);
  // The numbers keep the C locale's decimal point, as everywhere on screen;
  // %7 is the colour's lca with its separator, or nothing.
  const QString lcaPart =
      lca.isEmpty() ? QString() : QStringLiteral(" ") + lca + QStringLiteral(" ") + kDot;
  return QCoreApplication::translate("kelvane",
                                     "Focus %1 (%2 in) %3 spread %4 (%5 %) %3%7 width %6")
      .arg(QString::asprintf("%.2f", r.focus),
           QString::asprintf("%.2f", r.focus / draw::kUnitsPerInch), QString(kDot),
           QString::asprintf("%.2f", r.dev), QString::asprintf("%.2f", r.devpcnt), width, lcaPart);
}

QString lensReadoutText(const LensModel& model) {
  const TraceResults& r = model.singleBeamTrace().results;
  if (model.colour().isDefault()) return lensReadoutText(r);
  QString text = lensReadoutText(r, QString::fromStdString(draw::lcaWords(model)));
  text += QStringLiteral(" ") + kDot + QStringLiteral(" ") +
          QString::fromStdString(draw::indexWords(model));
  const std::string foci = draw::fociWords(model);
  if (!foci.empty())
    text += QStringLiteral(" ") + kDot + QStringLiteral(" foci ") + QString::fromStdString(foci);
  return text;
}

void addLensReadout(QMainWindow* view) {
  auto* label = new QLabel(view->statusBar());
  label->setAccessibleName(QCoreApplication::translate("kelvane", "Lens read-out"));
  view->statusBar()->addWidget(label, 1);
  auto refresh = [label] {
    const LensModel& model = lensSession().model;
    label->setText(model.hasBuffer() ? lensReadoutText(model) : QString());
    // A long line in white light: the whole of it where the bar cuts it off.
    label->setToolTip(model.colour().isDefault() ? QString() : label->text());
  };
  QObject::connect(&lensSessionNotifier(), &LensSessionNotifier::retraced, label, refresh);
  refresh();
}

}  // namespace kelvane
