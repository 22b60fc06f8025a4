// Moving a window into a corner of another window or of the screen's work
// area, without changing its size.
#pragma once

#include <QMargins>
#include <QRect>
#include <optional>

class QWidget;

namespace kelvane {

// Corners accepted by placeWindow; any other value leaves the window alone.
inline constexpr int kCornerTopLeft = 0;
inline constexpr int kCornerTopRight = 1;
inline constexpr int kCornerBottomLeft = 2;
inline constexpr int kCornerBottomRight = 3;

// An inset of 1000 + p (p in percent) puts the window's centre at p percent of
// the reference's extent, measured from the corner's side.
inline constexpr int kPercentInset = 1000;

// The screen rectangle not covered by panels: the primary screen's available
// geometry, read once at the first call and kept for the rest of the run. The
// full screen stands in when the platform has no work-area notion.
QRect workArea();

// The new top-left corner for a window of the given size placed into `corner`
// of `reference` with insets dx, dy; nothing for a corner outside 0..3.
// `reference` uses exclusive right/bottom edges as left + width, top + height.
std::optional<QPoint> placedPosition(QSize window, QRect reference, int corner, int dx, int dy);

// Moves `window` (its frame, for a top-level window) into `corner` of
// `reference`'s screen rectangle, or of the work area when reference is
// nullptr. Callable from any thread: off the window's thread the move is
// queued to it and the caller does not wait.
void placeWindow(QWidget* window, const QWidget* reference, int corner, int dx, int dy);

// The screen rectangle of a widget: the frame of a top-level window, the
// client rectangle in screen coordinates for a child.
QRect screenRect(const QWidget* widget);

// The frame around a top-level window as the window system reports it. It is
// empty until a window manager has framed the mapped window, and always
// where windows have no frames.
QMargins frameMarginsOf(const QWidget* window);

// Gives a top-level window this outer rectangle, frame included. A window
// manager frames a window only after it is mapped, so until the frame is
// known the rectangle is applied again whenever it changes.
void setFrameRect(QWidget* window, QRect frame);

// Shows a top-level window with this outer rectangle (see setFrameRect); a
// frame the window system knows at once is fitted before this returns.
void showWithFrameRect(QWidget* window, QRect frame);

}  // namespace kelvane
