// The rows of a focus table for Qt's views: a table model over the rows the
// reader returned (nothing is copied into QVariants until a cell is shown),
// and a sort/filter proxy over it that works on the rows' doubles directly.
#pragma once

#include <QAbstractProxyModel>
#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "calc/focus_results.h"
#include "calc/focus_results_filter.h"

namespace kelvane {

class FocusResultsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // The row's value as a double under this role (for sorting and tests).
  static constexpr int ValueRole = Qt::UserRole + 1;

  FocusResultsModel(std::shared_ptr<const FocusResults> results, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  const FocusResults& results() const { return *m_results; }
  const FocusResultRow& row(int sourceRow) const { return m_results->rows[sourceRow]; }

 private:
  std::shared_ptr<const FocusResults> m_results;
};

// Shows the rows a filter accepts, in the table's order or sorted by one
// column. It keeps the shown rows as a list of source rows and rebuilds it
// in one pass for a filter and one sort of (value, row) pairs for a column,
// then tells the views once (a reset for a filter, a layout change that
// keeps the selection for a sort): no per-row signals, no per-comparison
// model calls, so a million rows take a fraction of a second.
class FocusResultsProxy : public QAbstractProxyModel {
  Q_OBJECT
 public:
  explicit FocusResultsProxy(FocusResultsModel* source, QObject* parent = nullptr);

  // Shows only the rows the filter accepts; the empty filter shows all.
  void setRowFilter(FocusResultsFilter filter);
  const FocusResultsFilter& rowFilter() const { return m_filter; }
  // The source row of a shown row, and the shown row of a source row (-1
  // when it is filtered out).
  int sourceRow(int shownRow) const { return m_order[shownRow]; }
  int shownRow(int sourceRow) const { return m_position[sourceRow]; }
  // -1: the table's own order.
  int sortColumn() const { return m_sortColumn; }
  Qt::SortOrder sortOrder() const { return m_sortOrder; }

  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
  QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
  QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;

 private:
  void filterRows();  // m_order: the accepted rows in the table's order
  void sortRows();    // m_order sorted by m_sortColumn
  void indexPositions();

  FocusResultsModel* m_model;
  FocusResultsFilter m_filter;
  int m_sortColumn = -1;
  Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
  std::vector<int> m_order;     // shown row -> source row
  std::vector<int> m_position;  // source row -> shown row, -1 when not shown
};

}  // namespace kelvane
