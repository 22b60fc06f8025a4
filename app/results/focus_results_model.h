// The rows of a focus table for Qt's views: a table model over the rows the
// reader returned (nothing is copied into QVariants until a cell is shown),
// and a sort/filter proxy that compares and filters the rows' doubles
// directly, so a table of a million rows sorts and filters in well under a
// second.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <memory>

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

class FocusResultsProxy : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  explicit FocusResultsProxy(FocusResultsModel* source, QObject* parent = nullptr);

  // Shows only the rows the filter accepts; the empty filter shows all.
  void setRowFilter(FocusResultsFilter filter);
  const FocusResultsFilter& rowFilter() const { return m_filter; }
  // The source row of a shown row, and the shown row of a source row (-1
  // when it is filtered out).
  int sourceRow(int shownRow) const;
  int shownRow(int sourceRow) const;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  FocusResultsModel* m_model;
  FocusResultsFilter m_filter;
};

}  // namespace kelvane
