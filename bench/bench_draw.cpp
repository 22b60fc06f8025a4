// The lens picture as a display list: building it, replaying it on an
// 860 x 720 image as the screen does, and writing a 192 dpi PNG with its
// caption as "E&xport…" and kelvane-cli draw do.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <vector>

#include "draw/caption.h"
#include "draw/lens_picture.h"
#include "draw/qt/painter_replay.h"
#include "draw/qt/picture_export.h"
#include "optics/focus.h"

namespace kelvane::draw {
namespace {

struct Traced {
  TracerContext ctx;
  std::vector<TracePoint> buffer;
  LensDrawing drawing;
  explicit Traced(int mode) {
    BeamSettings settings = kInitialCurrentSettings;
    buffer.assign(mode == 1 ? MULTI_BEAM_POINTS : SINGLE_BEAM_POINTS, TracePoint{0, 0});
    settings.pointsMode = mode == 1 ? 1 : 3;
    settings.traceBuffer = buffer.data();
    settings.rayEndX = kDefaultViewWidth;
    if (mode == 1)
      findFoci(ctx, kInitialLens, settings);
    else
      findFocus(ctx, kInitialLens, settings);
    drawing = {kInitialLens, mode, &ctx.results, buffer.data(), static_cast<int>(buffer.size())};
  }
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
  request.options.caption = captionFacts(kInitialLens, kInitialCurrentSettings, t.ctx.indexRatio);
  const std::string path = QDir::temp().filePath(QStringLiteral("kelvane-bench.png")).toStdString();
  for (auto _ : state) {
    if (!exportPicture(path, request).ok()) state.SkipWithError("export failed");
  }
  QFile::remove(QString::fromStdString(path));
}
BENCHMARK(BM_ExportPng192)->Unit(benchmark::kMillisecond);

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
