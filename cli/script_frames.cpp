#include "cli/script_frames.h"

#include <cstdio>

#include "cli/drawing.h"
#include "draw/qt/frame_recorder.h"
#include "script/headless_host.h"

namespace kelvane::cli {

namespace {

constexpr char kPrefix[] = "kelvane-cli script: ";

class RecordedFrames : public ScriptFrames {
 public:
  explicit RecordedFrames(const draw::FrameOptions& options) : m_recorder(options) {}

  draw::ExportOutcome check() const { return m_recorder.check(); }

  bool retraced(const HeadlessHost& host) override {
    if (!m_failure.ok()) return false;
    m_failure =
        m_recorder.retraced(host.model());
    return m_failure.ok();
  }

  int finish(const HeadlessHost& host) override {
    // A run without a retrace still shows its lens: the one it started from.
    if (m_failure.ok() && m_recorder.frames() == 0) retraced(host);
    if (m_failure.ok()) m_failure = m_recorder.finish();
    if (m_failure.ok()) return 0;
    std::fprintf(stderr, "%s%s\n", kPrefix, m_failure.message.c_str());
    return m_failure.code;
  }

 private:
  OffscreenQt m_qt;  // drawing needs it; made first, gone last
  draw::FrameRecorder m_recorder;
  draw::ExportOutcome m_failure;
};

}  // namespace

void addScriptFrameOptions(CLI::App& cmd, ScriptFrameArgs& args) {
  cmd.add_option("--frames", args.framesDir,
                 "write one PNG per retrace into this folder (frame-0001.png, ...)");
  cmd.add_option("--gif", args.gifPath,
                 "write an animated GIF, one frame per retrace, each shown for the wait after it");
  addPixelSize(cmd, "--size", args.size, "the view's size in pixels at 96 dpi (default 860x720)");
  addWhole(cmd, "--dpi", args.dpi, kPictureDpi,
           "resolution of the frames (default 96: the view's pixels)");
  cmd.add_flag("--multi", args.multi, "draw every frame multi-beam");
  cmd.add_flag("--no-caption", args.noCaption, "no caption line under the frames");
}

std::unique_ptr<ScriptFrames> startScriptFrames(const ScriptFrameArgs& args, int& exitCode) {
  draw::FrameOptions options;
  options.framesDir = args.framesDir;
  options.gifPath = args.gifPath;
  options.dpi = args.dpi;
  options.forceMulti = args.multi;
  options.caption = !args.noCaption;
  options.viewWidth = args.size.width;
  options.viewHeight = args.size.height;
  auto frames = std::make_unique<RecordedFrames>(options);
  if (const draw::ExportOutcome bad = frames->check(); !bad.ok()) {
    std::fprintf(stderr, "%s%s\n", kPrefix, bad.message.c_str());
    exitCode = bad.code;
    return nullptr;
  }
  return frames;
}

}  // namespace kelvane::cli
