// The scatter plot beside the Focus Results table: two columns of the shown
// rows against each other: focus against dev at first, which the table
// writes to three decimals (devpcnt's two put most points on 0.00 or 0.01).
// A table of many rows is plotted from an even sample of its shown rows, so
// the plot stays quick; the selected row is always marked, sampled or not.
#pragma once

#include <QWidget>
#include <vector>

#include "calc/focus_results.h"
#include "calc/focus_results_filter.h"

class QComboBox;
class QLabel;
class QScatterSeries;
class QValueAxis;
class QChartView;

namespace kelvane {

class FocusResultsPlot : public QWidget {
  Q_OBJECT
 public:
  // Most points plotted at once; more shown rows are sampled evenly.
  static constexpr int kMaxPoints = 5000;

  explicit FocusResultsPlot(const FocusResults& results, QWidget* parent = nullptr);

  // Plots the rows `filter` accepts.
  void setRowFilter(const FocusResultsFilter& filter);
  // The columns on the axes (0..8).
  void setAxes(int xColumn, int yColumn);
  int xColumn() const { return m_xColumn; }
  int yColumn() const { return m_yColumn; }
  // Marks a row (-1: none).
  void setSelectedRow(int sourceRow);
  int selectedRow() const { return m_selected; }

  // The source rows behind the plotted points, in point order.
  const std::vector<int>& plottedRows() const { return m_plotted; }
  // The source row of the point nearest to `value` (in axis units), as a
  // click on the plot picks it; -1 with nothing plotted.
  int rowNearest(const QPointF& value) const;
  QScatterSeries* pointSeries() const { return m_points; }
  QChartView* chartView() const { return m_view; }
  QString caption() const;

 signals:
  // A point was clicked: the row behind it.
  void rowClicked(int sourceRow);

 private:
  void rebuild();
  void showSelected();
  QPointF pointOf(int sourceRow) const;

  const FocusResults& m_results;
  FocusResultsFilter m_filter;
  int m_xColumn = COL_FOCUS;
  int m_yColumn = COL_DEV;
  int m_selected = -1;
  long m_shown = 0;
  std::vector<int> m_plotted;
  QComboBox* m_xBox;
  QComboBox* m_yBox;
  QLabel* m_caption;
  QChartView* m_view;
  QScatterSeries* m_points;
  QScatterSeries* m_mark;
  QValueAxis* m_xAxis;
  QValueAxis* m_yAxis;
};

}  // namespace kelvane
