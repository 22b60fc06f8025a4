// The Focus Results window "Focus Results — NAME": the rows of a focus table
// in a sortable table with a filter line and a count of the shown rows, and
// a scatter plot of the shown rows beside it. Selecting a row marks its
// point and clicking a point selects its row. Activating a row (double-click
// or Enter) steps into its lens through the hooks the program wires.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "app/results/step_into_lens.h"
#include "calc/focus_results.h"

class QLabel;
class QLineEdit;
class QTableView;
class QTimer;

namespace kelvane {

class FocusResultsModel;
class FocusResultsProxy;
class FocusResultsPlot;

// What the window needs from the rest of the program to step into a lens.
struct FocusResultsHooks {
  std::function<LensStepOutcome(const LensStepRequest&)> stepIntoLens;
  std::function<double()> indexRatioInForce;  // for tables without a comment line
};

inline constexpr char kFocusResultsCaption[] = QT_TRANSLATE_NOOP("kelvane", "Focus Results");

class FocusResultsWindow : public QMainWindow {
  Q_OBJECT
 public:
  // A top-level window owned by `owner`, deleted when closed.
  FocusResultsWindow(std::shared_ptr<const FocusResults> results, const QString& path,
                     FocusResultsHooks hooks, QWidget* owner);

  // Applies a filter line at once; false (and the mistake shown beside the
  // count) when it cannot be read, the rows shown staying as they were.
  bool applyFilterText(const QString& text);
  // What double-click and Enter do to a shown row.
  void activateShownRow(int shownRow);
  // The selected row of the table (source numbering), -1 for none.
  int selectedSourceRow() const;
  void selectSourceRow(int sourceRow);

  const QString& path() const { return m_path; }
  const FocusResults& results() const { return *m_results; }
  QLineEdit* filterEdit() const { return m_filter; }
  QLabel* countLabel() const { return m_count; }
  QTableView* table() const { return m_table; }
  FocusResultsProxy* proxy() const { return m_proxy; }
  FocusResultsPlot* plot() const { return m_plot; }

 signals:
  // A row was stepped into; the status line it left.
  void lensStepped(const QString& description, bool matches);

 private:
  void showCount();
  QString openingNote() const;

  std::shared_ptr<const FocusResults> m_results;
  QString m_path;
  FocusResultsHooks m_hooks;
  FocusResultsModel* m_model;
  FocusResultsProxy* m_proxy;
  QLineEdit* m_filter;
  QLabel* m_count;
  QTableView* m_table;
  FocusResultsPlot* m_plot;
  QTimer* m_filterDelay;
};

// Reads `path` and opens its window, owned by `owner`. A file that is no
// focus table opens nothing: a message box names the line and why, and the
// result is null.
FocusResultsWindow* openFocusResultsWindow(QWidget* owner, const std::string& path,
                                           const FocusResultsHooks& hooks,
                                           FocusResultsReadOptions options = {});

}  // namespace kelvane
