// PsView: the ring of the most recent trace lines behind the "PsView Trace"
// window. Lines are length-prefixed records (one length byte 1..254, then the
// characters, no terminator); a length byte of 0 is a wrap marker meaning
// "the next record is at the start of the ring". When a new line does not
// fit, the oldest lines are dropped. One lock guards the ring and everything
// describing its content, so any thread may append while the window paints.
//
// The ring knows nothing of the toolkit: the window tells it its metrics and
// size, asks it for scroll steps and paints through a callback; the ring
// passes scroll-range and repaint requests back through PsViewWindow.
//
// Index: constants, PsViewWindow, PsView (append/appendf/refresh,
// reset/resize, window side: metrics, size, scrolling, painting, Save and
// Inspect walks), checkInvariants for tests.
#pragma once

#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "trace/dbgprint.h"

namespace kelvane {

inline constexpr int kPsViewDefaultBufferSize = 8000;
inline constexpr int kPsViewMaxBufferSize = 65520;
inline constexpr int kPsViewDefaultMaxLine = 80;
inline constexpr int kPsViewMinMaxLine = 2;
inline constexpr int kPsViewMaxMaxLine = 254;
// cacheIndex value meaning "the paint cache holds no line".
inline constexpr int kPsViewCacheInvalid = 60000;
// appendf keeps at most this many characters.
inline constexpr int kPsViewAppendfMax = 88;
// append's length argument: -1 = counted record, 0 = NUL-terminated text.
inline constexpr int kPsViewCounted = -1;
inline constexpr int kPsViewMeasure = 0;
inline constexpr const char* kTopOfBuffer = "Top of Buffer";

// Vertical scroll requests (the platform's codes).
inline constexpr int kScrollLineUp = 0;
inline constexpr int kScrollLineDown = 1;
inline constexpr int kScrollPageUp = 2;
inline constexpr int kScrollPageDown = 3;
inline constexpr int kScrollThumbPosition = 4;  // thumb released
inline constexpr int kScrollThumbTrack = 5;     // thumb being dragged
inline constexpr int kScrollTop = 6;
inline constexpr int kScrollBottom = 7;
// Horizontal requests use the same codes: line left/right, page left/right.
inline constexpr int kHorizontalPageStep = 8;

// What the ring asks of its window. Called from any thread, outside the
// ring's lock; an implementation must hand the work to the window's own
// thread and never wait for it.
class PsViewWindow {
 public:
  virtual ~PsViewWindow() = default;
  // Set the vertical scroll range 0..vmax, then the position vpos.
  virtual void setVerticalScroll(int vmax, int vpos) = 0;
  // Repaint the whole client area.
  virtual void invalidate() = 0;
};

class PsView final : public PsViewSink {
 public:
  // A ring of bufferSize bytes (more than 3 * maxLine, at most 65520) that
  // starts with "Top of Buffer".
  explicit PsView(int bufferSize = kPsViewDefaultBufferSize, int maxLine = kPsViewDefaultMaxLine);

  // --- from any thread ----------------------------------------------------

  // Adds one line: length -1 reads a counted record (length byte first), 0
  // measures NUL-terminated text, anything else is the length. Text beyond
  // maxLine is cut; an empty text is ignored. Refreshes the window afterwards
  // when `immediate` is on.
  void append(const char* text, int length) override;
  // Formats at most 88 characters (and no more than maxLine) as one line.
  void appendf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Passes pending scroll-range and repaint requests on to the window.
  void refresh();
  // A size of 0 keeps the ring; otherwise a new zero-filled ring of that
  // many bytes (at least 3 * maxLine + 1). Either way the ring then holds
  // only "Top of Buffer".
  void reset(int size);
  // A new ring of `size` bytes with a new longest line length; the caller
  // has checked the limits (see validConfiguration).
  void resize(int size, int maxLine);
  // Whether appends refresh the window right away (on by default).
  void setImmediate(bool on) { m_immediate.store(on); }

  // --- the window side (the user-interface thread) --------------------------

  // Attaches the window (nullptr detaches). While attached, appends keep
  // vmax and vpos within the visible rows and raise the dirty flags.
  void attachWindow(PsViewWindow* window);
  // Pixel size of one character column and one text row.
  void setMetrics(int charWidth, int lineHeight);

  struct ScrollState {
    int vpos = 0, vmax = 0, hpos = 0, hmax = 0;
  };
  // Size notification: recomputes both scroll ranges and clamps the positions.
  ScrollState sizeChanged(int clientWidth, int clientHeight);
  // Applies a scroll request; returns the step taken in lines (vertical) or
  // columns (horizontal), 0 when nothing moved.
  int scrollVertical(int request, int thumb);
  int scrollHorizontal(int request, int thumb);
  ScrollState scrollState() const;

  // Draws the lines that fall into the pixel rows top..bottom (bottom
  // exclusive): line i in text row i - vpos + 1, starting one column in.
  // `draw` receives the pixel position of the row's top-left corner and the
  // characters; it runs under the ring's lock.
  using DrawLine = std::function<void(int x, int y, const char* text, int length)>;
  void paint(int top, int bottom, const DrawLine& draw);

  // Every line, oldest first, each followed by "\n"; write errors are ignored.
  void save(std::FILE* stream) const;
  // The line shown in the text row under client y, or nothing over empty rows.
  std::optional<std::string> lineAtY(int y) const;
  // Line `index` (0 = oldest), or nothing outside 0..lineCount - 1.
  std::optional<std::string> lineAt(int index) const;
  // Every line, oldest first.
  std::vector<std::string> lines() const;

  int lineCount() const;
  int bufferSize() const;
  int maxLine() const;
  int longest() const;
  int vpos() const;
  int vmax() const;
  int cacheIndex() const;
  int lineHeight() const;
  int charWidth() const;

  // Limits of the configuration dialog: maxLine 2..254, a buffer size above
  // 3 * maxLine and at most 65520.
  static bool validMaxLine(long value);
  static bool validBufferSize(long value, int maxLine);

  // Checks the ring's invariants; on failure says which in *why. For tests.
  bool checkInvariants(std::string* why = nullptr) const;

 private:
  // The caller holds m_lock for all of these.
  void resetLocked();
  int appendLocked(const unsigned char* text, int length);
  int next(int pos) const;
  int visibleRowsLocked() const;
  void clampVerticalLocked();
  std::string recordText(int pos) const;  // the line whose length byte is at pos

  // Reads one field under the lock, for the accessors.
  int lockedRead(const int& field) const;

  mutable std::mutex m_lock;
  std::vector<unsigned char> m_ring;  // zero-filled when allocated
  int m_limit = 0;                    // last index at which a wrap marker may go
  int m_oldest = 0;
  int m_write = 0;
  int m_cachePos = 0;
  int m_cacheIndex = 0;
  int m_bufferSize = 0;
  int m_longest = 0;
  int m_maxLine = kPsViewDefaultMaxLine;
  int m_charWidth = 0;
  int m_lineHeight = 0;
  int m_clientWidth = 0;
  int m_clientHeight = 0;
  int m_lineCount = 0;
  int m_vpos = 0;
  int m_vmax = 0;
  int m_hpos = 0;
  int m_hmax = 0;
  bool m_windowAttached = false;

  std::atomic<bool> m_scrollDirty{false};
  std::atomic<bool> m_contentDirty{false};
  std::atomic<bool> m_immediate{true};
  std::atomic<PsViewWindow*> m_window{nullptr};
};

}  // namespace kelvane
