// `kelvane-cli script FILE`: runs a script without a display and prints
// one line for every retrace it causes, then the state it leaves behind.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "script/headless_host.h"
#include "script/script_runner.h"

namespace kelvane::cli {

namespace {

struct ScriptArgs {
  std::string path;
  bool noDelay = false;
  int maxRefreshes = 0;  // 0: no limit
};

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

std::string describeState(const HeadlessHost& host) {
  char index[32];
  std::snprintf(index, sizeof index, "%.2f", rindexFromRatio(host.indexRatio()));
  const BeamSettings& s = host.settings();
  const std::string width = s.locked() ? "width locked at " + number(s.lockedWidth)
                                       : "width fill " + number(s.fill * 100) + "%";
  return "lens " + describeLens(host.lens()) + "; rindex " + index + "; " + width + "; canvass " +
         std::to_string(host.xmax()) + "," + std::to_string(host.ymax()) + "; window " +
         std::to_string(host.viewLeft()) + "," + std::to_string(host.viewTop()) + "," +
         std::to_string(host.viewWidth()) + "," + std::to_string(host.viewHeight());
}

int runScript(const ScriptArgs& args) {
  if (std::FILE* probe = std::fopen(args.path.c_str(), "r")) {
    std::fclose(probe);
  } else {
    std::fprintf(stderr, "kelvane-cli script: cannot open %s: %s\n", args.path.c_str(),
                 std::strerror(errno));
    return 1;
  }
  HeadlessHost host;
  ScriptRunner runner(host);
  runner.setDelaysEnabled(!args.noDelay);
  bool limitReached = false;
  // Both callbacks run on the runner's thread; the main thread only reads
  // the host once the runner is no longer busy.
  host.onRefresh = [&](const HeadlessHost& h) {
    std::printf("refresh %d: lens %s rindex %.2f %s\n", h.refreshCount(),
                describeLens(h.lens()).c_str(), rindexFromRatio(h.indexRatio()),
                describeResults(h).c_str());
    std::fflush(stdout);
    if (args.maxRefreshes > 0 && h.refreshCount() >= args.maxRefreshes) {
      limitReached = true;
      runner.stopScript();
    }
  };
  host.onNote = [](const std::string& text) {
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
  };
  runner.toggleScript(args.path);
  for (;;) {
    runner.waitFor([](int state, bool busy) { return !busy || state == SCRIPT_PAUSED; });
    if (!runner.busy()) break;
    // Nobody can press "re&Sume" here: go on at once.
    std::printf("pause: resumed at once (no display to resume from)\n");
    std::fflush(stdout);
    runner.toggleScript();
  }
  std::printf("end%s: %d refreshes; %s\n", limitReached ? " (refresh limit reached)" : "",
              host.refreshCount(), describeState(host).c_str());
  return 0;
}

}  // namespace

void addScriptCommand(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<ScriptArgs>();
  CLI::App* cmd = app.add_subcommand(
      "script", "Run a script (.ops or .lens) without a display, printing every retrace.");
  cmd->add_option("FILE", args->path, "the script to run")->required();
  cmd->add_flag("--no-delay", args->noDelay, "skip the waits of \"sleep\" and \"delay\"");
  cmd->add_option("--max-refreshes", args->maxRefreshes,
                  "stop the script after this many retraces (for endless \"repeat\" scripts)")
      ->check(CLI::NonNegativeNumber);
  cmd->callback([args, &exitCode] { exitCode = runScript(*args); });
}

}  // namespace kelvane::cli
