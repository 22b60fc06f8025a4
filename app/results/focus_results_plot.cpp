#include "app/results/focus_results_plot.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvane {

namespace {

QString columnName(int column) {
  const std::string_view name = kFocusResultColumnNames[column];
  return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}

QComboBox* columnBox(int column, QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (int c = 0; c < kFocusResultColumns; ++c) box->addItem(columnName(c));
  box->setCurrentIndex(column);
  return box;
}

// An axis range with a little room around the points; one value gets a
// unit of room, so the axis never collapses.
void setRange(QValueAxis* axis, double low, double high) {
  if (!(low <= high)) {
    low = 0;
    high = 1;
  }
  double pad = (high - low) * 0.05;
  if (pad == 0) pad = std::max(std::abs(low) * 0.05, 0.5);
  // Values of a table are never negative; neither is its axis.
  axis->setRange(low >= 0 ? std::max(0.0, low - pad) : low - pad, high + pad);
  axis->applyNiceNumbers();
}

}  // namespace

FocusResultsPlot::FocusResultsPlot(const FocusResults& results, QWidget* parent)
    : QWidget(parent), m_results(results) {
  m_xBox = columnBox(m_xColumn, this);
  m_yBox = columnBox(m_yColumn, this);
  m_xBox->setObjectName(QStringLiteral("xColumn"));
  m_yBox->setObjectName(QStringLiteral("yColumn"));
  m_caption = new QLabel(this);

  auto* chart = new QChart;
  chart->legend()->hide();
  m_points = new QScatterSeries(chart);
  m_points->setMarkerSize(6);
  m_points->setBorderColor(Qt::transparent);
  m_points->setColor(QColor(40, 90, 170));
  m_mark = new QScatterSeries(chart);
  m_mark->setMarkerSize(13);
  m_mark->setColor(QColor(220, 40, 30));
  m_mark->setBorderColor(Qt::black);
  chart->addSeries(m_points);
  chart->addSeries(m_mark);
  m_xAxis = new QValueAxis(chart);
  m_yAxis = new QValueAxis(chart);
  chart->addAxis(m_xAxis, Qt::AlignBottom);
  chart->addAxis(m_yAxis, Qt::AlignLeft);
  for (QScatterSeries* s : {m_points, m_mark}) {
    s->attachAxis(m_xAxis);
    s->attachAxis(m_yAxis);
  }
  m_view = new QChartView(chart, this);
  m_view->setRenderHint(QPainter::Antialiasing);
  m_view->setMinimumSize(360, 280);

  auto* axes = new QHBoxLayout;
  axes->addWidget(new QLabel(tr("x:"), this));
  axes->addWidget(m_xBox);
  axes->addWidget(new QLabel(tr("y:"), this));
  axes->addWidget(m_yBox);
  axes->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(axes);
  layout->addWidget(m_view, 1);
  layout->addWidget(m_caption);

  connect(m_xBox, &QComboBox::currentIndexChanged, this, [this](int c) { setAxes(c, m_yColumn); });
  connect(m_yBox, &QComboBox::currentIndexChanged, this, [this](int c) { setAxes(m_xColumn, c); });
  // The clicked point is one of the sample; the row behind the nearest one.
  connect(m_points, &QScatterSeries::clicked, this, [this](const QPointF& value) {
    const int row = rowNearest(value);
    if (row >= 0) emit rowClicked(row);
  });
  rebuild();
}

void FocusResultsPlot::setRowFilter(const FocusResultsFilter& filter) {
  m_filter = filter;
  rebuild();
}

void FocusResultsPlot::setAxes(int xColumn, int yColumn) {
  if (xColumn < 0 || yColumn < 0 || xColumn >= kFocusResultColumns ||
      yColumn >= kFocusResultColumns)
    return;
  if (xColumn == m_xColumn && yColumn == m_yColumn) return;
  m_xColumn = xColumn;
  m_yColumn = yColumn;
  const QSignalBlocker bx(m_xBox), by(m_yBox);
  m_xBox->setCurrentIndex(xColumn);
  m_yBox->setCurrentIndex(yColumn);
  rebuild();
}

QPointF FocusResultsPlot::pointOf(int sourceRow) const {
  const FocusResultRow& r = m_results.rows[sourceRow];
  return QPointF(columnValue(r, m_xColumn), columnValue(r, m_yColumn));
}

void FocusResultsPlot::rebuild() {
  const std::vector<FocusResultRow>& rows = m_results.rows;
  const int count = static_cast<int>(rows.size());
  // First the shown rows' count and the axes' ranges, over all of them.
  double xLow = std::numeric_limits<double>::infinity(), xHigh = -xLow;
  double yLow = xLow, yHigh = -xLow;
  m_shown = 0;
  for (int i = 0; i < count; ++i) {
    if (!m_filter.empty() && !m_filter.accepts(rows[i])) continue;
    ++m_shown;
    const double x = columnValue(rows[i], m_xColumn);
    const double y = columnValue(rows[i], m_yColumn);
    xLow = std::min(xLow, x);
    xHigh = std::max(xHigh, x);
    yLow = std::min(yLow, y);
    yHigh = std::max(yHigh, y);
  }
  // Then every n-th shown row, at most kMaxPoints of them.
  const long step = std::max<long>(1, (m_shown + kMaxPoints - 1) / kMaxPoints);
  m_plotted.clear();
  QList<QPointF> points;
  long nth = 0;
  for (int i = 0; i < count; ++i) {
    if (!m_filter.empty() && !m_filter.accepts(rows[i])) continue;
    if (nth++ % step != 0) continue;
    m_plotted.push_back(i);
    points.append(pointOf(i));
  }
  m_points->replace(points);
  setRange(m_xAxis, xLow, xHigh);
  setRange(m_yAxis, yLow, yHigh);
  m_xAxis->setTitleText(columnName(m_xColumn));
  m_yAxis->setTitleText(columnName(m_yColumn));
  m_caption->setText(caption());
  showSelected();
}

QString FocusResultsPlot::caption() const {
  if (static_cast<long>(m_plotted.size()) == m_shown)
    return tr("%1 points").arg(QLocale().toString(static_cast<qlonglong>(m_shown)));
  return tr("%1 of %2 shown rows plotted")
      .arg(QLocale().toString(static_cast<qlonglong>(m_plotted.size())),
           QLocale().toString(static_cast<qlonglong>(m_shown)));
}

void FocusResultsPlot::setSelectedRow(int sourceRow) {
  m_selected =
      sourceRow >= 0 && sourceRow < static_cast<int>(m_results.rows.size()) ? sourceRow : -1;
  showSelected();
}

void FocusResultsPlot::showSelected() {
  QList<QPointF> mark;
  if (m_selected >= 0 && (m_filter.empty() || m_filter.accepts(m_results.rows[m_selected])))
    mark.append(pointOf(m_selected));
  m_mark->replace(mark);
}

int FocusResultsPlot::rowNearest(const QPointF& value) const {
  // Distances in shares of the axes' spans, so both axes weigh alike.
  const double xSpan = std::max(m_xAxis->max() - m_xAxis->min(), 1e-300);
  const double ySpan = std::max(m_yAxis->max() - m_yAxis->min(), 1e-300);
  int best = -1;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (int row : m_plotted) {
    const QPointF p = pointOf(row);
    const double dx = (p.x() - value.x()) / xSpan;
    const double dy = (p.y() - value.y()) / ySpan;
    const double d = dx * dx + dy * dy;
    if (d < bestDistance) {
      bestDistance = d;
      best = row;
    }
  }
  return best;
}

}  // namespace kelvane
