// The web page's lens session: a script host's lens model, the script being
// played, and what the page shows of them - its read-outs, the aberration
// curve and the picture as a display list. Qt-free, built with Emscripten
// for the page; web/bindings.cpp hands these records to JavaScript.
//
// The page holds no optics of its own: every number it shows and every line
// it draws comes from here.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "draw/display_list.h"
#include "draw/picture_style.h"
#include "optics/aberration.h"
#include "script/headless_host.h"
#include "script/script_stepper.h"

namespace kelvane::web {

// The state and read-outs the page shows.
struct PageState {
  std::array<double, 6> lens{};  // ivx, ivy, evx, evy, depth, shape
  std::string shape;             // "CVCV" ...
  double rindex = 0;
  std::string rindexText;  // the shortest decimal that gives this index back
  int mode = 0;  // 0 single-beam, 1 multi-beam
  bool locked = false;
  int fill = 0;  // percent
  double width = 0;
  // As the dialog shows them: two places, "--" where there is no focus.
  std::string focusText, devText, devpcntText, widthText;
  std::string eccIngress, eccEgress;  // of the exact semi-axes; "--" for none
  int beamCount = 0;
  std::array<int, FAN_COUNT> fans{};
  std::string source;  // "parallel", "point,D" or "object,D,H"
  // The colour: the glass ("" Custom), water around the lens, white light or
  // one wavelength, and what the picture and the link say of it.
  std::string glass;
  bool water = false;
  bool white = false;
  double wavelength = 0;        // nm
  std::string wavelengthText;   // "486.1 nm (F)"
  std::array<int, 3> swatch{};  // the wavelength's colour, r, g, b
  std::string colourLink;       // "&glass=N-BK7&light=white"; "" for the default
  // Read-outs, empty in the default state: "n 1.52238 at 486.1 nm (F)" or
  // "n_d 1.51680 · V_d 64.17", "lca 4.3210", each white wavelength's focus.
  std::string indexText, lcaText, fociText;
};

// A script the page started: the lines it will pass over, one
// "script:LINE: what is wrong" each.
struct ScriptStart {
  bool started = false;
  std::vector<std::string> warnings;
};

// What the page waits for after one step of a script.
struct ScriptStep {
  std::string kind;  // "time", "pause" or "end"
  double ms = 0;     // for "time"; never negative
};

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
  // "parallel", "point,D" or "object,D,H"; retraces. False, changing
  // nothing, for any other text or a distance or height out of range.
  bool setSource(const std::string& text);
  // The glass (a catalogue name or title; "" or "Custom" for the index
  // field's), the medium ("air" or "water") and the light ("white" or a
  // wavelength in nm); retraces. Returns why they cannot be traced, in
  // words, changing nothing; "" when taken.
  std::string setColour(const std::string& glass, const std::string& medium,
                        const std::string& light);
  // The catalogue's glass names, in its order.
  static int glassCount();
  static std::string glassName(int index);
  // Presets: 0 .. presetCount()-1 in the page's list order. Retraces; a
  // perfect-focus lens that cannot be built for the index leaves all as it is.
  static int presetCount();
  static std::string presetName(int index);
  void applyPreset(int index);

  PageState state() const;
  // The longitudinal aberration of the single-beam trace, from the model's
  // records; nothing in multi-beam mode.
  std::optional<AberrationCurve> aberration() const;
  // The picture for a W x H pixel area at dpi pixels per inch.
  draw::DisplayList picture(int W, int H, double dpi, bool legend, bool caption,
                            const draw::PictureStyle& style = {}) const;
  // The zoom that fits the lens and its focus to a W x H area at dpi.
  double fitZoom(int W, int H, double dpi, bool legend, const draw::PictureStyle& style) const;

  // Starts playing `text`; replaces a script being played.
  ScriptStart startScript(const std::string& text);
  ScriptStep stepScript();
  void stopScript();

 private:
  void retrace() { m_host.refreshLensControl(); }

  HeadlessHost m_host;
  DirectScriptActions m_actions{m_host};
  std::unique_ptr<ScriptStepper> m_stepper;
  // The canvas the page gave, which a script's "canvass" line leaves as it is.
  int m_canvasX = kHeadlessViewWidth;
  int m_canvasY = kHeadlessViewHeight;
};

}  // namespace kelvane::web
