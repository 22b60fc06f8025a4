// Hands a file to the desktop's viewer (xdg-open) and watches how that
// ends. QDesktopServices::openUrl only says whether xdg-open started; a
// browser that then refuses to run (as root, say) or no browser at all goes
// unnoticed. xdg-open ends with a failure status in those cases, so a
// failure soon after the start means no viewer came up.
#pragma once

#include <QStringList>
#include <functional>
#include <string>

namespace kelvane {

// After this long a viewer counts as up; a later failure is its own affair
// (a browser run in the foreground exits when the user closes it).
inline constexpr int kViewerWatchMs = 10000;

// Starts the viewer on `path`. False when it cannot even start; otherwise
// `failedLater` runs on this thread if it ends with a failure within
// kViewerWatchMs. Needs a running event loop for that.
bool openInDesktopViewer(const std::string& path, std::function<void()> failedLater);

// The command that opens a file, the path added as its last argument
// ({"xdg-open"} unless replaced; tests give their own).
void setDesktopViewerCommand(const QStringList& command);

}  // namespace kelvane
