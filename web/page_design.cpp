#include "web/page_design.h"

#include <cstdio>

#include "calc/design_line.h"

namespace kelvane::web {

std::string PageDesign::start(double focus, int shape, double rindex) {
  m_designer.reset();
  m_ended = true;
  m_outcome = {};
  DesignRequest request;
  request.targetFocus = focus;
  request.shape = shape;
  request.rindex = rindex;
  if (const auto problem = designProblem(request)) return *problem;
  m_request = request;
  m_designer = std::make_unique<LensDesigner>(request);
  m_ended = false;
  return "";
}

bool PageDesign::step(int units) {
  if (!running()) return false;
  if (!m_designer->step(units < 1 ? 1 : units)) end();
  return running();
}

double PageDesign::doneShare() const { return m_designer ? m_designer->doneShare() : 0; }

void PageDesign::stop() {
  if (running()) end();
}

void PageDesign::end() {
  const DesignResult r = m_designer->result();
  m_ended = true;
  DesignOutcome& o = m_outcome;
  o = {};
  o.cancelled = r.cancelled;
  o.traced = static_cast<double>(r.traced);
  o.seconds = r.seconds;
  char text[160];
  if (r.cancelled) {
    o.message = "Stopped.";
    return;
  }
  if (!r.reached) {
    if (r.nearestFound)
      std::snprintf(text, sizeof text,
                    "No lens in the bounds focuses at %g; the nearest focus is %.4f.",
                    m_request.targetFocus, r.focus);
    else
      std::snprintf(text, sizeof text, "No lens in the bounds has a focus.");
    o.message = text;
    return;
  }
  o.reached = true;
  o.lens = {r.lens.ivx, r.lens.ivy,   r.lens.evx,
            r.lens.evy, r.lens.depth, static_cast<double>(r.lens.shape)};
  o.focus = r.focus;
  o.dev = r.dev;
  o.devpcnt = r.devpcnt;
  o.line = designedLensLine(r.lens);
  std::snprintf(text, sizeof text, "focus %.4f, dev %.4f%% (%lld lenses traced in %.2f s)", r.focus,
                r.devpcnt, r.traced, r.seconds);
  o.message = text;
}

}  // namespace kelvane::web
