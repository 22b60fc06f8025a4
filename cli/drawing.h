// What the drawing commands of kelvane-cli share (builds with Qt only).
#pragma once

#include <QGuiApplication>
#include <memory>
#include <string>

namespace kelvane::cli {

// "WxH" with two whole numbers, such as 860x720.
bool parseSize(const std::string& text, int& w, int& h);

// Qt on the offscreen platform, whatever DISPLAY says: drawing needs fonts
// and a paint engine, never a window system.
std::unique_ptr<QGuiApplication> startOffscreenQt();

}  // namespace kelvane::cli
