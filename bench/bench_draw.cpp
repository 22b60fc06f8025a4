// The lens picture as a display list: building it, replaying it on an
// 860 x 720 image as the screen does, and writing a 192 dpi PNG with its
// caption as "E&xport…" and kelvane-cli draw do; and the animated GIF of
// a script (examples/meniscus_to_biconvex.ops, 25 retraces, 860 x 720);
// one slider step in white light (retrace of seven wavelengths and the
// display list, single-beam).
// Targets: that GIF in under 3 s; the white-light step under 2 ms.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <vector>

#include "draw/caption.h"
#include "draw/lens_picture.h"
#include "draw/qt/frame_recorder.h"
#include "draw/qt/painter_replay.h"
#include "draw/qt/picture_export.h"
#include "model/lens_model.h"
#include "optics/focus.h"
#include "script/headless_host.h"
#include "script/script_runner.h"
#include "tests/draw/traced_picture.h"

namespace kelvane::draw {
namespace {

// The start-up lens in the given mode, rays drawn across the default view.
struct Traced : test::TracedPicture {
  explicit Traced(int mode) : TracedPicture(kInitialLens, mode, kDefaultViewWidth) {}
};

void BM_BuildList(benchmark::State& state) {
  const Traced t(static_cast<int>(state.range(0)));
  PictureOptions options;
  options.legend = true;
  for (auto _ : state) {
    DisplayList list = lensPicture(t.drawing, 860, 720, 96, 96, options);
    benchmark::DoNotOptimize(list.items.data());
  }
}
BENCHMARK(BM_BuildList)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_WhiteLightSliderStep(benchmark::State& state) {
  LensModel model;
  model.setBeamMode(kSingleBeamMode);
  ColourState white;
  white.glass = "N-BK7";
  white.white = true;
  model.setColour(white);
  PictureOptions options;
  options.legend = true;
  Lens lens = model.lens();
  int direction = 1;
  for (auto _ : state) {
    lens.ivx += direction;  // back and forth, so every step changes the lens
    direction = -direction;
    model.setLens(lens);
    model.retrace();
    DisplayList list = lensPicture(pictureOf(model), 860, 720, 96, 96, options);
    benchmark::DoNotOptimize(list.items.data());
  }
}
BENCHMARK(BM_WhiteLightSliderStep)->Unit(benchmark::kMicrosecond);

void BM_ReplayOnScreenImage(benchmark::State& state) {
  const Traced t(static_cast<int>(state.range(0)));
  PictureOptions options;
  options.legend = true;
  QImage image(860, 720, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    replay(painter, lensPicture(t.drawing, 860, 720, 96, 96, options));
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_ReplayOnScreenImage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ExportPng192(benchmark::State& state) {
  const Traced t(0);
  PictureRequest request;
  request.drawing = t.drawing;
  request.options.legend = true;
  request.options.caption = captionFacts(LensModel());
  const std::string path = QDir::temp().filePath(QStringLiteral("kelvane-bench.png")).toStdString();
  for (auto _ : state) {
    if (!exportPicture(path, request).ok()) state.SkipWithError("export failed");
  }
  QFile::remove(QString::fromStdString(path));
}
BENCHMARK(BM_ExportPng192)->Unit(benchmark::kMillisecond);

// The script runs without its waits; every retrace becomes a frame.
void BM_ScriptGif(benchmark::State& state) {
  const std::string script = KELVANE_EXAMPLES_DIR "/meniscus_to_biconvex.ops";
  const std::string gif = QDir::temp().filePath(QStringLiteral("kelvane-bench.gif")).toStdString();
  int frames = 0;
  for (auto _ : state) {
    FrameOptions options;
    options.gifPath = gif;
    FrameRecorder recorder(options);
    HeadlessHost host;
    ScriptRunner runner(host);
    runner.setDelaysEnabled(false);
    host.onRefresh = [&](const HeadlessHost& h) {
      recorder.retraced(h.model(), 100);
    };
    runner.toggleScript(script);
    runner.waitFor([](int, bool busy) { return !busy; });
    if (!recorder.finish(100).ok()) state.SkipWithError("GIF not written");
    frames = recorder.frames();
  }
  state.counters["frames"] = frames;
  QFile::remove(QString::fromStdString(gif));
}
BENCHMARK(BM_ScriptGif)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace kelvane::draw

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
