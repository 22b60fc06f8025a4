#include "draw/qt/frame_recorder.h"

#include <QDir>
#include <cctype>
#include <cstdio>

#include "draw/caption.h"

namespace kelvane::draw {

FrameRecorder::FrameRecorder(FrameOptions options) : m_options(std::move(options)) {}

ExportOutcome FrameRecorder::check() const {
  if (m_options.framesDir.empty() && m_options.gifPath.empty())
    return {kExportBadInput, "nothing to write: give a frames folder or a GIF"};
  if (!m_options.gifPath.empty()) {
    const std::string& p = m_options.gifPath;
    std::string ext = p.size() >= 4 ? p.substr(p.size() - 4) : "";
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext != ".gif") return {kExportBadInput, "the animation \"" + p + "\" must end in .gif"};
  }
  PictureRequest probe;
  probe.viewWidth = m_options.viewWidth;
  probe.viewHeight = m_options.viewHeight;
  probe.pngDpi = m_options.dpi;
  return checkPictureRequest("frame.png", probe);
}

int FrameRecorder::elapsedMs() const {
  return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now() - m_pendingSince)
                              .count());
}

ExportOutcome FrameRecorder::flushPending(int shownMs) {
  if (m_pending.isNull() || !m_gif) return {};
  if (!m_gif->addFrame(m_pending, shownMs)) return {kExportWriteFailed, m_gif->error()};
  return {};
}

ExportOutcome FrameRecorder::retraced(const LensModel& model, std::optional<int> previousShownMs) {
  if (!m_pending.isNull()) {
    if (ExportOutcome out = flushPending(previousShownMs.value_or(elapsedMs())); !out.ok())
      return out;
  }
  LensModel multi;  // the frame's own multi-beam trace, when forced
  if (m_options.forceMulti && model.beamMode() != kMultiBeamMode) {
    multi.setState(model.state());
    multi.setRayEnd(model.settings().rayEndX);
    multi.setBeamMode(kMultiBeamMode);
    multi.retrace();
  }
  PictureRequest request;
  request.drawing = pictureOf(multi.hasBuffer() ? multi : model);
  request.options.legend = m_options.legend;
  request.options.style = m_options.style;
  if (m_options.caption) request.options.caption = captionFacts(model);
  request.viewWidth = m_options.viewWidth;
  request.viewHeight = m_options.viewHeight;
  request.pngDpi = m_options.dpi;
  const QImage frame = pictureImage(request);
  if (frame.isNull()) return {kExportWriteFailed, "no memory for a frame"};
  ++m_frames;

  if (!m_options.framesDir.empty()) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%04d.png", m_frames);
    const std::string path =
        QDir(QString::fromStdString(m_options.framesDir)).filePath(name).toStdString();
    if (ExportOutcome out = exportPicture(path, request); !out.ok()) return out;
  }
  if (!m_options.gifPath.empty()) {
    if (!m_gif) {
      m_gif = std::make_unique<GifAnimation>();
      if (!m_gif->open(m_options.gifPath, frame.width(), frame.height()))
        return {kExportWriteFailed, m_gif->error()};
    }
    m_pending = frame;
    m_pendingSince = std::chrono::steady_clock::now();
  }
  return {};
}

ExportOutcome FrameRecorder::finish(std::optional<int> lastShownMs) {
  if (!m_gif) return {};
  if (ExportOutcome out = flushPending(lastShownMs.value_or(elapsedMs())); !out.ok()) return out;
  m_pending = QImage();
  if (!m_gif->finish()) return {kExportWriteFailed, m_gif->error()};
  m_gif.reset();
  return {};
}

}  // namespace kelvane::draw
