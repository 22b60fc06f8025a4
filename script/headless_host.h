// A script host without a display: it keeps a lens model and a canvas,
// retraces the model on every refresh, and reports what a window would have
// shown through callbacks.
// kelvane-cli runs scripts with it; tests use it to check real numbers.
//
// Like a lens view, it starts with its initial lens traced (not counted as
// a refresh), so a width fade from 0 starts at that width.
//
// It has no user-interface thread of its own: posted work runs at once on
// the runner's thread, so its state belongs to that thread while a script
// runs. Read it when the runner is no longer busy.
#pragma once

#include <functional>
#include <string>

#include "model/lens_model.h"
#include "script/script_host.h"

namespace kelvane {

// The rectangle the headless lens view starts with (that of a new lens
// view); its size also stands in for the canvas.
inline constexpr int kHeadlessViewLeft = 100;
inline constexpr int kHeadlessViewTop = 10;
inline constexpr int kHeadlessViewWidth = 860;
inline constexpr int kHeadlessViewHeight = 720;

class HeadlessHost : public ScriptHost {
 public:
  // The view opens with `source` (kelvane-cli script --source).
  explicit HeadlessHost(const LightSource& source = {}, const ColourState& colour = {});

  // Called after every retrace (each refresh).
  std::function<void(const HeadlessHost&)> onRefresh;
  // Called with a one-line note for what has no number to show: a moved
  // view, a placed dialog, a new canvas, beam mode or index.
  std::function<void(const std::string&)> onNote;

  void postToUi(std::function<void()> work) override { work(); }
  bool lensViewExists() override { return true; }
  bool lensControlExists() override { return true; }
  void openLensView() override {}
  void requestLensView() override {}
  void setLensValues(const std::array<double, 5>& values) override;
  void setLensShape(int shape) override { m_model.setShape(shape); }
  void setIndexRatio(double ratio) override;
  void setCanvas(int xmax, int ymax) override;
  ColourState colour() override { return m_model.colour(); }
  void setColour(const ColourState& colour) override;
  void setSource(const LightSource& source) override;
  void setBeamMode(int mode) override;
  void refreshLensControl() override;
  void setLockWidth(int a) override;
  void setFillPercent(int percent) override;
  double traceWidth() override { return m_model.results().width; }
  void moveLensView(int x, int y, int w, int h) override;
  void placeLensControl(int anchor, int dx, int dy) override;
  void setScriptStatus(const std::string& text) override { m_statusText = text; }
  void enableScriptStatus(bool enabled) override { m_statusEnabled = enabled; }
  void setScriptButtonText(const std::string& text) override { m_buttonText = text; }
  // Nobody to ask: a script must be named.
  ScriptFile chooseScript(std::string&) override { return nullptr; }

  const LensModel& model() const { return m_model; }
  const Lens& lens() const { return m_model.lens(); }
  const BeamSettings& settings() const { return m_model.settings(); }
  const TraceResults& results() const { return m_model.results(); }
  double indexRatio() const { return m_model.indexRatio(); }
  int beamMode() const { return m_model.beamMode(); }
  int xmax() const { return m_xmax; }
  int ymax() const { return m_ymax; }
  int refreshCount() const { return m_refreshCount; }
  int viewLeft() const { return m_viewLeft; }
  int viewTop() const { return m_viewTop; }
  int viewWidth() const { return m_viewWidth; }
  int viewHeight() const { return m_viewHeight; }
  const std::string& statusText() const { return m_statusText; }
  bool statusEnabled() const { return m_statusEnabled; }
  const std::string& buttonText() const { return m_buttonText; }

 private:
  void note(const std::string& text);
  void retrace();

  LensModel m_model;
  int m_xmax = kHeadlessViewWidth;
  int m_ymax = kHeadlessViewHeight;
  int m_refreshCount = 0;
  int m_viewLeft = kHeadlessViewLeft;
  int m_viewTop = kHeadlessViewTop;
  int m_viewWidth = kHeadlessViewWidth;
  int m_viewHeight = kHeadlessViewHeight;
  std::string m_statusText;
  bool m_statusEnabled = false;
  std::string m_buttonText = "&Script";
};

}  // namespace kelvane
