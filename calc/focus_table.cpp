#include "calc/focus_table.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "calc/calc_state.h"
#include "calc/focus_thinning.h"
#include "calc/fp_state.h"
#include "calc/ordered_groups.h"
#include "optics/focus.h"
#include "trace/dbgprint.h"

namespace kelvane {

namespace {

constexpr double kFirstSemiAxis = 150.0;  // ivy, evx start here
constexpr double kLastSemiAxis = 350.0;   // evx, evy end here
constexpr double kSharpFocusPercent = 0.01;  // a good lens deviates less than this

// Progress weight of one (depth, ivx, ivy) group: the lenses a group takes
// fall about linearly with the depth, from some 150 at depth 30 to some 20
// at depth 180.
long long progressWeight(double depth) { return depth < 206 ? static_cast<long long>(207 - depth) : 1; }

// A lens whose row may be written: what its row needs.
struct GoodLens {
  double focus;
  double width;
  double evx;
  double evy;
  double dev;
  double devpcnt;
};

// The good lenses of one (depth, ivx, ivy) group, in sweep order.
struct TableGroup {
  double depth = 0;
  double ivx = 0;
  double ivy = 0;
  std::vector<GoodLens> good;
};

// The (ivx, ivy) pairs of one depth in sweep order: ivx outer, ivy from 150
// up to ivx. Group g of a slice is depth firstDepth + g / size, pair g % size.
struct IngressPair {
  double ivx;
  double ivy;
};

std::vector<IngressPair> ingressPairs(int firstIvx, int lastIvx) {
  std::vector<IngressPair> pairs;
  for (double ivx = firstIvx; ivx <= lastIvx; ivx += 1.0)
    for (double ivy = kFirstSemiAxis; ivy <= ivx; ivy += 1.0) pairs.push_back({ivx, ivy});
  return pairs;
}

// Evaluates one group on the calling thread, with a tracer context of its own.
class GroupEvaluator {
 public:
  GroupEvaluator(double indexRatio, int firstDepth, const std::vector<IngressPair>& pairs,
                 SweepProgress* progress)
      : m_firstDepth(firstDepth), m_pairs(&pairs), m_progress(progress) {
    m_ctx.indexRatio = indexRatio;
  }

  // Each thread's copy starts with a fresh tracer context.
  GroupEvaluator(const GroupEvaluator& other)
      : m_settings(other.m_settings),
        m_firstDepth(other.m_firstDepth),
        m_pairs(other.m_pairs),
        m_progress(other.m_progress) {
    m_ctx.indexRatio = other.m_ctx.indexRatio;
  }

  GroupEnd operator()(long g, unsigned startFlags, TableGroup& out) {
    const long perDepth = static_cast<long>(m_pairs->size());
    const IngressPair& pair = (*m_pairs)[static_cast<std::size_t>(g % perDepth)];
    out.good.clear();
    out.depth = m_firstDepth + static_cast<double>(g / perDepth);
    out.ivx = pair.ivx;
    out.ivy = pair.ivy;
    setFpErrorFlags(startFlags);
    long long lenses = 0;
    const bool complete = sweepGroup(out, lenses);
    GroupEnd end{complete, fpErrorFlags()};
    if (m_progress) m_progress->lensesEvaluated.fetch_add(lenses, std::memory_order_relaxed);
    return end;
  }

 private:
  // The evx and evy loops of one (depth, ivx, ivy). False when a kill
  // stopped it.
  bool sweepGroup(TableGroup& out, long long& lenses) {
    Lens lens{out.ivx, out.ivy, 0.0, 0.0, out.depth, 0};
    const TraceResults& res = m_ctx.results;
    bool found = true;  // set before the first evx of each ivy
    for (double evx = kFirstSemiAxis; evx <= kLastSemiAxis; evx += 1.0) {
      if (!found) break;  // the previous evx found no good lens
      found = false;
      lens.evx = evx;
      for (double evy = std::max(out.ivy, evx); evy <= kLastSemiAxis; evy += 1.0) {
        if (calcState.load(std::memory_order_relaxed) != CALC_RUNNING) return false;
        lens.evy = evy;
        ++lenses;
        const double focus = findFocus(m_ctx, lens, m_settings);
        if (focus <= 0) continue;
        if (res.center > out.ivx) break;  // the rim lies beyond the ingress face
        if (res.devpcnt >= kSharpFocusPercent) continue;
        found = true;
        out.good.push_back({focus, res.width, evx, evy, res.dev, res.devpcnt});
      }
    }
    return true;
  }

  TracerContext m_ctx;
  BeamSettings m_settings = kBackgroundSettings;  // a copy: the sweep never changes it
  int m_firstDepth;
  const std::vector<IngressPair>* m_pairs;  // shared, read-only while the sweep runs
  SweepProgress* m_progress;
};

long groupCount(const FocusTableOptions& options, std::size_t pairsPerDepth) {
  if (options.lastDepth < options.firstDepth) return 0;
  return static_cast<long>(options.lastDepth - options.firstDepth + 1) * static_cast<long>(pairsPerDepth);
}

}  // namespace

long focusTableGroupCount(const FocusTableOptions& options) {
  return groupCount(options, ingressPairs(options.firstIvx, options.lastIvx).size());
}

void runFocusTable() { runFocusTableWith(FocusTableOptions{}); }

void runFocusTableWith(const FocusTableOptions& options) {
  beginBackgroundCalc();  // a kill that came first stays: the sweep stops at its first lens
  sweepPrint(options.writer, "%s", kFocusTableHeader);

  const std::vector<IngressPair> pairs = ingressPairs(options.firstIvx, options.lastIvx);
  const long groups = groupCount(options, pairs.size());
  int threads = options.threads;
  if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  if (options.progress) {
    long long total = 0;
    for (int depth = options.firstDepth; depth <= options.lastDepth; ++depth)
      total += progressWeight(depth) * static_cast<long long>(pairs.size());
    options.progress->stepsTotal.store(total);
  }

  // The sweep starts from clear flags, whatever the thread that runs it has
  // raised before.
  setFpErrorFlags(0);
  FocusThinning thinning;
  const GroupEvaluator evaluator(options.indexRatio, options.firstDepth, pairs, options.progress);
  auto consume = [&](long, const TableGroup& group, bool) {
    for (const GoodLens& lens : group.good) {
      if (!thinning.admit(lens.focus)) continue;
      sweepPrint(options.writer, kFocusTableRowFormat, lens.focus, lens.width, group.ivx, group.ivy,
                 lens.evx, lens.evy, group.depth, lens.dev, lens.devpcnt);
      if (options.progress) options.progress->linesWritten.fetch_add(1, std::memory_order_relaxed);
    }
    if (options.progress) options.progress->stepsDone.fetch_add(progressWeight(group.depth), std::memory_order_relaxed);
  };
  runOrderedGroups<TableGroup>(groups, threads, 0u, evaluator, consume);

  if (traceFileOpen()) closeTraceFile();
  finishBackgroundCalc();
}

}  // namespace kelvane
