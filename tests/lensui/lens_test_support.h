// Shared helpers for the lens user-interface tests: one QApplication, a
// fresh session per test, and colour probes on images.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include "lensui/lens_control.h"
#include "lensui/lens_session.h"
#include "lensui/lens_undo.h"
#include "lensui/lens_wnd.h"
#include "tests/temporary_config_home.h"
#include "winui/remembered_place.h"

namespace kelvane::test {

inline void ensureApplication() {
  static int argc = 1;
  static char name[] = "kelvane-lensui-test";
  static char* argv[] = {name, nullptr};
  useTemporaryConfigHome();
  if (!QApplication::instance()) new QApplication(argc, argv);
}

// Closes any lens view and puts the session back to its start values.
inline void resetLensSession() {
  ensureApplication();
  LensSession& s = lensSession();
  delete s.view.data();
  s.model.reset();
  s.Xmax = s.Ymax = 0;
  s.sliderValues = {};
  s.widthValue = 0;
  s.savedDialogRect = QRect();
  forgetRememberedPlaces();
  s.stopScript = nullptr;
  s.toggleScript = nullptr;
  s.writeLensScript = nullptr;
  lensUndo().clear();
}

// Runs the event loop until `done` holds or `ms` pass; true when it held.
// (Qt's QTRY macros report to Qt Test, not to GoogleTest: use this instead.)
template <class Pred>
bool waitFor(Pred done, int ms = 5000) {
  return QTest::qWaitFor(done, ms);
}

// An image whose logical resolution is `dpi`, filled white.
inline QImage whiteImage(int w, int h, int dpi) {
  QImage img(w, h, QImage::Format_RGB32);
  const int dotsPerMeter = static_cast<int>(dpi / 0.0254 + 0.5);
  img.setDotsPerMeterX(dotsPerMeter);
  img.setDotsPerMeterY(dotsPerMeter);
  img.fill(Qt::white);
  return img;
}

inline bool isColor(const QImage& img, int x, int y, QRgb rgb) {
  if (!img.valid(x, y)) return false;
  return (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
}

// Number of pixels of exactly that colour.
inline int countColor(const QImage& img, QRgb rgb) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += isColor(img, x, y, rgb);
  return n;
}

// A fresh session with a single-beam lens view and its Lens Control dialog
// open, as a user finds them after opening the view.
class LensControlFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    resetLensSession();
    view = openLensView(nullptr, kSingleBeamMode);
    dlg = lensSession().control;
    ASSERT_NE(dlg, nullptr);
  }
  void TearDown() override { resetLensSession(); }

  QLineEdit* edit(int id) const { return dlg->controlAs<QLineEdit>(id); }
  // The slider of lens row `row` (0 ivx ... 4 depth).
  QSlider* slider(int row) const { return dlg->controlAs<QSlider>(IDC_ROW_FIRST + 3 * row + 2); }
  // Types `text` into a field and presses Enter there.
  void enter(int id, const QString& text) {
    edit(id)->clear();
    QTest::keyClicks(edit(id), text);
    QTest::keyClick(edit(id), Qt::Key_Return);
  }

  LensWnd* view = nullptr;
  LensControl* dlg = nullptr;
};

}  // namespace kelvane::test
