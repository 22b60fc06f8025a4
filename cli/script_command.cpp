// `kelvane-cli script FILE`: runs a script without a display and prints
// the lens it starts from, one line for every retrace it causes, then the
// state it leaves behind. Lines it cannot read whole are warned about on
// standard error; --check only warns.
#include <pthread.h>

#include <atomic>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "cli/colour_options.h"
#include "cli/commands.h"
#include "cli/source_option.h"
#include "cli/typed_options.h"
#include "fileio/regular_file.h"
#ifdef KELVANE_CLI_DRAW
#include "cli/script_frames.h"
#endif
#include "model/source_text.h"
#include "script/headless_host.h"
#include "script/script_check.h"
#include "script/script_runner.h"

namespace kelvane::cli {

namespace {

constexpr const char* kScriptColourHelp = R"(The colour options set the view's colour
before the first line; the script lines "glass NAME" (a name or a title, such as
"glass fused silica"; "glass custom" is the rindex index), "medium air|water" and
"wavelength NM|white" change it for the lines after them. Each traced line then
ends with the glass, medium and light, and with white light the lca, focus(C) -
focus(F).
)";

struct ScriptArgs {
  std::string path;
  bool noDelay = false;
  bool check = false;
  int maxRefreshes = 0;               // 0: no limit
  long long maxSteps = 0;             // 0: no limit
  std::optional<LightSource> source;  // the view opens with it
  ColourArgs colour;                  // and with this glass, medium and light
#ifdef KELVANE_CLI_DRAW
  ScriptFrameArgs frames;
#endif
};

// The shell's code for a program ended by Ctrl-C (128 + SIGINT).
constexpr int kInterruptedExit = 130;

// Up to six significant digits: whole numbers stay whole, fades show their
// fractions.
std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", v);
  return text;
}

std::string describeLens(const Lens& l) {
  return number(l.ivx) + "," + number(l.ivy) + "," + number(l.evx) + "," + number(l.evy) + "," +
         number(l.depth) + " " + std::string(shapeName(l.shape));
}

std::string describeResults(const HeadlessHost& host) {
  const TraceResults& r = host.results();
  char text[160];
  if (host.beamMode() != 0) {
    std::snprintf(text, sizeof text, "multibeam width %.2f fans %d,%d,%d,%d,%d", r.width,
                  r.fanCounts[0], r.fanCounts[1], r.fanCounts[2], r.fanCounts[3], r.fanCounts[4]);
  } else if (r.focus != 0 && r.focus == r.focus) {
    std::snprintf(text, sizeof text, "beam width %.2f focus %.2f dev %.2f devpcnt %.2f", r.width,
                  r.focus, r.dev, r.devpcnt);
  } else {
    std::snprintf(text, sizeof text, "beam width %.2f focus -- dev -- devpcnt --", r.width);
  }
  return text;
}

// The colour, when it is not the default: the glass, medium and light, and
// for white light the longitudinal chromatic aberration.
std::string describeColour(const HeadlessHost& h) {
  const ColourState& c = h.model().colour();
  if (c.isDefault()) return "";
  std::string text = "; " + colourText(c);
  if (!c.white) return text;
  const double lca = h.model().longitudinalChromaticAberration();
  char value[32];
  std::snprintf(value, sizeof value, "%.2f", lca);
  return text + " lca " + (std::isnan(lca) ? "--" : value);
}

std::string describeState(const HeadlessHost& host) {
  char index[32];
  std::snprintf(index, sizeof index, "%.2f", rindexFromRatio(host.indexRatio()));
  const BeamSettings& s = host.settings();
  const std::string width = s.locked() ? "width locked at " + number(s.lockedWidth)
                                       : "width fill " + number(s.fill * 100) + "%";
  return "lens " + describeLens(host.lens()) + "; rindex " + index + "; " + width + "; canvass " +
         std::to_string(host.xmax()) + "," + std::to_string(host.ymax()) + "; window " +
         std::to_string(host.viewLeft()) + "," + std::to_string(host.viewTop()) + "," +
         std::to_string(host.viewWidth()) + "," + std::to_string(host.viewHeight()) +
         describeColour(host);
}

// A point or object source: where its traced image lies, and how large.
std::string describeImage(const HeadlessHost& h) {
  const SourceTrace& t = h.model().sourceTrace();
  if (!t.source.finite()) return "";
  const PointImage& img = t.axis.image;
  std::string text = "; source " + sourceText(t.source) + " image ";
  if (!img.found) return text + "--";
  text += number(img.x) + (img.virtualImage ? " virtual" : " real");
  if (t.hasTip() && t.tip.image.found) text += " magnification " + number(t.magnification());
  return text;
}

std::string describeTrace(const HeadlessHost& h) {
  char text[64];
  std::snprintf(text, sizeof text, " rindex %.2f ", rindexFromRatio(h.indexRatio()));
  return "lens " + describeLens(h.lens()) + text + describeResults(h) + describeImage(h) +
         describeColour(h);
}

// Ctrl-C ends the run at once: SIGINT is blocked in every thread (the
// runner's thread inherits the mask) and taken by a thread of its own,
// which stops the runner; the main thread then reports and leaves.
class InterruptWatch {
 public:
  explicit InterruptWatch(ScriptRunner& runner) {
    sigemptyset(&m_set);
    sigaddset(&m_set, SIGINT);
    pthread_sigmask(SIG_BLOCK, &m_set, &m_oldMask);
    m_thread = std::thread([this, &runner] {
      for (;;) {
        int signal = 0;
        if (sigwait(&m_set, &signal) != 0) continue;
        if (m_done) return;
        m_interrupted = true;
        runner.stopScript();
      }
    });
  }
  ~InterruptWatch() {
    m_done = true;
    pthread_kill(m_thread.native_handle(), SIGINT);
    m_thread.join();
    pthread_sigmask(SIG_SETMASK, &m_oldMask, nullptr);
  }
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  bool interrupted() const { return m_interrupted; }

 private:
  sigset_t m_set{};
  sigset_t m_oldMask{};
  std::atomic<bool> m_done{false};
  std::atomic<bool> m_interrupted{false};
  std::thread m_thread;
};

void printWarning(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

// --check: the warnings alone; exit 1 when there is one.
int checkOnly(const std::string& path) {
  std::string problem;
  const InputFilePtr file = openRegularInput(path, problem);
  if (!file) {
    std::fprintf(stderr, "kelvane-cli script: cannot run %s: %s\n", path.c_str(), problem.c_str());
    return 1;
  }
  const auto warnings = checkScript(file.get());
  for (const ScriptWarning& w : warnings) printWarning(formatScriptWarning(path, w));
  return warnings.empty() ? 0 : 1;
}

int runScript(const ScriptArgs& args, const CLI::App& cmd) {
  const ColourState colour = readColour(cmd, args.colour);
  if (const auto problem = scriptFileProblem(args.path)) {
    std::fprintf(stderr, "kelvane-cli script: cannot run %s: %s\n", args.path.c_str(),
                 problem->c_str());
    return 1;
  }
  if (args.check) return checkOnly(args.path);
#ifdef KELVANE_CLI_DRAW
  std::unique_ptr<ScriptFrames> frames;
  if (args.frames.wanted()) {
    int code = 0;
    frames = startScriptFrames(args.frames, code);
    if (!frames) return code;
  }
#endif
  HeadlessHost host(args.source.value_or(LightSource{}), colour);
  // The lens the view opens with, traced before the first line.
  std::printf("start: %s\n", describeTrace(host).c_str());
  std::fflush(stdout);
  ScriptRunner runner(host);
  runner.setDelaysEnabled(!args.noDelay);
  runner.setMaxSteps(args.maxSteps);
  runner.setWarningSink([](const std::string& text) {
    std::fflush(stdout);
    printWarning(text);
  });
  bool limitReached = false;
  // Both callbacks run on the runner's thread; the main thread only reads
  // the host once the runner is no longer busy.
  host.onRefresh = [&](const HeadlessHost& h) {
    std::printf("refresh %d: %s\n", h.refreshCount(), describeTrace(h).c_str());
    std::fflush(stdout);
#ifdef KELVANE_CLI_DRAW
    if (frames && !frames->retraced(h)) runner.stopScript();  // its pictures are lost anyway
#endif
    if (args.maxRefreshes > 0 && h.refreshCount() >= args.maxRefreshes) {
      limitReached = true;
      runner.stopScript();
    }
  };
  host.onNote = [](const std::string& text) {
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
  };
  InterruptWatch interrupt(runner);
  runner.toggleScript(args.path);
  for (;;) {
    runner.waitFor([](int state, bool busy) { return !busy || state == SCRIPT_PAUSED; });
    if (!runner.busy()) break;
    if (interrupt.interrupted() || runner.scriptRunState() != SCRIPT_PAUSED) continue;
    // Nobody can press "re&Sume" here: go on at once.
    std::printf("pause: resumed at once (no display to resume from)\n");
    std::fflush(stdout);
    runner.toggleScript();
  }
  const char* why = interrupt.interrupted()     ? " (interrupted)"
                    : limitReached              ? " (refresh limit reached)"
                    : runner.stepLimitReached() ? " (step limit reached)"
                                                : "";
  std::printf("end%s: %d refreshes; %s\n", why, host.refreshCount(), describeState(host).c_str());
  std::fflush(stdout);
#ifdef KELVANE_CLI_DRAW
  if (frames) {
    if (const int code = frames->finish(host); code != 0) return code;
  }
#endif
  return interrupt.interrupted() ? kInterruptedExit : 0;
}

}  // namespace

void addScriptCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<ScriptArgs>();
  CLI::App* cmd = app.add_subcommand(
      "script", "Run a script (.ops or .lens) without a display, printing every retrace.");
  cmd->add_option("FILE", args->path, "the script to run")->required();
  cmd->add_flag("--check", args->check,
                "only list the lines that cannot be read whole (FILE:LINE: what is wrong); "
                "exit 1 when there is one");
  cmd->add_flag("--no-delay", args->noDelay, "skip the waits of \"sleep\" and \"delay\"");
  addSourceOption(*cmd, args->source);
  addColourOptions(*cmd, args->colour, nullptr);
  cmd->footer(std::string(kColourOptionsHelp).substr(1) + kScriptColourHelp);
  addWhole(*cmd, "--max-refreshes", args->maxRefreshes, {},
           "stop the script after this many retraces (for endless \"repeat\" scripts)");
  addWhole(*cmd, "--max-steps", args->maxSteps, {},
           "stop the script after this many executed lines (for a \"repeat\" that never "
           "retraces)");
#ifdef KELVANE_CLI_DRAW
  addScriptFrameOptions(*cmd, args->frames);
#endif
  cmd->callback([args, cmd, &exitCode] { exitCode = runScript(*args, *cmd); });
}

}  // namespace kelvane::cli
