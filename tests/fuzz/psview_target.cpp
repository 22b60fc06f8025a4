// Fuzz target: the PsView ring driven by a stream of operations read from
// the input: appends of every kind (counted, NUL-terminated, with a length,
// formatted), clears, new sizes, a window that comes and goes, scrolling,
// painting, Inspect and Save.
//
// After every operation the ring's own invariants must hold. Against a plain
// model (every line since the last clear, cut to the longest line allowed)
// the ring must hold the newest lines in order and drop only what it must;
// painting, Inspect and Save must show exactly the lines it holds.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "trace/psview.h"

namespace {

using namespace kelvane;

// Each check walks the whole ring: more operations would make an input slow
// rather than find more.
constexpr int kMaxOperations = 1024;

[[noreturn]] void broken(const std::string& what) {
  std::fprintf(stderr, "psview target: %s\n", what.c_str());
  std::abort();
}

// Hands out the input's bytes; past the end everything reads as 0.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  bool done() const { return m_pos >= m_size; }
  int byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
  int u16() { return byte() | byte() << 8; }
  int s16() { return static_cast<std::int16_t>(u16()); }
  std::string take(std::size_t n) {
    n = std::min(n, m_size - std::min(m_pos, m_size));
    std::string out(reinterpret_cast<const char*>(m_data + m_pos), n);
    m_pos += n;
    return out;
  }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_pos = 0;
};

class CheckingWindow final : public PsViewWindow {
 public:
  void setVerticalScroll(int vmax, int vpos) override {
    if (vmax < 0 || vpos < 0 || vpos > vmax) broken("a scroll range with vpos outside 0..vmax");
  }
  void invalidate() override {}
};

// What the ring must hold: the lines appended since the last clear.
struct Model {
  std::deque<std::string> lines;
  int maxLine = 0;
  int bufferSize = 0;

  void restart(const PsView& view) {
    maxLine = view.maxLine();
    bufferSize = view.bufferSize();
    lines.assign(1, std::string(kTopOfBuffer).substr(0, static_cast<std::size_t>(maxLine)));
  }
  void add(std::string_view line) {
    if (line.empty()) return;
    lines.emplace_back(line.substr(0, static_cast<std::size_t>(maxLine)));
    // Every record takes at least two bytes: older lines cannot be held.
    while (lines.size() > static_cast<std::size_t>(bufferSize / 2 + 1)) lines.pop_front();
  }
};

void checkAgainstModel(const PsView& view, const Model& model) {
  const std::vector<std::string> lines = view.lines();
  if (static_cast<int>(lines.size()) != view.lineCount())
    broken("lines() disagrees with lineCount");
  if (lines.size() > model.lines.size()) broken("more lines than were appended");
  const std::size_t skipped = model.lines.size() - lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i] != model.lines[skipped + i])
      broken("line " + std::to_string(i) + " is not the appended one");
  if (skipped > 0) {
    std::size_t used = 0;
    for (const auto& l : lines) used += l.size() + 1;
    // Only a wasted tail before the wrap and the gap before the oldest line
    // may be lost.
    if (used + 3u * static_cast<std::size_t>(model.maxLine + 2) <
        static_cast<std::size_t>(model.bufferSize))
      broken("lines dropped that would have fitted");
  }
}

void checkPaint(PsView& view, int top, int bottom) {
  const std::vector<std::string> lines = view.lines();
  const int vpos = view.vpos();
  const int lineHeight = view.lineHeight();
  view.paint(top, bottom, [&](int, int y, const char* text, int length) {
    if (lineHeight <= 0) broken("painted without metrics");
    const int index = y / lineHeight + vpos - 1;
    if (index < 0 || index >= static_cast<int>(lines.size())) broken("painted a row with no line");
    if (lines[static_cast<std::size_t>(index)] !=
        std::string(text, static_cast<std::size_t>(length)))
      broken("painted text differs from the line");
  });
}

void checkInspectAndSave(const PsView& view, int y, int index) {
  const std::vector<std::string> lines = view.lines();
  const auto at = view.lineAt(index);
  const bool inside = index >= 0 && index < static_cast<int>(lines.size());
  if (at.has_value() != inside || (inside && *at != lines[static_cast<std::size_t>(index)]))
    broken("lineAt differs from lines()");
  if (const auto under = view.lineAtY(y);
      under && std::find(lines.begin(), lines.end(), *under) == lines.end())
    broken("Inspect shows a line the ring does not hold");

  char* text = nullptr;
  std::size_t length = 0;
  std::FILE* stream = open_memstream(&text, &length);
  if (!stream) return;
  view.save(stream);
  std::fclose(stream);
  std::string expected;
  for (const auto& l : lines) expected += l + "\n";
  const bool same = expected == std::string(text, length);
  std::free(text);
  if (!same) broken("Save writes other than the lines held");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes in(data, size);
  const int firstSize = in.u16();
  PsView view(firstSize, in.byte());
  CheckingWindow window;
  Model model;
  model.restart(view);

  for (int op = 0; op < kMaxOperations && !in.done(); ++op) {
    switch (in.byte() % 12) {
      case 0:  // counted record: its length byte, then the text
      case 1: {
        std::string record(1, '\0');
        record += in.take(static_cast<std::size_t>(in.byte()));
        record[0] = static_cast<char>(record.size() - 1);
        view.append(record.c_str(), kPsViewCounted);
        model.add(std::string_view(record).substr(1));
        break;
      }
      case 2: {  // NUL-terminated text
        const std::string text = in.take(static_cast<std::size_t>(in.byte()));
        view.append(text.c_str(), kPsViewMeasure);
        model.add(std::string_view(text.c_str()));
        break;
      }
      case 3: {  // a length, or a negative one that adds nothing
        const std::string text = in.take(static_cast<std::size_t>(in.byte()));
        const bool negative = in.byte() % 4 == 0;
        if (text.empty()) break;  // a length of 0 would measure instead
        view.append(text.data(),
                    negative ? -2 - static_cast<int>(text.size()) : static_cast<int>(text.size()));
        if (!negative && text[0] != '\0') model.add(text);
        break;
      }
      case 4: {  // formatted, at most 88 characters
        const std::string text = in.take(static_cast<std::size_t>(in.byte()));
        view.appendf("%s", text.c_str());
        model.add(
            std::string_view(text.c_str())
                .substr(0, std::min<std::size_t>(std::strlen(text.c_str()), kPsViewAppendfMax)));
        break;
      }
      case 5:  // Clear
        view.reset(0);
        model.restart(view);
        break;
      case 6: {  // a new ring of any size
        int newSize = in.u16();
        if (in.byte() % 2) newSize = -newSize;
        view.reset(newSize);
        model.restart(view);
        break;
      }
      case 7: {  // the configuration dialog's OK (it checks the limits itself)
        const int newSize = in.u16();
        const int maxLine = in.byte();
        view.resize(newSize, maxLine);
        model.restart(view);
        break;
      }
      case 8: {  // the window comes or goes, or changes its font or size
        const int what = in.byte();
        if (what % 3 == 0) view.attachWindow(what & 8 ? nullptr : &window);
        if (what % 3 == 1) view.setMetrics(in.byte() - 8, in.byte() - 8);
        const auto s = view.sizeChanged(in.s16(), in.s16());
        if (s.vpos < 0 || s.vpos > s.vmax || s.hpos < 0 || s.hpos > s.hmax)
          broken("a size change leaves a position outside its range");
        break;
      }
      case 9: {
        const int request = in.byte();
        const int thumb = in.s16();
        if (request & 0x80)
          view.scrollHorizontal(request % 10, thumb);
        else
          view.scrollVertical(request % 10, thumb);
        break;
      }
      case 10: {
        const int top = in.s16();
        checkPaint(view, top, top + in.u16());
        break;
      }
      default: {
        const int what = in.byte();
        view.setImmediate(what & 1);
        if (what & 2) view.refresh();
        checkInspectAndSave(view, in.s16(), in.s16());
        break;
      }
    }
    std::string why;
    if (!view.checkInvariants(&why)) broken("after operation " + std::to_string(op) + ": " + why);
    if (view.bufferSize() != model.bufferSize || view.maxLine() != model.maxLine)
      broken("the ring changed its size by itself");
    if (op % 16 == 0) checkAgainstModel(view, model);
  }
  checkAgainstModel(view, model);
  view.attachWindow(nullptr);
  return 0;
}
