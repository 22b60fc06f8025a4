// The Aberration window: the longitudinal spherical aberration curve of the
// current lens - where each traced beam's exit ray crosses the axis, against
// the beam's height - with the mean focus as a vertical line, focusMin and
// focusMax marked, and the crossings of the rays inside the glass as a
// second series. It follows every retrace of the lens (a slider drag, a
// script), reading the points from the tracer's own records.
//
// Everything here runs on the user-interface thread.
#pragma once

#include <QWidget>
#include <QtGlobal>
#include <functional>
#include <vector>

#include "optics/aberration.h"

class QChart;
class QCheckBox;
class QLabel;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace kelvane {

inline constexpr char kAberrationCaption[] = QT_TRANSLATE_NOOP("kelvane", "Aberration");

// Series names in the legend.
inline constexpr char kExitSeriesName[] = QT_TRANSLATE_NOOP("kelvane", "Exit rays");
inline constexpr char kInnerSeriesName[] = QT_TRANSLATE_NOOP("kelvane", "Rays inside the glass");
// Axis titles with their units: lens units, 100 an inch.
inline constexpr char kCrossingAxisTitle[] =
    QT_TRANSLATE_NOOP("kelvane", "Axis crossing x (units, 100 = 1 inch)");
inline constexpr char kHeightAxisTitle[] = QT_TRANSLATE_NOOP("kelvane", "Beam height (units)");

class AberrationWnd : public QWidget {
  Q_OBJECT
 public:
  // A top-level window owned by `owner` (the lens view); deleted on close.
  explicit AberrationWnd(QWidget* owner);

  // Reads the last trace again and redraws the curve.
  void refresh();

  // The curve on show.
  const AberrationCurve& curve() const { return m_curve; }
  QChartView* chartView() const { return m_view; }
  QScatterSeries* exitPoints() const { return m_exitPoints; }
  QScatterSeries* innerPoints() const { return m_innerPoints; }
  // White light: one exit-ray curve per traced wavelength, blue to red;
  // hidden otherwise.
  const std::vector<QLineSeries*>& colourCurves() const { return m_colourCurves; }
  // Vertical lines at the focus, focusMin and focusMax; empty without a focus.
  QLineSeries* focusLine() const { return m_focus; }
  QLineSeries* focusMinLine() const { return m_focusMin; }
  QLineSeries* focusMaxLine() const { return m_focusMax; }
  // The figures under the plot.
  QLabel* numbers() const { return m_numbers; }
  QValueAxis* crossingAxis() const { return m_axisX; }
  QValueAxis* heightAxis() const { return m_axisY; }
  // "Fixed axes" (on at first): the axes grow but never shrink until the
  // lens is replaced as a whole (resetAxes).
  QCheckBox* fixedAxes() const { return m_fixedAxes; }
  // Fits the axes to the curve afresh.
  void resetAxes();

  // Places the window now and once more when its frame is known.
  void placeOnceFramed(std::function<void(AberrationWnd*)> place);

 protected:
  bool event(QEvent* event) override;

 private:
  // The curve of the model's single-beam trace (in multi-beam mode the one
  // it keeps beside the fans, which hold no crossings).
  AberrationCurve currentCurve();
  void showRanges();
  // The curves of white light's wavelengths; false (all hidden) when the
  // model traces no white light in single-beam mode.
  bool showColourCurves();

  QChart* m_chart;
  QChartView* m_view;
  QLineSeries* m_exitLine;
  QScatterSeries* m_exitPoints;
  QLineSeries* m_innerLine;
  QScatterSeries* m_innerPoints;
  QLineSeries* m_focus;
  QLineSeries* m_focusMin;
  QLineSeries* m_focusMax;
  std::vector<QLineSeries*> m_colourCurves;
  QValueAxis* m_axisX;
  QValueAxis* m_axisY;
  QLabel* m_numbers;  // focus, focusMin, focusMax and dev in figures
  QCheckBox* m_fixedAxes;
  bool m_axesFresh = true;  // the next fit starts from the curve alone
  AberrationCurve m_curve;
  std::function<void(AberrationWnd*)> m_place;  // until the frame is known
};

// Opens the Aberration window beside the lens view, or raises the open one.
AberrationWnd* openAberrationWindow(QWidget* view);

// The open Aberration window, or null.
AberrationWnd* aberrationWindow();

}  // namespace kelvane
