#include "app/results/focus_results_model.h"

#include <algorithm>
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
    : QAbstractProxyModel(parent), m_model(source) {
  setSourceModel(source);
  filterRows();
}

void FocusResultsProxy::setRowFilter(FocusResultsFilter filter) {
  beginResetModel();
  m_filter = std::move(filter);
  filterRows();
  sortRows();
  endResetModel();
}

void FocusResultsProxy::sort(int column, Qt::SortOrder order) {
  if (column < -1 || column >= kFocusResultColumns) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  // The selection and the current row hold persistent indexes: they move
  // with their rows.
  const QModelIndexList before = persistentIndexList();
  std::vector<std::pair<int, int>> rows;  // source row, column
  rows.reserve(before.size());
  for (const QModelIndex& i : before) rows.emplace_back(m_order[i.row()], i.column());
  m_sortColumn = column;
  m_sortOrder = order;
  if (column < 0) filterRows();  // back to the table's order
  sortRows();
  QModelIndexList after;
  after.reserve(before.size());
  for (const auto& [row, col] : rows) after.append(index(m_position[row], col));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FocusResultsProxy::filterRows() {
  const std::vector<FocusResultRow>& rows = m_model->results().rows;
  const int count = m_model->rowCount();
  m_order.clear();
  if (m_filter.empty()) {
    m_order.resize(count);
    for (int i = 0; i < count; ++i) m_order[i] = i;
  } else {
    for (int i = 0; i < count; ++i)
      if (m_filter.accepts(rows[i])) m_order.push_back(i);
  }
  m_order.shrink_to_fit();
  indexPositions();
}

void FocusResultsProxy::sortRows() {
  if (m_sortColumn >= 0) {
    const std::vector<FocusResultRow>& rows = m_model->results().rows;
    // (value, row) pairs sort in cache order; equal values keep the table's
    // order, so a sort is repeatable.
    std::vector<std::pair<double, int>> keyed(m_order.size());
    for (std::size_t i = 0; i < m_order.size(); ++i)
      keyed[i] = {columnValue(rows[m_order[i]], m_sortColumn), m_order[i]};
    if (m_sortOrder == Qt::AscendingOrder) {
      std::sort(keyed.begin(), keyed.end());
    } else {
      std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
      });
    }
    for (std::size_t i = 0; i < keyed.size(); ++i) m_order[i] = keyed[i].second;
  }
  indexPositions();
}

void FocusResultsProxy::indexPositions() {
  m_position.assign(static_cast<std::size_t>(m_model->rowCount()), -1);
  for (std::size_t i = 0; i < m_order.size(); ++i) m_position[m_order[i]] = static_cast<int>(i);
}

QModelIndex FocusResultsProxy::index(int row, int column, const QModelIndex& parent) const {
  if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
    return {};
  return createIndex(row, column);
}

QModelIndex FocusResultsProxy::parent(const QModelIndex&) const { return {}; }

int FocusResultsProxy::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int FocusResultsProxy::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kFocusResultColumns;
}

QModelIndex FocusResultsProxy::mapToSource(const QModelIndex& proxyIndex) const {
  if (!proxyIndex.isValid() || proxyIndex.model() != this) return {};
  return m_model->index(m_order[proxyIndex.row()], proxyIndex.column());
}

QModelIndex FocusResultsProxy::mapFromSource(const QModelIndex& sourceIndex) const {
  if (!sourceIndex.isValid()) return {};
  const int shown = m_position[sourceIndex.row()];
  return shown < 0 ? QModelIndex() : createIndex(shown, sourceIndex.column());
}

}  // namespace kelvane
