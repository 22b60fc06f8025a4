#include "app/results/focus_results_model.h"

#include <climits>

namespace kelvane {

FocusResultsModel::FocusResultsModel(std::shared_ptr<const FocusResults> results, QObject* parent)
    : QAbstractTableModel(parent), m_results(std::move(results)) {}

int FocusResultsModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  // Qt's views count rows in int.
  return static_cast<int>(std::min<std::size_t>(m_results->rows.size(), INT_MAX));
}

int FocusResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kFocusResultColumns;
}

QVariant FocusResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const double value = columnValue(row(index.row()), index.column());
  switch (role) {
    case Qt::DisplayRole:
      // As the table writes it: whole numbers, dev with 3 and devpcnt with 2 decimals.
      return QString::number(value, 'f', kFocusResultDecimals[index.column()]);
    case ValueRole:
      return value;
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant FocusResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal && section >= 0 && section < kFocusResultColumns) {
    const std::string_view name = kFocusResultColumnNames[section];
    return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
  }
  if (orientation == Qt::Vertical) return section + 1;
  return {};
}

FocusResultsProxy::FocusResultsProxy(FocusResultsModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), m_model(source) {
  setSourceModel(source);
  setSortRole(FocusResultsModel::ValueRole);
}

void FocusResultsProxy::setRowFilter(FocusResultsFilter filter) {
  m_filter = std::move(filter);
  invalidateRowsFilter();
}

int FocusResultsProxy::sourceRow(int shownRow) const {
  return mapToSource(index(shownRow, 0)).row();
}

int FocusResultsProxy::shownRow(int sourceRow) const {
  return mapFromSource(m_model->index(sourceRow, 0)).row();
}

bool FocusResultsProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  return m_filter.empty() || m_filter.accepts(m_model->row(sourceRow));
}

bool FocusResultsProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const int column = left.column();
  const double a = columnValue(m_model->row(left.row()), column);
  const double b = columnValue(m_model->row(right.row()), column);
  // Equal values keep the table's order, so a sort is stable and repeatable.
  if (a != b) return a < b;
  return left.row() < right.row();
}

}  // namespace kelvane
