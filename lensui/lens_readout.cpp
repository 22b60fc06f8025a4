#include "lensui/lens_readout.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <cmath>

#include "draw/display_list.h"
#include "lensui/lens_session.h"

namespace kelvane {

namespace {

constexpr QChar kDot(0x00B7);

bool usable(double v) { return std::isfinite(v) && v > 0; }

}  // namespace

QString lensReadoutText(const TraceResults& r) {
  const QString width =
      std::isfinite(r.width) ? QString::asprintf("%.1f", r.width) : QStringLiteral("--");
  if (!usable(r.focus))
    return QCoreApplication::translate("kelvane", "Focus -- %1 spread -- %1 width %2")
        .arg(kDot)
        .arg(width);
  // The numbers keep the C locale's decimal point, as everywhere on screen.
  return QCoreApplication::translate("kelvane", "Focus %1 (%2 in) %3 spread %4 (%5 %) %3 width %6")
      .arg(QString::asprintf("%.2f", r.focus),
           QString::asprintf("%.2f", r.focus / draw::kUnitsPerInch), QString(kDot),
           QString::asprintf("%.2f", r.dev), QString::asprintf("%.2f", r.devpcnt), width);
}

void addLensReadout(QMainWindow* view) {
  auto* label = new QLabel(view->statusBar());
  label->setAccessibleName(QCoreApplication::translate("kelvane", "Lens read-out"));
  view->statusBar()->addWidget(label, 1);
  auto refresh = [label] {
    const LensModel& model = lensSession().model;
    label->setText(model.hasBuffer() ? lensReadoutText(model.singleBeamTrace().results)
                                     : QString());
  };
  QObject::connect(&lensSessionNotifier(), &LensSessionNotifier::retraced, label, refresh);
  refresh();
}

}  // namespace kelvane
