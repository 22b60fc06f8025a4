// One slider step of the Lens Control dialog as the user feels it: the
// trackbar moves, the lens is retraced and the results are shown, and the
// whole 860 x 720 lens view is repainted (here into an image).
// Target: under 2 ms per step, in either beam mode, and with an object
// before the lens (its two fans of rays traced and drawn as well), and in
// white light through N-BK7 (seven wavelengths traced and drawn besides).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSlider>

#include "lensui/lens_control.h"
#include "lensui/lens_paint.h"
#include "lensui/lens_session.h"
#include "lensui/lens_wnd.h"
#include "tests/temporary_config_home.h"

namespace kelvane {
namespace {

constexpr int kViewWidth = 860;
constexpr int kViewHeight = 720;

void sliderStep(benchmark::State& state, int mode, const LightSource& source = {},
                const ColourState& colour = {}) {
  LensWnd* view = openLensView(nullptr, mode);
  lensSession().model.setSource(source);
  lensSession().model.setColour(colour);
  QSlider* slider = lensSession().control->controlAs<QSlider>(IDC_ROW_FIRST + 2);  // ingress X
  QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
  int direction = 1;
  for (auto _ : state) {
    // Back and forth between 219 and 220, so every step changes the lens.
    slider->triggerAction(direction > 0 ? QAbstractSlider::SliderSingleStepAdd
                                        : QAbstractSlider::SliderSingleStepSub);
    direction = -direction;
    image.fill(Qt::white);
    QPainter painter(&image);
    paintLens(painter, kViewWidth, kViewHeight);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  delete view;
}

void BM_SliderStepSingleBeam(benchmark::State& state) { sliderStep(state, kSingleBeamMode); }
void BM_SliderStepMultiBeam(benchmark::State& state) { sliderStep(state, kMultiBeamMode); }
BENCHMARK(BM_SliderStepSingleBeam)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderStepMultiBeam)->Unit(benchmark::kMicrosecond);
void BM_SliderStepObjectSource(benchmark::State& state) {
  sliderStep(state, kSingleBeamMode, LightSource{SourceKind::Object, 600, 80});
}
BENCHMARK(BM_SliderStepObjectSource)->Unit(benchmark::kMicrosecond);
void BM_SliderStepWhiteLight(benchmark::State& state) {
  ColourState white;
  white.glass = "N-BK7";
  white.white = true;
  sliderStep(state, kSingleBeamMode, {}, white);
}
BENCHMARK(BM_SliderStepWhiteLight)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvane

int main(int argc, char** argv) {
  // The dialog needs a window system; the offscreen one serves without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The windows' places go to a folder of the run's own, not the user's settings.
  kelvane::test::useTemporaryConfigHome();
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
