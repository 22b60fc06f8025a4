// The page's designer for JavaScript: a PageDesign and its outcome record.
#include <emscripten/bind.h>

#include "web/page_design.h"

using namespace emscripten;
using kelvane::web::DesignOutcome;
using kelvane::web::PageDesign;

EMSCRIPTEN_BINDINGS(kelvane_design) {
  value_object<DesignOutcome>("DesignOutcome")
      .field("reached", &DesignOutcome::reached)
      .field("cancelled", &DesignOutcome::cancelled)
      .field("lens", &DesignOutcome::lens)
      .field("focus", &DesignOutcome::focus)
      .field("dev", &DesignOutcome::dev)
      .field("devpcnt", &DesignOutcome::devpcnt)
      .field("traced", &DesignOutcome::traced)
      .field("seconds", &DesignOutcome::seconds)
      .field("line", &DesignOutcome::line)
      .field("message", &DesignOutcome::message);
  class_<PageDesign>("PageDesign")
      .constructor<>()
      .function("start", &PageDesign::start)
      .function("step", &PageDesign::step)
      .function("running", &PageDesign::running)
      .function("doneShare", &PageDesign::doneShare)
      .function("stop", &PageDesign::stop)
      .function("outcome", &PageDesign::outcome);
}
