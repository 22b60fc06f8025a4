#include "calc/lens_design.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <nlopt.hpp>
#include <vector>

#include "calc/lens_control_beams.h"
#include "optics/focus.h"
#include "optics/fpflags.h"

namespace kelvane {

namespace {

// Why COBYLA: the tracer gives no derivatives, and its spread is a max-min
// of crossings that jumps when a beam misses a face, so the search must be
// derivative-free and robust to kinks. Of NLopt's derivative-free local
// methods only COBYLA takes nonlinear inequality constraints, which holds
// the focus inside the target window without a penalty weight to tune
// (BOBYQA and Nelder-Mead would need one). A single local run finds a local
// minimum only, so the search starts from a fixed set of lenses spread over
// the bounds by a Halton sequence: deterministic, with no seed or thread
// timing involved, and better spread than pseudo-random starts.
constexpr int kStarts = 512;
constexpr int kEvaluationsPerStart = 600;
constexpr int kPolishEvaluations = 1500;
// No new start once this many lenses are traced: a bound on the time a
// request takes (about 3 us a lens) that, being a count, keeps it repeatable.
constexpr long long kTraceBudget = 200000;
// The constraints aim inside this share of the tolerance, so that rounding
// the result to printable decimals keeps it at the target.
constexpr double kAimShare = 0.5;
// Free lens values are rounded to four decimals at the end.
constexpr double kDecimals = 1e4;
// What a lens without a focus counts as to the optimizer: far above the
// spread of any lens near a target.
constexpr double kNoFocusDevpcnt = 1e3;

struct Traced {
  bool hasFocus = false;
  double focus = 0;
  double dev = 0;
  double devpcnt = 0;
};

// One lens, traced as `kelvane-cli focus` traces it: a fresh context, clear
// flags, the dialog's settings. `record` gives it the dialog's recording
// buffer too; without one findFocus traces the beams side by side, several
// times faster, to the same bits (the final lens is traced again with it).
Traced traceLens(const Lens& lens, double indexRatio, const BeamSettings& dialogSettings,
                 bool record) {
  TracerContext ctx;
  ctx.indexRatio = indexRatio;
  Traced t;
  {
    TracerContext probe = ctx;
    if (layoutBeams(probe, lens, dialogSettings) != 0) return t;  // infeasible, not an error
  }
  TracePoint buffer[SINGLE_BEAM_POINTS];
  BeamSettings settings = dialogSettings;
  if (record) {
    settings.traceBuffer = buffer;
  } else {
    settings.pointsMode = 0;
    settings.traceBuffer = nullptr;
  }
  fpClearFlags();
  findFocus(ctx, lens, settings);
  const TraceResults& r = ctx.results;
  // The dialog's rule (0 or NaN: no exit ray crossed the axis), and a
  // spread to compare.
  t.hasFocus = r.focus != 0 && std::isfinite(r.focus) && std::isfinite(r.devpcnt);
  t.focus = r.focus;
  t.dev = r.dev;
  t.devpcnt = r.devpcnt;
  return t;
}

// The i-th point of the Halton sequence in base `base`, in (0, 1).
double halton(int i, int base) {
  double f = 1, r = 0;
  for (int n = i; n > 0; n /= base) {
    f /= base;
    r += f * (n % base);
  }
  return r;
}

}  // namespace

class DesignSearch {
 public:
  explicit DesignSearch(const DesignRequest& request)
      : m_request(request),
        m_indexRatio(ratioFromRindex(request.rindex)),
        m_settings(lensControlBeamSettings(request.lockedWidth, request.fillPercent)),
        m_tolerance(request.targetFocus * request.tolerancePercent * 0.01) {
    for (int v = 0; v < kDesignValues; ++v)
      if (!request.bounds[v].fixed()) m_free.push_back(v);
  }

  // Runs up to `units` more pieces of the search - one start each, then the
  // polish - in the order a whole run takes them, so a search run in steps
  // finds the lens a whole run finds. True while pieces remain.
  bool step(int units, const DesignProgressCallback& progress) {
    const auto start = std::chrono::steady_clock::now();
    m_progress = &progress;
    for (int i = 0; i < units && !m_done; ++i) advance();
    m_progress = nullptr;
    m_seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return !m_done;
  }

  // The share of the search done: starts run or trace budget spent.
  double doneShare() const {
    if (m_done) return 1;
    const double share = std::max(static_cast<double>(m_nextStart) / kStarts,
                                  static_cast<double>(m_traced) / kTraceBudget);
    return std::min(share, 0.99);
  }

  DesignResult result() {
    const auto start = std::chrono::steady_clock::now();
    const bool unfinished = !m_done;
    m_done = true;
    DesignResult result = finish();
    result.cancelled = result.cancelled || unfinished;
    result.seconds =
        m_seconds + std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
  }

 private:
  void advance() {
    if (m_free.empty()) {
      evaluate(std::vector<double>{});
      m_done = true;
    } else if (m_nextStart < kStarts && !m_stopped && m_traced < kTraceBudget) {
      localSearch(startPoint(m_nextStart++), kEvaluationsPerStart);
    } else {
      if (m_best && !m_stopped) localSearch(unitOf(m_best->lens), kPolishEvaluations);
      m_done = true;
    }
  }

  struct Candidate {
    Lens lens;
    Traced traced;
  };

  // Start s: the middle of the bounds first, then Halton points.
  std::vector<double> startPoint(int s) const {
    static constexpr int kBases[kDesignValues] = {2, 3, 5, 7, 11};
    std::vector<double> u(m_free.size(), 0.5);
    if (s > 0)
      for (std::size_t i = 0; i < u.size(); ++i) u[i] = halton(s, kBases[i]);
    return u;
  }

  Lens lensOf(const std::vector<double>& u) const {
    double v[kDesignValues];
    for (int i = 0; i < kDesignValues; ++i) v[i] = m_request.bounds[i].least;
    for (std::size_t i = 0; i < m_free.size(); ++i) {
      const DesignBounds& b = m_request.bounds[m_free[i]];
      v[m_free[i]] = std::clamp(b.least + u[i] * (b.most - b.least), b.least, b.most);
    }
    return Lens{v[0], v[1], v[2], v[3], v[4], m_request.shape};
  }

  std::vector<double> unitOf(const Lens& lens) const {
    const double v[kDesignValues] = {lens.ivx, lens.ivy, lens.evx, lens.evy, lens.depth};
    std::vector<double> u;
    for (int f : m_free) {
      const DesignBounds& b = m_request.bounds[f];
      u.push_back((v[f] - b.least) / (b.most - b.least));
    }
    return u;
  }

  bool atTarget(const Traced& t) const {
    return t.hasFocus && std::fabs(t.focus - m_request.targetFocus) <= m_tolerance;
  }

  // Traces the lens at u and keeps the best and the nearest lens seen.
  const Traced& evaluate(const std::vector<double>& u) {
    const Lens lens = lensOf(u);
    m_last = traceLens(lens, m_indexRatio, m_settings, false);
    m_lastUnit = u;
    ++m_traced;
    consider(lens, m_last);
    if (m_progress && *m_progress) {
      DesignProgress p;
      p.traced = m_traced;
      p.done = doneShare();
      if (m_best) p.bestDevpcnt = m_best->traced.devpcnt;
      if (!(*m_progress)(p)) m_stopped = true;
    }
    return m_last;
  }

  void consider(const Lens& lens, const Traced& t) {
    if (!t.hasFocus) return;
    const double miss = std::fabs(t.focus - m_request.targetFocus);
    if (!m_nearest || miss < std::fabs(m_nearest->traced.focus - m_request.targetFocus))
      m_nearest = Candidate{lens, t};
    if (atTarget(t) && (!m_best || t.devpcnt < m_best->traced.devpcnt)) m_best = Candidate{lens, t};
  }

  void localSearch(std::vector<double> u, int evaluations) {
    const unsigned n = static_cast<unsigned>(m_free.size());
    nlopt::opt opt(nlopt::LN_COBYLA, n);
    opt.set_lower_bounds(std::vector<double>(n, 0.0));
    opt.set_upper_bounds(std::vector<double>(n, 1.0));
    opt.set_min_objective(&DesignSearch::objective, this);
    opt.add_inequality_constraint(&DesignSearch::aboveTarget, this, 0);
    opt.add_inequality_constraint(&DesignSearch::belowTarget, this, 0);
    opt.set_initial_step(0.1);
    opt.set_xtol_abs(1e-9);
    opt.set_maxeval(evaluations);
    double value = 0;
    try {
      opt.optimize(u, value);
    } catch (const nlopt::forced_stop&) {
    } catch (const std::exception&) {
      // A run that stalls on round-off ends here; its lenses are kept.
    }
  }

  // COBYLA asks for the objective and then each constraint at the same
  // point: the constraints read the trace the objective made.
  static double objective(unsigned, const double* x, double*, void* data) {
    auto* self = static_cast<DesignSearch*>(data);
    const std::vector<double> u(x, x + self->m_free.size());
    const Traced& t = self->evaluate(u);
    if (self->m_stopped) throw nlopt::forced_stop();
    return t.hasFocus ? t.devpcnt : kNoFocusDevpcnt;
  }
  // The focus's distance above and below the target, in percent of the
  // target, less the aimed-at share of the tolerance.
  double miss(const double* x, double sign) {
    if (m_lastUnit.size() != m_free.size() || !std::equal(m_lastUnit.begin(), m_lastUnit.end(), x))
      evaluate({x, x + m_free.size()});
    const double focus = m_last.hasFocus ? m_last.focus : 0;
    return sign * (focus - m_request.targetFocus) / m_request.targetFocus * 100 -
           m_request.tolerancePercent * kAimShare;
  }
  static double aboveTarget(unsigned, const double* x, double*, void* data) {
    return static_cast<DesignSearch*>(data)->miss(x, 1);
  }
  static double belowTarget(unsigned, const double* x, double*, void* data) {
    return static_cast<DesignSearch*>(data)->miss(x, -1);
  }

  // The best lens with its free values rounded to kDecimals, when that
  // stays at the target; the rounded lens is what the result shows.
  DesignResult finish() {
    DesignResult result;
    result.cancelled = m_stopped;
    if (m_best) {
      result.reached = true;
      Candidate chosen = *m_best;
      Lens rounded = chosen.lens;
      double* v[kDesignValues] = {&rounded.ivx, &rounded.ivy, &rounded.evx, &rounded.evy,
                                  &rounded.depth};
      for (int f : m_free) {
        const DesignBounds& b = m_request.bounds[f];
        const double r = std::round(*v[f] * kDecimals) / kDecimals;
        if (r >= b.least && r <= b.most) *v[f] = r;
      }
      const Traced t = traceLens(rounded, m_indexRatio, m_settings, true);
      ++m_traced;
      if (atTarget(t)) {
        chosen = Candidate{rounded, t};
      } else {
        chosen.traced = traceLens(chosen.lens, m_indexRatio, m_settings, true);
        ++m_traced;
      }
      setLens(result, chosen);
    } else if (m_nearest) {
      setLens(result, *m_nearest);
    }
    result.traced = m_traced;
    return result;
  }

  static void setLens(DesignResult& result, const Candidate& c) {
    result.nearestFound = true;
    result.lens = c.lens;
    result.focus = c.traced.focus;
    result.dev = c.traced.dev;
    result.devpcnt = c.traced.devpcnt;
  }

  const DesignRequest m_request;
  const DesignProgressCallback* m_progress = nullptr;  // during a step
  double m_indexRatio;
  BeamSettings m_settings;
  double m_tolerance;       // absolute, in focus units
  std::vector<int> m_free;  // the lens values searched
  Traced m_last;
  std::vector<double> m_lastUnit;
  long long m_traced = 0;
  int m_nextStart = 0;
  bool m_stopped = false;
  bool m_done = false;
  double m_seconds = 0;  // time spent in steps
  std::optional<Candidate> m_best;
  std::optional<Candidate> m_nearest;
};

namespace {

bool finite(double v) { return std::isfinite(v); }

}  // namespace

std::optional<std::string> designProblem(const DesignRequest& r) {
  static constexpr const char* kNames[kDesignValues] = {"ivx", "ivy", "evx", "evy", "depth"};
  if (!finite(r.targetFocus) || r.targetFocus <= 0) return "the target focus must be above 0";
  if (!finite(r.tolerancePercent) || r.tolerancePercent <= 0)
    return "the tolerance must be above 0";
  if (r.shape < 0 || r.shape > 3) return "the shape must be 0 to 3";
  if (!finite(r.rindex) || r.rindex <= 0) return "the index must be above 0";
  if (r.lockedWidth && r.fillPercent) return "a locked width has no fill";
  if (r.lockedWidth && !(*r.lockedWidth > 0 && *r.lockedWidth <= kInitialCurrentSettings.maxWidth))
    return "the locked width must be above 0 and at most 500";
  if (r.fillPercent && !(*r.fillPercent > 0 && *r.fillPercent < 100))
    return "the fill must be a percentage above 0 and below 100";
  for (int v = 0; v < kDesignValues; ++v) {
    const DesignBounds& b = r.bounds[v];
    const std::string name = kNames[v];
    if (!finite(b.least) || !finite(b.most)) return name + " bounds must be finite";
    if (b.least > b.most) return name + " bounds run backwards: " + name + " A:B needs A <= B";
    if (v == kDesignDepth ? b.least < 0 : b.least <= 0)
      return v == kDesignDepth ? "the depth must be 0 or more" : name + " must be greater than 0";
  }
  return std::nullopt;
}

LensDesigner::LensDesigner(const DesignRequest& request)
    : m_search(std::make_unique<DesignSearch>(request)) {}
LensDesigner::~LensDesigner() = default;

bool LensDesigner::step(int units, const DesignProgressCallback& progress) {
  return m_search->step(units, progress);
}

double LensDesigner::doneShare() const { return m_search->doneShare(); }

DesignResult LensDesigner::result() { return m_search->result(); }

DesignResult designLens(const DesignRequest& request, const DesignProgressCallback& progress) {
  DesignSearch search(request);
  while (search.step(kStarts + 1, progress)) {
  }
  return search.result();
}

}  // namespace kelvane
