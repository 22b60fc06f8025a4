// The lens model: what a traced lens is, owned in one place. It holds the
// lens, the beam settings (width lock, fill, where drawn rays end), the index
// ratio, the beam mode, its own trace buffer and the results, and it is the
// one place outside the optics and the sweeps that runs the tracer.
//
// Every surface - the desktop session, the script host, the page, the frame
// recorder and the command line - holds a model instead of a lens of its
// own, so a new piece of lens state is added here once and reaches them all.
//
// Edits change the state only; retrace() traces it, by the one rule below,
// and tells the observers. A model belongs to one thread at a time. New state
// of a traced lens (the glass and the light's colour, a point source)
// belongs here, behind state() and retrace(), so that the hosts need not
// change.
//
// Colour: the lens's own index ratio is the "Custom" glass's. A catalogue
// glass, water around the lens or white light (colour()) make the traced
// ratio depend on the wavelength: the main trace is at the main wavelength
// (d for white light), and white light adds one trace per white wavelength
// (colourTraces()). An index edit (setIndexRatio: the index field, the
// script's "rindex") sets the Custom ratio and leaves the colour alone. A
// results row is a lens of one index, as the table traced it: stepping into
// it (LensState::withRowIndex) sets that ratio and switches the colour back
// to the Custom glass in air, one wavelength.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "model/colour_state.h"
#include "optics/light_source.h"
#include "optics/source_trace.h"
#include "optics/tracer.h"

namespace kelvane {

// Beam modes: horizontal beams (with a focus), or the five tilted fans.
inline constexpr int kSingleBeamMode = 0;
inline constexpr int kMultiBeamMode = 1;

// What one undo step of the lens puts back: the lens, the index ratio, the
// beam width settings, the light source and the colour.
struct LensState {
  Lens lens{};
  double indexRatio = kInitialIndexRatio;  // the Custom glass's, as the index field sets it
  bool locked = false;
  double lockedWidth = 0;
  double fill = 0;
  LightSource source{};
  ColourState colour{};
  bool operator==(const LensState& o) const;
  // Locked at `width`, at the locked width in force when it is 0, unlocked
  // when it is negative: the script's and the dialog's width lock.
  LensState withLock(double width) const;
  // Unlocked, the beams over `fill` of the rim height.
  LensState withFill(double fill) const;
  // A results row's lens: the index ratio it was traced at, as the Custom
  // glass's, in air, in the default light (a row has no dispersion).
  LensState withRowIndex(double ratio) const;
};

// The fill as a percentage, as the dialog and scripts give it: held to 1..99.
inline constexpr int kFillMinPercent = 1;
inline constexpr int kFillMaxPercent = 99;

// A single-beam trace: its 15 records of 4 points and its results.
struct SingleBeamTrace {
  const TracePoint* buffer = nullptr;  // null: nothing was traced
  int bufferPoints = 0;
  TraceResults results{};
};

// One wavelength of white light, traced beside the main trace.
struct ColourTrace {
  double nm = 0;
  double indexRatio = 0;
  std::vector<TracePoint> buffer;  // same layout as the main buffer for the beam mode
  TraceResults results{};          // of the beam mode, as results() is
  // The single-beam results at this wavelength (its focus, width, dev): the
  // same as `results` in single-beam mode, traced beside the fans in
  // multi-beam mode, as singleBeamTrace() is for the main wavelength.
  TraceResults singleBeam{};
};

class LensModel {
 public:
  LensModel();
  // Its buffer is its own: settings().traceBuffer points into it.
  LensModel(const LensModel&) = delete;
  LensModel& operator=(const LensModel&) = delete;

  const Lens& lens() const { return m_lens; }
  const BeamSettings& settings() const { return m_settings; }
  // The ratio the main trace traces with: the colour's at the main
  // wavelength (the Custom ratio itself, bit for bit, in the default state).
  double indexRatio() const { return indexRatioAt(m_colour.mainWavelength()); }
  // The ratio at a wavelength in nm, by the colour state.
  double indexRatioAt(double nm) const;
  // The Custom glass's ratio, as the index field and `rindex` set it.
  double customIndexRatio() const { return m_customRatio; }
  const ColourState& colour() const { return m_colour; }
  int beamMode() const { return m_beamMode; }
  const TraceResults& results() const { return m_ctx.results; }
  LensState state() const;

  // The records of the last trace: SINGLE_BEAM_POINTS or MULTI_BEAM_POINTS
  // points by beam mode; null until setBeamMode gave the model a buffer.
  const TracePoint* buffer() const { return m_settings.traceBuffer; }
  int bufferPoints() const { return static_cast<int>(m_buffer.size()); }
  bool hasBuffer() const { return !m_buffer.empty(); }

  // The last trace's layout was refused: its width fell below minWidth.
  bool layoutRefused() const { return m_ctx.results.width < m_settings.minWidth; }

  // --- Edits. None retraces.
  // Back to the state a program starts with: the initial lens, settings and
  // index, single-beam mode, no buffer, no results. Observers stay.
  void reset();
  void setLens(const Lens& lens);
  void setShape(int shape);
  // The Custom glass's ratio; the colour state stays as it is.
  void setIndexRatio(double ratio);
  // The caller checked it with colourProblem.
  void setColour(const ColourState& colour);
  void setState(const LensState& state);
  void setRayEnd(double x);
  void setSource(const LightSource& source);
  const LightSource& source() const { return m_source; }

  // A buffer for `mode` (single or multi), zeroed, with the beam counts
  // cleared; tells the observers. A buffer of that mode is kept as it is.
  void setBeamMode(int mode);
  // Frees the buffer; retrace() then traces nothing. Tells the observers.
  void releaseBuffer();

  // Traces the lens in the beam mode, from clear floating-point flags, into
  // the buffer, and tells the observers. In multi-beam mode a refused layout
  // clears the fan counts (no fan was traced). Returns 0, or -1 when the
  // layout was refused or there is no buffer (then nothing is traced).
  int retrace();

  // The single-beam trace of the lens as it stands: the model's own in
  // single-beam mode, else a second one kept beside the fans (the fans hold
  // no axis crossings). Its focus, width and dev are those of a picture's
  // caption.
  const SingleBeamTrace& singleBeamTrace() const;

  // The source's rays and images (a finite source) and the paraxial lens
  // (any source), as of the last retrace; made beside the beams, which a
  // finite source leaves as they are.
  const SourceTrace& sourceTrace() const { return m_sourceTrace; }

  // White light: one trace per white wavelength, blue to red, as of the last
  // retrace, in the beam mode (fans too). Empty unless the light is white,
  // and from a change of beam mode or buffer until the next retrace.
  const std::vector<ColourTrace>& colourTraces() const { return m_colourTraces; }
  // focus(C) - focus(F) of the single-beam traces: positive when blue
  // focuses nearer the lens. NaN unless the light is white and both focus.
  double longitudinalChromaticAberration() const;

  // The context the built-in test reports trace their fixed lenses in; it
  // is the model's, as the program's reports have always shared it. Its
  // results are then no longer the lens's own.
  TracerContext& reportContext() {
    edited();
    return m_ctx;
  }

  // Observers are called after every retrace and every change of buffer.
  int observe(std::function<void()> observer);
  void unobserve(int id);

 private:
  void notify();
  // After an edit: the results are no longer of the state as it stands.
  void edited();
  void traceColours();

  Lens m_lens = kInitialLens;
  BeamSettings m_settings = kInitialCurrentSettings;
  TracerContext m_ctx;
  int m_beamMode = kSingleBeamMode;
  std::vector<TracePoint> m_buffer;
  bool m_traced = false;  // the results are of the state as it stands
  LightSource m_source;
  SourceTrace m_sourceTrace;
  double m_customRatio = kInitialIndexRatio;
  ColourState m_colour;
  std::vector<ColourTrace> m_colourTraces;

  // The single-beam trace beside the fans, made when asked for.
  mutable std::vector<TracePoint> m_singleBuffer;
  mutable TracerContext m_singleCtx;
  mutable SingleBeamTrace m_single;
  mutable bool m_singleFresh = false;

  std::vector<std::pair<int, std::function<void()>>> m_observers;
  int m_nextObserver = 0;
};

}  // namespace kelvane
