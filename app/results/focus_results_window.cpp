#include "app/results/focus_results_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/results/focus_results_model.h"
#include "app/results/focus_results_plot.h"
#include "calc/focus_results_filter.h"
#include "trace/dbgprint.h"
#include "winui/remembered_place.h"

namespace kelvane {

namespace {

// Typing pauses this long before a table is filtered anew.
constexpr int kFilterDelayMs = 300;

QString number(long long n) { return QLocale().toString(n); }

}  // namespace

FocusResultsWindow::FocusResultsWindow(std::shared_ptr<const FocusResults> results,
                                       const QString& path, FocusResultsHooks hooks, QWidget* owner)
    : QMainWindow(owner, Qt::Window),
      m_results(std::move(results)),
      m_path(path),
      m_hooks(std::move(hooks)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("%1 \u2014 %2")
                     .arg(QCoreApplication::translate("kelvane", kFocusResultsCaption),
                          QFileInfo(path).fileName()));

  m_model = new FocusResultsModel(m_results, this);
  m_proxy = new FocusResultsProxy(m_model, this);

  m_filter = new QLineEdit(this);
  m_filter->setObjectName(QStringLiteral("filter"));
  m_filter->setPlaceholderText(tr("filter, e.g. focus 250-300, devpcnt < 0.005, depth 60"));
  m_filter->setClearButtonEnabled(true);
  m_count = new QLabel(this);
  m_count->setObjectName(QStringLiteral("count"));

  m_table = new QTableView(this);
  m_table->setModel(m_proxy);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->verticalHeader()->hide();
  // Fixed row heights keep a table of a million rows quick to lay out.
  m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
  m_table->horizontalHeader()->setDefaultSectionSize(
      m_table->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 12);
  // At first the rows stand in the file's order; a click on a header sorts.
  m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  m_table->setSortingEnabled(true);

  m_plot = new FocusResultsPlot(*m_results, this);

  auto* left = new QWidget(this);
  auto* filterRow = new QHBoxLayout;
  filterRow->addWidget(m_filter, 1);
  filterRow->addWidget(m_count);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addLayout(filterRow);
  leftLayout->addWidget(m_table, 1);
  auto* splitter = new QSplitter(this);
  splitter->addWidget(left);
  splitter->addWidget(m_plot);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  setCentralWidget(splitter);
  // Every column in sight at first, the plot beside them.
  const int tableWidth = kFocusResultColumns * m_table->horizontalHeader()->defaultSectionSize() +
                         m_table->verticalScrollBar()->sizeHint().width() +
                         2 * m_table->frameWidth();
  constexpr int kPlotWidth = 560;
  splitter->setSizes({tableWidth, kPlotWidth});
  resize(tableWidth + kPlotWidth + splitter->handleWidth(), 640);

  m_filterDelay = new QTimer(this);
  m_filterDelay->setSingleShot(true);
  m_filterDelay->setInterval(kFilterDelayMs);
  connect(m_filter, &QLineEdit::textChanged, m_filterDelay, qOverload<>(&QTimer::start));
  connect(m_filterDelay, &QTimer::timeout, this, [this] { applyFilterText(m_filter->text()); });
  connect(m_filter, &QLineEdit::returnPressed, this, [this] {
    m_filterDelay->stop();
    applyFilterText(m_filter->text());
  });

  connect(m_table, &QAbstractItemView::activated, this,
          [this](const QModelIndex& index) { activateShownRow(index.row()); });
  connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            m_plot->setSelectedRow(current.isValid() ? m_proxy->sourceRow(current.row()) : -1);
          });
  connect(m_plot, &FocusResultsPlot::rowClicked, this, &FocusResultsWindow::selectSourceRow);

  showCount();
  statusBar()->showMessage(openingNote());
}

QString FocusResultsWindow::openingNote() const {
  const FocusResults& r = *m_results;
  QString note =
      tr("%1 rows from %2")
          .arg(number(static_cast<long long>(r.rows.size())), QFileInfo(m_path).fileName());
  if (r.shape || r.rindex) {
    const std::string_view shape = shapeName(r.lensShape());
    note +=
        tr(", swept as %1").arg(QString::fromLatin1(shape.data(), static_cast<int>(shape.size())));
    if (r.rindex) note += tr(" with index %1").arg(*r.rindex);
  }
  if (r.tables > 1)
    note += tr("; the last of %1 tables, from line %2").arg(r.tables).arg(r.headerLine);
  if (r.otherLines > 0) note += tr("; %1 other trace lines passed over").arg(number(r.otherLines));
  if (r.truncatedLine > 0)
    note += tr("; line %1 was cut short (the table was stopped mid-write) and is passed over")
                .arg(r.truncatedLine);
  return note;
}

void FocusResultsWindow::showCount() {
  m_count->setStyleSheet(QString());
  m_count->setText(tr("%1 of %2 rows shown")
                       .arg(number(m_proxy->rowCount()),
                            number(static_cast<long long>(m_results->rows.size()))));
}

bool FocusResultsWindow::applyFilterText(const QString& text) {
  std::string error;
  std::optional<FocusResultsFilter> filter = parseFocusResultsFilter(text.toStdString(), &error);
  if (!filter) {
    m_count->setStyleSheet(QStringLiteral("color: #b00000"));
    m_count->setText(QString::fromStdString(error));
    return false;
  }
  const int selected = selectedSourceRow();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_proxy->setRowFilter(*filter);
  m_plot->setRowFilter(*filter);
  QApplication::restoreOverrideCursor();
  showCount();
  // The selection stays with its row, or goes when the row is filtered out
  // (rather than passing to a neighbour the user never picked).
  if (selected >= 0 && m_proxy->shownRow(selected) >= 0) {
    selectSourceRow(selected);
  } else if (selected >= 0) {
    m_table->selectionModel()->clear();
    m_plot->setSelectedRow(-1);
  }
  return true;
}

int FocusResultsWindow::selectedSourceRow() const {
  const QModelIndex current = m_table->selectionModel()->currentIndex();
  if (!current.isValid() || !m_table->selectionModel()->isRowSelected(current.row())) return -1;
  return m_proxy->sourceRow(current.row());
}

void FocusResultsWindow::selectSourceRow(int sourceRow) {
  const int shown = m_proxy->shownRow(sourceRow);
  if (shown < 0) return;
  const QModelIndex index = m_proxy->index(shown, 0);
  m_table->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  m_table->scrollTo(index);
}

void FocusResultsWindow::activateShownRow(int shownRow) {
  if (shownRow < 0 || shownRow >= m_proxy->rowCount() || !m_hooks.stepIntoLens) return;
  const int source = m_proxy->sourceRow(shownRow);
  selectSourceRow(source);
  LensStepRequest request{m_results->rows[source], m_results->lensShape(), kInitialIndexRatio};
  if (m_results->rindex)
    request.indexRatio = ratioFromRindex(*m_results->rindex);
  else if (m_hooks.indexRatioInForce)
    request.indexRatio = m_hooks.indexRatioInForce();
  const LensStepOutcome outcome = m_hooks.stepIntoLens(request);
  const QString description = describeStep(request, outcome);
  statusBar()->showMessage(description);
  emit lensStepped(description, outcome.matches);
}

FocusResultsWindow* openFocusResultsWindow(QWidget* owner, const std::string& path,
                                           const FocusResultsHooks& hooks,
                                           FocusResultsReadOptions options) {
  auto results = std::make_shared<FocusResults>();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::optional<FocusResultsError> error = readFocusResults(path, *results, options);
  QApplication::restoreOverrideCursor();
  if (error) {
    const std::string text =
        FocusResultsWindow::tr("\"%1\" is not a focus table that can be shown:\n%2")
            .arg(QString::fromStdString(path), QString::fromStdString(error->message()))
            .toStdString();
    dbgPrint("Focus Results: %s: %s", path.c_str(), error->message().c_str());
    messageBox(owner, MB_ICON_ERROR, text.c_str(), kMessageBoxCaption);
    return nullptr;
  }
  auto* window =
      new FocusResultsWindow(std::move(results), QString::fromStdString(path), hooks, owner);
  // Where the last Results window was left; the window system's choice at first.
  showAtRememberedPlace(window, kPlaceFocusResults, [window] { window->show(); });
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace kelvane
