// The page's way into the C++ core: one session object, its calls taking and
// giving numbers and JSON text.
#include <emscripten/bind.h>

#include "web/page_session.h"

using kelvane::web::PageSession;

EMSCRIPTEN_BINDINGS(kelvane) {
  emscripten::class_<PageSession>("PageSession")
      .constructor<>()
      .function("setLens", &PageSession::setLens)
      .function("setRindex", &PageSession::setRindex)
      .function("setBeamMode", &PageSession::setBeamMode)
      .function("setLockWidth", &PageSession::setLockWidth)
      .function("setFillPercent", &PageSession::setFillPercent)
      .function("setCanvas", &PageSession::setCanvas)
      .function("applyPreset", &PageSession::applyPreset)
      .function("stateJson", &PageSession::stateJson)
      .function("aberrationJson", &PageSession::aberrationJson)
      .function("pictureJson", &PageSession::pictureJson)
      .function("startScript", &PageSession::startScript)
      .function("stepScript", &PageSession::stepScript)
      .function("stopScript", &PageSession::stopScript)
      .class_function("presetCount", &PageSession::presetCount)
      .class_function("presetName", &PageSession::presetName);
}
