// What the drawing commands of kelvane-cli share (builds with Qt only).
#pragma once

#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

#include "cli/typed_options.h"
#include "draw/qt/picture_export.h"

namespace kelvane::cli {

// Resolutions a picture may be drawn at.
inline constexpr WholeRule kPictureDpi{draw::kMinPngDpi, draw::kMaxPngDpi,
                                       "a whole number from 96 to 1200"};

// Qt on the offscreen platform, whatever DISPLAY says, for as long as it
// lives: drawing needs fonts and a paint engine, never a window system.
class OffscreenQt {
 public:
  OffscreenQt();
  ~OffscreenQt();
  OffscreenQt(const OffscreenQt&) = delete;
  OffscreenQt& operator=(const OffscreenQt&) = delete;

 private:
  std::unique_ptr<QTemporaryDir> m_runtimeDir;  // when the session has none; outlives the app
  std::unique_ptr<QGuiApplication> m_app;
};

}  // namespace kelvane::cli
