// Where the user last put a window, kept across runs in the user's settings
// (QSettings, "Kelvane/Kelvane.conf" under the configuration directory,
// which follows XDG_CONFIG_HOME and HOME). A window's place is its frame
// rectangle, so that restoring it does not shift the window by its frame.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace kelvane {

// The keys the program's windows keep their places under.
inline constexpr char kPlaceMainWindow[] = "MainWindow";
inline constexpr char kPlaceFocusResults[] = "FocusResults";
inline constexpr char kPlaceLensView[] = "LensView";
inline constexpr char kPlaceLensControl[] = "LensControl";
inline constexpr char kPlaceAberration[] = "Aberration";
inline constexpr char kPlacePsViewTrace[] = "PsViewTrace";
inline constexpr char kPlaceListboxTrace[] = "ListboxTrace";

// Whether the user can still reach a window with this frame rectangle on one
// of these screen rectangles: a piece of its top strip, where the title bar
// is, at least kReachableWidth by kReachableHeight lies on one of them.
inline constexpr int kReachableWidth = 40;
inline constexpr int kReachableHeight = 8;
bool reachableOnScreens(QRect frame, const QList<QRect>& screens);

// The frame rectangle kept under `key`, when there is one and it is
// reachable on the screens the application has now.
std::optional<QRect> rememberedPlace(const char* key);

// Keeps a frame rectangle under `key` for later runs.
void keepPlace(const char* key, QRect frame);

// An on/off option of the user's kept under `key` for later runs (a View
// choice), or `fallback` when none was kept.
bool rememberedOption(const char* key, bool fallback);
void keepOption(const char* key, bool on);

// A text of the user's kept under `key` (a language), or `fallback`.
QString rememberedText(const char* key, const QString& fallback);
void keepText(const char* key, const QString& text);

// Drops every kept place: the next opening of each window is a first one.
void forgetRememberedPlaces();

// From now on keeps the frame rectangle of the top-level `window` under
// `key`: shortly after it moves or changes size as a normal window on the
// screen (neither minimized, maximized nor full screen), and when it closes
// or goes away.
void rememberPlace(QWidget* window, const char* key);

// Shows the top-level `window` at the frame rectangle remembered under `key`
// (fitted to the frame as showWithFrameRect does) or, with none usable,
// calls `firstPlace` to show and place it as on a first run. Either way the
// window's place is remembered from then on.
void showAtRememberedPlace(QWidget* window, const char* key,
                           const std::function<void()>& firstPlace);

}  // namespace kelvane
