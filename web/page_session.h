// The web page's lens session: the current lens, settings and trace, the
// script being played, and the picture as a display list in a form the
// page's script can replay. Qt-free, built with Emscripten for the page.
//
// The page holds no optics of its own: every number it shows and every line
// it draws comes from here.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "script/headless_host.h"
#include "script/script_stepper.h"

namespace kelvane::web {

// A named lens of the page's "Lenses" list.
struct Preset {
  const char* name;
  Lens lens;
  double rindex;  // 0: keep the index in force
};

// The lens whose beams meet in one point: an ingress ellipse of eccentricity
// 1/n with semi-axes a and a*sqrt(1 - 1/n^2) focuses the rays inside the
// glass on its far focus; an egress circle of radius R centred there lets
// them leave unbent. Nothing when there is no such lens: an index of 1 or
// less (no ellipse of that eccentricity) or a depth that is not positive.
std::optional<Lens> perfectFocusLens(double a, double R, double rindex);

class PageSession {
 public:
  PageSession();

  // The lens values as the sliders give them, and the face shapes; retraces.
  void setLens(double ivx, double ivy, double evx, double evy, double depth, int shape);
  void setRindex(double rindex);  // > 0; retraces
  void setBeamMode(int mode);     // 0 single-beam, 1 multi-beam; retraces
  void setLockWidth(int a);       // < 0 unlocks, > 0 locks at a, 0 locks the width in force
  void setFillPercent(int percent);
  void setCanvas(int xmax, int ymax);  // the view's size in CSS pixels; no retrace
  // Presets: 0 .. presetCount()-1 in the page's list order. Retraces; a
  // perfect-focus lens that cannot be built for the index leaves all as it is.
  static int presetCount();
  static std::string presetName(int index);
  void applyPreset(int index);

  // The state and read-outs as JSON: the lens, index, mode, lock and fill,
  // and focus/dev/dev %/width/eccentricities formatted as the page shows
  // them ("--" where there is no focus).
  std::string stateJson() const;
  // The longitudinal aberration of the last single-beam trace, read from the
  // tracer's records, as JSON: {"exit":[[crossing,height],...],"inner":[...],
  // "focus","focusMin","focusMax","width"}; null in multi-beam mode or in a
  // build without the aberration curve.
  std::string aberrationJson() const;
  // The picture for a W x H pixel area at dpi pixels per inch, as JSON.
  std::string pictureJson(int W, int H, double dpi, bool legend, bool caption) const;

  // Starts playing `text`; replaces a script being played. Returns the
  // lines it will pass over, one "script:LINE: what is wrong" a line, as
  // JSON: {"started":true|false,"warnings":[...]}.
  std::string startScript(const std::string& text);
  // One step: {"kind":"time"|"pause"|"end","ms":N}.
  std::string stepScript();
  void stopScript();

 private:
  void retrace() { m_host.refreshLensControl(); }

  HeadlessHost m_host;
  DirectScriptActions m_actions{m_host};
  std::unique_ptr<ScriptStepper> m_stepper;
};

}  // namespace kelvane::web
