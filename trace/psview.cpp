#include "trace/psview.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <new>

namespace kelvane {

PsView::PsView(int bufferSize, int maxLine) {
  if (!validMaxLine(maxLine)) maxLine = kPsViewDefaultMaxLine;
  if (!validBufferSize(bufferSize, maxLine)) bufferSize = kPsViewDefaultBufferSize;
  resize(bufferSize, maxLine);
}

bool PsView::validMaxLine(long value) {
  return value >= kPsViewMinMaxLine && value <= kPsViewMaxMaxLine;
}

bool PsView::validBufferSize(long value, int maxLine) {
  return value > 3L * maxLine && value <= kPsViewMaxBufferSize;
}

// The record after the one at pos; a wrap marker, or a position past the
// last usable byte, continues at the start of the ring.
int PsView::next(int pos) const {
  pos += m_ring[pos] + 1;
  if (pos > m_limit + 1 || m_ring[pos] == 0) return 0;
  return pos;
}

int PsView::visibleRowsLocked() const {
  return m_lineHeight > 0 ? m_clientHeight / m_lineHeight : 0;
}

void PsView::clampVerticalLocked() {
  m_vmax = std::max(0, m_lineCount + 2 - visibleRowsLocked());
  m_vpos = std::clamp(m_vpos, 0, m_vmax);
}

void PsView::resetLocked() {
  m_oldest = m_write = m_cachePos = 0;
  m_longest = 0;
  m_lineCount = 0;
  m_vpos = 0;
  m_cacheIndex = 0;
  m_scrollDirty.store(false);
  m_contentDirty.store(false);
  appendLocked(reinterpret_cast<const unsigned char*>(kTopOfBuffer),
               static_cast<int>(std::strlen(kTopOfBuffer)));
}

// Stores one line of length 1..maxLine; returns the number of lines dropped.
int PsView::appendLocked(const unsigned char* text, int length) {
  const int len = std::min(length, m_maxLine);
  int dropped = 0;
  unsigned char* ring = m_ring.data();

  // Wrap: the line does not fit before limit, so it goes to the start. If
  // the oldest lines lie between write and the end, they go first.
  if (m_write + len >= m_limit) {
    if (m_lineCount > 0 && m_oldest >= m_write) {
      while (m_oldest <= m_limit && ring[m_oldest] != 0) {
        m_oldest += ring[m_oldest] + 1;
        ++dropped;
      }
      m_oldest = 0;
    }
    ring[m_write] = 0;
    m_write = 0;
  }

  // Overlap: drop the oldest records the new one would overwrite.
  if (m_write <= m_oldest && m_lineCount - dropped > 0 && m_write + len >= m_oldest) {
    while (m_oldest <= m_limit && ring[m_oldest] != 0 && m_oldest <= m_write + len) {
      m_oldest += ring[m_oldest] + 1;
      ++dropped;
    }
    if (m_oldest > m_limit || ring[m_oldest] == 0) m_oldest = 0;
  }

  ring[m_write] = static_cast<unsigned char>(len);
  std::memcpy(ring + m_write + 1, text, static_cast<size_t>(len));
  m_write += len + 1;
  m_longest = std::max(m_longest, len);

  // The cached line keeps its record while lines ahead of it drop; only its
  // index moves. Once invalid it stays invalid until the next paint.
  if (m_cacheIndex != kPsViewCacheInvalid && m_cacheIndex >= dropped) {
    m_cacheIndex -= dropped;
  } else {
    m_cacheIndex = kPsViewCacheInvalid;
  }

  // The view keeps its distance from the newest line, as far as the oldest
  // line allows.
  m_lineCount += 1 - dropped;
  m_vpos = std::max(0, m_vpos + 1 - dropped);
  if (m_windowAttached) {
    clampVerticalLocked();
    if (dropped != 1) m_scrollDirty.store(true);  // one dropped: same count, same range
    m_contentDirty.store(true);
  }
  return dropped;
}

void PsView::append(const char* text, int length) {
  if (!text || text[0] == 0) return;
  const unsigned char* src = reinterpret_cast<const unsigned char*>(text);
  {
    std::lock_guard lock(m_lock);
    int len;
    if (length == kPsViewCounted) {
      len = src[0];
      ++src;
    } else if (length == kPsViewMeasure) {
      len = static_cast<int>(strnlen(text, static_cast<size_t>(m_maxLine)));
    } else {
      len = length;
    }
    if (len <= 0) return;
    appendLocked(src, len);
  }
  if (m_immediate.load()) refresh();
}

void PsView::appendf(const char* format, ...) {
  char record[1 + kPsViewAppendfMax + 1];
  va_list args;
  va_start(args, format);
  const int written = std::vsnprintf(record + 1, sizeof record - 1, format, args);
  va_end(args);
  if (written <= 0) return;
  record[0] = static_cast<char>(std::min(written, kPsViewAppendfMax));
  append(record, kPsViewCounted);  // append cuts it further to maxLine
}

void PsView::refresh() {
  PsViewWindow* window = m_window.load();
  if (!window) return;
  // Clearing before acting: an append that raises a flag meanwhile is acted
  // on by the next refresh, never lost.
  if (m_scrollDirty.exchange(false)) {
    int vmax, vpos;
    {
      std::lock_guard lock(m_lock);
      vmax = m_vmax;
      vpos = m_vpos;
    }
    window->setVerticalScroll(vmax, vpos);
  }
  if (m_contentDirty.exchange(false)) window->invalidate();
}

void PsView::reset(int size) {
  size &= 0xFFFF;
  {
    std::lock_guard lock(m_lock);
    if (size != 0) {
      // A ring must hold three of its longest lines, as the configuration
      // dialog demands; a smaller one would overrun with "Top of Buffer".
      size = std::max(size, std::min(kPsViewMaxBufferSize, 3 * m_maxLine + 1));
      try {
        std::vector<unsigned char> ring(static_cast<size_t>(size), 0);
        m_ring.swap(ring);
        m_bufferSize = size;
        m_limit = size - 2;
      } catch (const std::bad_alloc&) {
        // Keep the old ring: the window stays usable, only emptied.
      }
    }
    resetLocked();
  }
  if (m_immediate.load()) refresh();
}

void PsView::resize(int size, int maxLine) {
  {
    // The new maximum applies already to "Top of Buffer": a small ring must
    // never receive a line longer than it was sized for.
    std::lock_guard lock(m_lock);
    m_maxLine = std::clamp(maxLine, kPsViewMinMaxLine, kPsViewMaxMaxLine);
    if (size <= 3 * m_maxLine) size = std::min(kPsViewMaxBufferSize, 3 * m_maxLine + 1);
  }
  reset(size);
}

void PsView::attachWindow(PsViewWindow* window) {
  {
    std::lock_guard lock(m_lock);
    m_windowAttached = window != nullptr;
    if (m_windowAttached) clampVerticalLocked();
  }
  m_window.store(window);
}

void PsView::setMetrics(int charWidth, int lineHeight) {
  std::lock_guard lock(m_lock);
  m_charWidth = std::max(1, charWidth);
  m_lineHeight = std::max(1, lineHeight);
}

PsView::ScrollState PsView::sizeChanged(int clientWidth, int clientHeight) {
  std::lock_guard lock(m_lock);
  m_clientWidth = clientWidth & 0xFFFF;
  m_clientHeight = clientHeight & 0xFFFF;
  clampVerticalLocked();
  const int columns = m_charWidth > 0 ? m_clientWidth / m_charWidth : 0;
  m_hmax = std::max(0, m_longest + 2 - columns);
  m_hpos = std::max(0, std::min(m_hpos, m_hmax));
  return {m_vpos, m_vmax, m_hpos, m_hmax};
}

int PsView::scrollVertical(int request, int thumb) {
  std::lock_guard lock(m_lock);
  const int page = std::max(1, visibleRowsLocked());
  int step = 0;
  switch (request) {
    case kScrollLineUp:
      step = -1;
      break;
    case kScrollLineDown:
      step = 1;
      break;
    case kScrollPageUp:
      step = -page;
      break;
    case kScrollPageDown:
      step = page;
      break;
    case kScrollThumbPosition:
      step = 0;
      break;
    case kScrollThumbTrack:
      step = thumb - m_vpos;
      break;
    case kScrollTop:
      step = -m_vpos;
      break;
    case kScrollBottom:
      step = m_vmax - m_vpos;
      break;
    default:
      step = 0;
      break;
  }
  step = std::clamp(step, -m_vpos, std::max(-m_vpos, m_vmax - m_vpos));
  m_vpos += step;
  return step;
}

int PsView::scrollHorizontal(int request, int thumb) {
  std::lock_guard lock(m_lock);
  int step = 0;
  switch (request) {
    case kScrollLineUp:
      step = -1;
      break;
    case kScrollLineDown:
      step = 1;
      break;
    case kScrollPageUp:
      step = -kHorizontalPageStep;
      break;
    case kScrollPageDown:
      step = kHorizontalPageStep;
      break;
    case kScrollThumbPosition:
      step = thumb - m_hpos;
      break;  // moves on release only
    default:
      step = 0;
      break;
  }
  step = std::clamp(step, -m_hpos, std::max(-m_hpos, m_hmax - m_hpos));
  m_hpos += step;
  return step;
}

PsView::ScrollState PsView::scrollState() const {
  std::lock_guard lock(m_lock);
  return {m_vpos, m_vmax, m_hpos, m_hmax};
}

void PsView::paint(int top, int bottom, const DrawLine& draw) {
  std::lock_guard lock(m_lock);
  if (m_lineHeight <= 0) return;
  const int first = std::max(0, top / m_lineHeight + m_vpos - 1);
  const int end = std::min(m_lineCount, bottom / m_lineHeight + m_vpos);
  if (first >= end) return;

  // Resume from the line the last paint started from when it lies at or
  // before the first line wanted; walk from the oldest otherwise.
  int pos = m_oldest;
  int index = 0;
  if (m_cacheIndex != kPsViewCacheInvalid && first >= m_cacheIndex) {
    pos = m_cachePos;
    index = m_cacheIndex;
  }
  while (index < first) {
    pos = next(pos);
    ++index;
  }
  m_cachePos = pos;
  m_cacheIndex = first;

  int y = (first - m_vpos + 1) * m_lineHeight;
  const int x = (1 - m_hpos) * m_charWidth;
  for (int i = first; i < end; ++i) {
    draw(x, y, reinterpret_cast<const char*>(&m_ring[pos + 1]), m_ring[pos]);
    y += m_lineHeight;
    pos = next(pos);
  }
}

void PsView::save(std::FILE* stream) const {
  std::lock_guard lock(m_lock);
  int pos = m_oldest;
  for (int i = 0; i < m_lineCount; ++i) {
    std::fwrite(&m_ring[pos + 1], 1, m_ring[pos], stream);
    std::fputc('\n', stream);
    pos = next(pos);
  }
}

std::optional<std::string> PsView::lineAtY(int y) const {
  int index;
  {
    std::lock_guard lock(m_lock);
    if (m_lineHeight <= 0) return std::nullopt;
    index = y / m_lineHeight + m_vpos - 1;
  }
  return lineAt(index);
}

std::string PsView::recordText(int pos) const {
  return std::string(reinterpret_cast<const char*>(&m_ring[pos + 1]), m_ring[pos]);
}

std::optional<std::string> PsView::lineAt(int index) const {
  std::lock_guard lock(m_lock);
  if (index < 0 || index >= m_lineCount) return std::nullopt;
  int pos = m_oldest;
  for (int i = 0; i < index; ++i) pos = next(pos);
  return recordText(pos);
}

std::vector<std::string> PsView::lines() const {
  std::lock_guard lock(m_lock);
  std::vector<std::string> out;
  out.reserve(static_cast<size_t>(m_lineCount));
  int pos = m_oldest;
  for (int i = 0; i < m_lineCount; ++i) {
    out.push_back(recordText(pos));
    pos = next(pos);
  }
  return out;
}

int PsView::lockedRead(const int& field) const {
  std::lock_guard lock(m_lock);
  return field;
}

int PsView::lineCount() const { return lockedRead(m_lineCount); }
int PsView::bufferSize() const { return lockedRead(m_bufferSize); }
int PsView::maxLine() const { return lockedRead(m_maxLine); }
int PsView::longest() const { return lockedRead(m_longest); }
int PsView::vpos() const { return lockedRead(m_vpos); }
int PsView::vmax() const { return lockedRead(m_vmax); }
int PsView::cacheIndex() const { return lockedRead(m_cacheIndex); }
int PsView::lineHeight() const { return lockedRead(m_lineHeight); }
int PsView::charWidth() const { return lockedRead(m_charWidth); }

bool PsView::checkInvariants(std::string* why) const {
  std::lock_guard lock(m_lock);
  auto fail = [why](const std::string& text) {
    if (why) *why = text;
    return false;
  };
  if (m_limit != m_bufferSize - 2) return fail("limit is not bufferSize - 2");
  if (m_write < 0 || m_write > m_limit) return fail("write outside 0..limit");
  if (m_lineCount < 1) return fail("no line in the ring");
  int pos = m_oldest;
  if (pos > m_limit || m_ring[pos] == 0) return fail("oldest is not a record");
  int cacheAt = -1;
  int longest = 0;
  for (int i = 0; i < m_lineCount; ++i) {
    const int len = m_ring[pos];
    if (len < 1 || len > m_maxLine)
      return fail("record length out of range at line " + std::to_string(i));
    if (pos + len >= m_limit) return fail("record reaches limit at line " + std::to_string(i));
    longest = std::max(longest, len);
    if (i == m_cacheIndex) cacheAt = pos;
    if (i + 1 == m_lineCount) {
      if (pos + len + 1 != m_write) return fail("last record does not end before write");
    } else {
      if (pos + len + 1 == m_write) return fail("write met before the last record");
      pos = next(pos);
    }
  }
  if (longest > m_longest) return fail("longest is below a stored line");
  if (m_cacheIndex != kPsViewCacheInvalid && cacheAt != m_cachePos)
    return fail("paint cache points at the wrong record");
  if (m_vpos < 0) return fail("vpos below 0");
  if (m_windowAttached) {
    if (m_vmax != std::max(0, m_lineCount + 2 - visibleRowsLocked()))
      return fail("vmax out of date");
    if (m_vpos > m_vmax) return fail("vpos beyond vmax");
  }
  return true;
}

}  // namespace kelvane
