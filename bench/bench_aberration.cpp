// One slider step of the Lens Control dialog with the Aberration window
// open: the trackbar moves, the lens is retraced, the plot takes the new
// crossings and repaints itself (its window's real repaint, done by the
// posted events), and the 860 x 720 lens view is repainted into an image as
// in bench_lens_view. The view and the dialog are hidden, so that the posted
// events repaint the plot alone and the lens is painted once.
// Target: under 2 ms per step, in either beam mode.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSlider>

#include "lensui/aberration_wnd.h"
#include "lensui/lens_control.h"
#include "lensui/lens_paint.h"
#include "lensui/lens_session.h"
#include "lensui/lens_wnd.h"

namespace kelvane {
namespace {

constexpr int kViewWidth = 860;
constexpr int kViewHeight = 720;

void sliderStepWithPlot(benchmark::State& state, int mode) {
  LensWnd* view = openLensView(nullptr, mode);
  AberrationWnd* plot = openAberrationWindow(view);
  QSlider* slider = lensSession().control->controlAs<QSlider>(IDC_ROW_FIRST + 2);  // ingress X
  QImage lensImage(kViewWidth, kViewHeight, QImage::Format_RGB32);
  lensSession().control->hide();
  view->hide();
  QCoreApplication::processEvents();
  if (!plot->isVisible()) state.SkipWithError("the plot is not on show");
  int direction = 1;
  for (auto _ : state) {
    // Back and forth between 219 and 220, so every step changes the lens.
    slider->triggerAction(direction > 0 ? QAbstractSlider::SliderSingleStepAdd
                                        : QAbstractSlider::SliderSingleStepSub);
    direction = -direction;
    QCoreApplication::sendPostedEvents();
    lensImage.fill(Qt::white);
    QPainter lensPainter(&lensImage);
    paintLens(lensPainter, kViewWidth, kViewHeight);
    lensPainter.end();
    benchmark::DoNotOptimize(lensImage.constBits());
  }
  delete view;
}

void BM_SliderStepWithPlotSingleBeam(benchmark::State& state) {
  sliderStepWithPlot(state, kSingleBeamMode);
}
void BM_SliderStepWithPlotMultiBeam(benchmark::State& state) {
  sliderStepWithPlot(state, kMultiBeamMode);
}
BENCHMARK(BM_SliderStepWithPlotSingleBeam)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderStepWithPlotMultiBeam)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvane

int main(int argc, char** argv) {
  // The windows need a window system; the offscreen one serves without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
