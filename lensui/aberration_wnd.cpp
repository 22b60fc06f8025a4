#include "lensui/aberration_wnd.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPointer>
#include <QScatterSeries>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "draw/legend_words.h"
#include "draw/wavelength_rgb.h"
#include "lensui/lens_session.h"
#include "winui/place_window.h"
#include "winui/remembered_place.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

QPointer<AberrationWnd> g_window;

constexpr QSize kFirstSize(640, 400);
constexpr int kPlaceGap = 4;  // pixels between the lens view and this window

// The lens view's colours: blue exit rays, green rays inside the glass (a
// darker green, readable on white), the red focus.
const QColor kExitColor(0, 0, 255);
const QColor kInnerColor(0, 160, 0);
const QColor kFocusColor(255, 0, 0);
const QColor kSpreadColor(90, 90, 200);

QList<QPointF> seriesPoints(const std::vector<AberrationPoint>& points) {
  QList<QPointF> list;
  list.reserve(static_cast<qsizetype>(points.size()));
  for (const AberrationPoint& p : points) list.append(QPointF(p.crossing, p.height));
  return list;
}

// A round step for a span: 1, 2 or 5 times a power of ten, about a fifth of it.
double roundStep(double span) {
  const double raw = span / 5;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0})
    if (raw <= m * power) return m * power;
  return 10 * power;
}

// Shows at least lo..hi on `axis`, widened to whole round steps. Unless
// `force`d, the range in force stays while it holds lo..hi and is not more
// than four times wider.
void fitAxis(QValueAxis* axis, double lo, double hi, bool force = false) {
  const double span = hi - lo;
  if (!(span > 0) || !std::isfinite(span)) return;
  const double min = axis->min(), max = axis->max();
  if (!force && min <= lo && hi <= max && max - min <= 4 * span) return;
  const double step = roundStep(span);
  const double from = std::floor(lo / step) * step;
  const double to = std::ceil(hi / step) * step;
  axis->setRange(from, to);
  axis->setTickCount(static_cast<int>(std::lround((to - from) / step)) + 1);
  const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step))));
  axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

void hideFromLegend(QChart* chart, QAbstractSeries* series) {
  for (QLegendMarker* m : chart->legend()->markers(series)) m->setVisible(false);
}

}  // namespace

AberrationWnd::AberrationWnd(QWidget* owner)
    : QWidget(owner, Qt::Window),
      m_chart(new QChart),
      m_view(new QChartView(m_chart, this)),
      m_exitLine(new QLineSeries),
      m_exitPoints(new QScatterSeries),
      m_innerLine(new QLineSeries),
      m_innerPoints(new QScatterSeries),
      m_focus(new QLineSeries),
      m_focusMin(new QLineSeries),
      m_focusMax(new QLineSeries),
      m_axisX(new QValueAxis),
      m_axisY(new QValueAxis),
      m_numbers(new QLabel(this)),
      m_fixedAxes(new QCheckBox(tr("&Fixed axes"), this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(uiText(kAberrationCaption));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_view);
  m_numbers->setAlignment(Qt::AlignCenter);
  m_numbers->setContentsMargins(4, 2, 4, 4);
  auto* under = new QHBoxLayout;
  under->addWidget(m_numbers, 1);
  m_fixedAxes->setChecked(true);
  m_fixedAxes->setToolTip(
      tr("The axes grow but never shrink while the lens is dragged; a preset, a script or a "
         "Focus Results row starts them afresh"));
  under->addWidget(m_fixedAxes);
  layout->addLayout(under);
  connect(m_fixedAxes, &QCheckBox::toggled, this, [this] { showRanges(); });
  // No antialiasing: it would double the cost of the repaint that every
  // slider step asks for.
  m_view->setRenderHint(QPainter::Antialiasing, false);

  m_exitPoints->setName(uiText(kExitSeriesName));
  m_innerPoints->setName(uiText(kInnerSeriesName));
  // The inner points are drawn first and larger: where a ray leaves the
  // glass unbent both crossings coincide, a blue dot in a green ring.
  for (auto [line, points, color, size] :
       {std::tuple{m_exitLine, m_exitPoints, kExitColor, 7.0},
        std::tuple{m_innerLine, m_innerPoints, kInnerColor, 12.0}}) {
    line->setPen(QPen(color, 1.5));
    points->setColor(color);
    points->setBorderColor(color);
    points->setMarkerSize(size);
  }
  // The lens view's legend words.
  m_focus->setName(QString::fromUtf8(draw::kMeanFocusWords));
  m_focusMin->setName(QString::fromUtf8(draw::kNearestCrossingWords));
  m_focusMax->setName(QString::fromUtf8(draw::kFarthestCrossingWords));
  m_chart->setTitle(tr("Where each beam crosses the axis"));
  m_focus->setPen(QPen(kFocusColor, 2));
  for (QLineSeries* spread : {m_focusMin, m_focusMax})
    spread->setPen(QPen(kSpreadColor, 1.5, Qt::DashLine));
  for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{
           m_innerLine, m_innerPoints, m_focusMin, m_focusMax, m_focus, m_exitLine, m_exitPoints})
    m_chart->addSeries(s);
  m_axisX->setTitleText(uiText(kCrossingAxisTitle));
  m_axisY->setTitleText(uiText(kHeightAxisTitle));
  m_chart->addAxis(m_axisX, Qt::AlignBottom);
  m_chart->addAxis(m_axisY, Qt::AlignLeft);
  for (QAbstractSeries* s : m_chart->series()) {
    s->attachAxis(m_axisX);
    s->attachAxis(m_axisY);
  }
  hideFromLegend(m_chart, m_exitLine);
  hideFromLegend(m_chart, m_innerLine);
  // At the right, one name a line: the names in words stay whole.
  m_chart->legend()->setAlignment(Qt::AlignRight);

  connect(&lensSessionNotifier(), &LensSessionNotifier::retraced, this, &AberrationWnd::refresh);
  connect(&lensSessionNotifier(), &LensSessionNotifier::lensReplaced, this,
          &AberrationWnd::resetAxes);
  refresh();
}

AberrationCurve AberrationWnd::currentCurve() {
  const LensModel& model = lensSession().model;
  if (!model.hasBuffer()) return {};  // no lens view: nothing is traced
  const SingleBeamTrace& t = model.singleBeamTrace();
  return aberrationCurve(t.buffer, t.bufferPoints, model.lens(), t.results);
}

bool AberrationWnd::showColourCurves() {
  const LensModel& model = lensSession().model;
  const std::vector<ColourTrace>& traces = model.colourTraces();
  const bool shown = model.hasBuffer() && model.beamMode() == kSingleBeamMode && !traces.empty();
  // Made on first need, kept: adding a series lays the chart out again.
  while (shown && m_colourCurves.size() < traces.size()) {
    auto* curve = new QLineSeries;
    m_chart->addSeries(curve);
    curve->attachAxis(m_axisX);
    curve->attachAxis(m_axisY);
    m_colourCurves.push_back(curve);
  }
  for (size_t i = 0; i < m_colourCurves.size(); ++i) {
    QLineSeries* curve = m_colourCurves[i];
    if (!shown || i >= traces.size()) {
      curve->clear();
      curve->setVisible(false);
      continue;
    }
    const ColourTrace& t = traces[i];
    const AberrationCurve c = aberrationCurve(t.buffer.data(), static_cast<int>(t.buffer.size()),
                                              model.lens(), t.results);
    const draw::Rgb ink = draw::spectrumInk(t.nm);
    const QString name = QString::fromStdString(draw::wavelengthLabel(t.nm));
    if (curve->name() != name) curve->setName(name);
    curve->setPen(QPen(QColor(ink.r, ink.g, ink.b), 2));
    curve->replace(seriesPoints(c.exitCrossings));
    curve->setVisible(true);
  }
  return shown;
}

void AberrationWnd::refresh() {
  m_curve = currentCurve();
  // White light: the wavelengths' curves stand for the exit rays.
  const bool colours = showColourCurves();
  for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{m_exitPoints, m_innerPoints})
    s->setVisible(!colours);
  m_exitLine->replace(
      seriesPoints(colours ? std::vector<AberrationPoint>{} : m_curve.exitCrossings));
  m_exitPoints->replace(m_exitLine->points());
  m_innerLine->replace(
      seriesPoints(colours ? std::vector<AberrationPoint>{} : m_curve.innerCrossings));
  m_innerPoints->replace(m_innerLine->points());
  const bool hasFocus = m_curve.focus != 0;
  const double top = m_curve.width > 0 ? m_curve.width * 1.08 : 1.0;
  auto vertical = [&](QLineSeries* line, double x) {
    if (hasFocus)
      line->replace({QPointF(x, 0), QPointF(x, top)});
    else
      line->clear();
  };
  vertical(m_focus, m_curve.focus);
  vertical(m_focusMin, m_curve.focusMin);
  vertical(m_focusMax, m_curve.focusMax);
  // The numbers go into a label under the chart: a new legend or title
  // text would lay the whole chart out again on every slider step.
  if (hasFocus) {
    const double dev = m_curve.focusMax - m_curve.focusMin;
    QString text = QString::asprintf(
        "focus %.2f    focusMin %.2f    focusMax %.2f    dev %.3g (%.2f %%)", m_curve.focus,
        m_curve.focusMin, m_curve.focusMax, dev, dev * 100 / m_curve.focus);
    const double lca = lensSession().model.longitudinalChromaticAberration();
    if (colours && std::isfinite(lca)) text += QString::asprintf("    lca %.4f", lca);
    m_numbers->setText(text);
  } else {
    m_numbers->setText(tr("No focus: no exit ray comes down to the axis"));
  }
  showRanges();
}

void AberrationWnd::showRanges() {
  // The axes move in whole steps of a round size, and only when the curve
  // leaves them or shrinks to a small part of them: while a slider is
  // dragged they mostly stay put, which keeps each step cheap and the
  // picture calm.
  double lo = 0, hi = 0;
  bool any = false;
  auto take = [&](double x) {
    lo = any ? std::min(lo, x) : x;
    hi = any ? std::max(hi, x) : x;
    any = true;
  };
  for (const AberrationPoint& p : m_curve.exitCrossings) take(p.crossing);
  for (const AberrationPoint& p : m_curve.innerCrossings) take(p.crossing);
  for (const QLineSeries* curve : m_colourCurves)
    if (curve->isVisible())
      for (const QPointF& p : curve->points()) take(p.x());
  if (!any) {
    lo = 0;
    hi = 1;
  }
  // A perfect focus has no spread: keep the axis a few units wide.
  const double pad = std::max((hi - lo) * 0.05, 1.0);
  double yHi = m_curve.width > 0 ? m_curve.width * 1.05 : 1.0;
  lo -= pad;
  hi += pad;
  const bool fresh = m_axesFresh;
  m_axesFresh = false;
  if (m_fixedAxes->isChecked() && !fresh) {
    // Fixed: the axes take in what they showed, so they only ever grow.
    lo = std::min(lo, m_axisX->min());
    hi = std::max(hi, m_axisX->max());
    yHi = std::max(yHi, m_axisY->max());
  }
  fitAxis(m_axisX, lo, hi, fresh);
  fitAxis(m_axisY, 0, yHi, fresh);
}

void AberrationWnd::resetAxes() {
  m_axesFresh = true;
  showRanges();
}

AberrationWnd* openAberrationWindow(QWidget* view) {
  if (g_window) {
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    return g_window;
  }
  g_window = new AberrationWnd(view);
  g_window->resize(kFirstSize);
  QPointer<QWidget> owner = view;
  showAtRememberedPlace(g_window, kPlaceAberration, [owner] {
    if (owner) {
      // Right of the lens view when the screen has room there, else in the
      // work area's top-right corner, where it covers the least of the beams.
      g_window->placeOnceFramed([owner](AberrationWnd* plot) {
        if (!owner) return;
        const QRect frame = owner->frameGeometry();
        const QRect beside(frame.right() + 1 + kPlaceGap, frame.top(),
                           plot->frameGeometry().width(), plot->frameGeometry().height());
        if (workArea().contains(beside))
          plot->move(beside.topLeft());
        else
          placeWindow(plot, nullptr, kCornerTopRight, 0, 0);
      });
    }
    g_window->show();
  });
  g_window->activateWindow();
  return g_window;
}

void AberrationWnd::placeOnceFramed(std::function<void(AberrationWnd*)> place) {
  m_place = std::move(place);
  m_place(this);
}

bool AberrationWnd::event(QEvent* event) {
  // The frame's size is known only once the window system has framed the
  // window: the first placement is made again then, by the frame.
  const bool result = QWidget::event(event);
  if (m_place && (event->type() == QEvent::Move || event->type() == QEvent::Show) &&
      frameGeometry() != geometry()) {
    const auto place = std::move(m_place);
    m_place = nullptr;
    place(this);
  }
  return result;
}

AberrationWnd* aberrationWindow() { return g_window; }

}  // namespace kelvane
