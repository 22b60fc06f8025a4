// UpDown: the small pair of arrow buttons beside a value field. It keeps an
// integer range and position, writes the position into its buddy field as a
// plain decimal, follows the Up and Down keys in the buddy, and speeds up
// while an arrow is held (three acceleration steps by the time held).
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <array>

class QLineEdit;
class QToolButton;

namespace kelvane {

// One acceleration step: from `fromMs` of holding, move by `increment`.
struct UpDownAccel {
  int fromMs;
  int increment;
};

// The three steps setupSpinBox gives a range lo..hi: 1 at first, then
// max(2, |hi - lo| / 100) after one second, max(4, 4 * (|hi - lo| / 100))
// after two (integer division).
std::array<UpDownAccel, 3> spinAccel(int lo, int hi);

// The increment for an arrow held for `heldMs`.
int accelIncrement(const std::array<UpDownAccel, 3>& accel, qint64 heldMs);

class UpDown : public QWidget {
  Q_OBJECT
 public:
  UpDown(QLineEdit* buddy, QWidget* parent);

  // setupSpinBox: range lo..hi, position pos (held inside the range) and the
  // acceleration for that range. The buddy shows the position.
  void setup(int lo, int hi, int pos);
  void setPosition(int pos);
  int position() const { return m_pos; }
  int minimum() const { return m_lo; }
  int maximum() const { return m_hi; }
  QLineEdit* buddy() const { return m_buddy; }
  QToolButton* upButton() const { return m_up; }
  QToolButton* downButton() const { return m_down; }

  // One arrow step up (+1) or down (-1), `heldMs` into a press: takes the
  // buddy's number as the start when it holds one, moves by the accelerated
  // increment within the range, writes the buddy and emits thumbPosition.
  void step(int direction, qint64 heldMs);

 signals:
  // The position after a user step (the thumb-position notification).
  void thumbPosition(int pos);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void writeBuddy();
  QLineEdit* m_buddy;
  QToolButton* m_up;
  QToolButton* m_down;
  int m_lo = 0;
  int m_hi = 100;
  int m_pos = 0;
  std::array<UpDownAccel, 3> m_accel{};
  QElapsedTimer m_held;  // since the arrow (button or key) went down
};

}  // namespace kelvane
