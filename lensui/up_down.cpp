#include "lensui/up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>

namespace kelvane {

namespace {
constexpr int kAutoRepeatDelayMs = 400;
constexpr int kAutoRepeatIntervalMs = 60;
}  // namespace

std::array<UpDownAccel, 3> spinAccel(int lo, int hi) {
  const int hundredth = std::abs(hi - lo) / 100;
  return {{{0, 1}, {1000, std::max(2, hundredth)}, {2000, std::max(4, 4 * hundredth)}}};
}

int accelIncrement(const std::array<UpDownAccel, 3>& accel, qint64 heldMs) {
  int inc = accel[0].increment;
  for (const UpDownAccel& a : accel)
    if (heldMs >= a.fromMs) inc = a.increment;
  return inc;
}

UpDown::UpDown(QLineEdit* buddy, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
  m_accel = spinAccel(m_lo, m_hi);
  for (QToolButton* b : {m_up, m_down}) {
    b->setArrowType(b == m_up ? Qt::UpArrow : Qt::DownArrow);
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(kAutoRepeatDelayMs);
    b->setAutoRepeatInterval(kAutoRepeatIntervalMs);
    b->setFocusPolicy(Qt::NoFocus);  // an up-down is no tab stop
    // The hold starts with the mouse press; auto-repeat re-emits pressed on
    // every tick, so that signal cannot mark it.
    b->installEventFilter(this);
    connect(b, &QToolButton::clicked, this,
            [this, b] { step(b == m_up ? 1 : -1, m_held.isValid() ? m_held.elapsed() : 0); });
  }
  setFocusPolicy(Qt::NoFocus);
  if (m_buddy) m_buddy->installEventFilter(this);
}

void UpDown::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  m_up->setGeometry(0, 0, width(), half);
  m_down->setGeometry(0, half, width(), height() - half);
}

void UpDown::setup(int lo, int hi, int pos) {
  m_lo = lo;
  m_hi = hi;
  m_accel = spinAccel(lo, hi);
  setPosition(pos);
}

void UpDown::setPosition(int pos) {
  m_pos = std::clamp(pos, std::min(m_lo, m_hi), std::max(m_lo, m_hi));
  writeBuddy();
}

void UpDown::writeBuddy() {
  if (m_buddy) m_buddy->setText(QString::number(m_pos));
}

void UpDown::step(int direction, qint64 heldMs) {
  // The buddy may hold a number typed but not yet entered: start from it.
  if (m_buddy) {
    bool ok = false;
    const int typed = m_buddy->text().toInt(&ok);
    if (ok) m_pos = std::clamp(typed, std::min(m_lo, m_hi), std::max(m_lo, m_hi));
  }
  const int inc = accelIncrement(m_accel, heldMs);
  setPosition(m_pos + direction * inc);
  emit thumbPosition(m_pos);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == m_up || watched == m_down) && event->type() == QEvent::MouseButtonPress)
    m_held.start();
  if (watched == m_buddy && isEnabled() &&
      (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
      if (event->type() == QEvent::KeyPress) {
        if (!key->isAutoRepeat()) m_held.start();
        step(key->key() == Qt::Key_Up ? 1 : -1, m_held.isValid() ? m_held.elapsed() : 0);
      }
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kelvane
