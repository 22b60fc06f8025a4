// The PsView ring: worked cases, the view's distance from the newest line,
// scrolling, painting from the cache, Save and Inspect, the configuration
// limits and concurrent use. (Random operations against a plain model are
// the fuzz target's, tests/fuzz/psview_target.cpp, replayed in every build.)
#include "trace/psview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace kelvane {
namespace {

constexpr int kLineHeight = 10;
constexpr int kCharWidth = 6;

// Counts what the ring asks of its window.
class FakeWindow : public PsViewWindow {
 public:
  void setVerticalScroll(int vmax, int vpos) override {
    lastVmax.store(vmax);
    lastVpos.store(vpos);
    scrollCalls.fetch_add(1);
  }
  void invalidate() override { invalidateCalls.fetch_add(1); }
  std::atomic<int> lastVmax{-1}, lastVpos{-1}, scrollCalls{0}, invalidateCalls{0};
};

// A ring attached to a window of `rows` text rows.
struct Viewed {
  explicit Viewed(int rows, int size = kPsViewDefaultBufferSize,
                  int maxLine = kPsViewDefaultMaxLine)
      : view(size, maxLine) {
    view.setMetrics(kCharWidth, kLineHeight);
    view.attachWindow(&window);
    view.sizeChanged(100 * kCharWidth, rows * kLineHeight);
  }
  ~Viewed() { view.attachWindow(nullptr); }
  FakeWindow window;
  PsView view;
};

std::string numbered(int n, int length) {
  std::string s = "line " + std::to_string(n) + " ";
  s.resize(static_cast<size_t>(length), static_cast<char>('a' + n % 26));
  return s;
}

struct Painted {
  int x, y;
  std::string text;
};

std::vector<Painted> paintAll(PsView& view, int top, int bottom) {
  std::vector<Painted> out;
  view.paint(top, bottom, [&](int x, int y, const char* text, int length) {
    out.push_back({x, y, std::string(text, static_cast<size_t>(length))});
  });
  return out;
}

void expectValid(const PsView& view) {
  std::string why;
  EXPECT_TRUE(view.checkInvariants(&why)) << why;
}

TEST(PsViewRing, NewRingHoldsTopOfBuffer) {
  PsView view;
  EXPECT_EQ(view.lines(), std::vector<std::string>{"Top of Buffer"});
  EXPECT_EQ(view.bufferSize(), 8000);
  EXPECT_EQ(view.maxLine(), 80);
  EXPECT_EQ(view.longest(), 13);
  expectValid(view);
}

TEST(PsViewRing, NinetyEightLinesFillToTheFirstWrapAndTheNextDropsTwo) {
  PsView view;
  for (int i = 1; i <= 98; ++i) view.append(numbered(i, 80).c_str(), 0);
  EXPECT_EQ(view.lineCount(), 99);
  EXPECT_EQ(view.lines().front(), "Top of Buffer");
  expectValid(view);

  view.append(numbered(99, 80).c_str(), 0);
  const std::vector<std::string> lines = view.lines();
  ASSERT_EQ(lines.size(), 98u);
  EXPECT_EQ(lines.front(), numbered(2, 80));
  EXPECT_EQ(lines.back(), numbered(99, 80));
  expectValid(view);
}

TEST(PsViewRing, LengthArgumentsAndCutting) {
  PsView view;
  const std::string hundred(100, 'x');
  view.append(hundred.c_str(), 0);
  EXPECT_EQ(view.lines().back(), std::string(80, 'x'));
  EXPECT_EQ(view.longest(), 80);

  view.append("abcdef", 3);  // an explicit length
  EXPECT_EQ(view.lines().back(), "abc");
  const char counted[] = "\x04wxyz-not-this";
  view.append(counted, kPsViewCounted);
  EXPECT_EQ(view.lines().back(), "wxyz");

  const int before = view.lineCount();
  view.append("", 0);
  view.append("\0abc", 4);
  view.append("\0", kPsViewCounted);
  EXPECT_EQ(view.lineCount(), before);  // empty texts add nothing

  view.appendf("Test %s", "Message");
  EXPECT_EQ(view.lines().back(), "Test Message");
  view.resize(8000, 200);
  view.appendf("%s", std::string(150, 'q').c_str());
  EXPECT_EQ(view.lines().back(), std::string(kPsViewAppendfMax, 'q'));
  view.appendf("%s", "");
  EXPECT_EQ(view.lineCount(), 2);
  expectValid(view);
}

TEST(PsViewRing, ClearAndResizeStartAgainFromTopOfBuffer) {
  PsView view;
  for (int i = 0; i < 300; ++i) view.append(numbered(i, 40).c_str(), 0);
  view.reset(0);
  EXPECT_EQ(view.lines(), std::vector<std::string>{"Top of Buffer"});
  EXPECT_EQ(view.bufferSize(), 8000);
  expectValid(view);

  // The smallest ring allowed: a new, shorter maximum applies to "Top of Buffer" too.
  view.resize(7, 2);
  EXPECT_EQ(view.lines(), std::vector<std::string>{"To"});
  for (int i = 0; i < 50; ++i) {
    view.append(numbered(i, 10).c_str(), 0);
    expectValid(view);
  }
  EXPECT_EQ(view.lines().back(), "li");
}

// A new ring too small for three of its longest lines would overrun with
// the first one: it grows to the smallest size allowed.
TEST(PsViewRing, ResetToATooSmallSizeGrowsTheRingToThreeLines) {
  PsView view(8000, 80);
  for (const int size : {1, 5, 240}) {
    view.reset(size);
    EXPECT_EQ(view.bufferSize(), 241) << size;
    EXPECT_EQ(view.lines(), std::vector<std::string>{"Top of Buffer"});
    for (int i = 0; i < 10; ++i) view.append(numbered(i, 80).c_str(), 0);
    EXPECT_EQ(view.lines().back(), numbered(9, 80));
    expectValid(view);
  }
  view.reset(241 + 50);
  EXPECT_EQ(view.bufferSize(), 291) << "an allowed size stays as asked";
}

TEST(PsViewView, ViewAtTheEndFollowsNewLines) {
  Viewed v(10);
  for (int i = 0; i < 30; ++i) v.view.append(numbered(i, 20).c_str(), 0);
  EXPECT_EQ(v.view.vmax(), 31 + 2 - 10);
  EXPECT_EQ(v.view.vpos(), v.view.vmax());
  // At vpos = vmax one empty row follows the newest line.
  const auto painted = paintAll(v.view, 0, 10 * kLineHeight);
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted.back().text, numbered(29, 20));
  EXPECT_EQ(painted.back().y, 8 * kLineHeight);
}

TEST(PsViewView, ScrolledBackViewKeepsItsDistanceAlsoWhenLinesDrop) {
  Viewed v(10, 2000, 80);
  for (int i = 0; i < 40; ++i) v.view.append(numbered(i, 30).c_str(), 0);
  ASSERT_EQ(v.view.scrollVertical(kScrollBottom, 0), 0);
  for (int i = 0; i < 20; ++i) v.view.scrollVertical(kScrollLineUp, 0);
  EXPECT_EQ(v.view.vmax() - v.view.vpos(), 20);

  // The ring is full: each further 30-character line drops exactly one.
  for (int i = 40; i < 200; ++i) {
    v.view.append(numbered(i, 30).c_str(), 0);
    ASSERT_EQ(v.view.vmax() - v.view.vpos(), 20) << i;
    const auto painted = paintAll(v.view, 0, 10 * kLineHeight);
    ASSERT_FALSE(painted.empty());
    // Row 8, the last whole row above the empty one at the end, holds the
    // line 20 lines before the newest.
    const auto lines = v.view.lines();
    const auto row8 = std::find_if(painted.begin(), painted.end(),
                                   [](const Painted& p) { return p.y == 8 * kLineHeight; });
    ASSERT_NE(row8, painted.end());
    EXPECT_EQ(row8->text, lines[lines.size() - 21]);
  }
}

TEST(PsViewView, ViewAtTheTopStaysAtTheTopWhenLinesDrop) {
  Viewed v(10, 400, 80);
  for (int i = 0; i < 100; ++i) {
    v.view.append(numbered(i, 70).c_str(), 0);  // may drop two at a time
    expectValid(v.view);
    v.view.scrollVertical(kScrollTop, 0);
    ASSERT_EQ(v.view.vpos(), 0);
  }
}

TEST(PsViewView, NewWindowShowsTopOfBufferInTheSecondRow) {
  Viewed v(10);
  const auto painted = paintAll(v.view, 0, 10 * kLineHeight);
  ASSERT_EQ(painted.size(), 1u);
  EXPECT_EQ(painted[0].text, "Top of Buffer");
  EXPECT_EQ(painted[0].y, kLineHeight);
  EXPECT_EQ(painted[0].x, kCharWidth);
  // Rows below the last line draw nothing.
  EXPECT_TRUE(paintAll(v.view, 3 * kLineHeight, 10 * kLineHeight).empty());
}

TEST(PsViewView, ScrollRequestsFollowTheTables) {
  Viewed v(10);
  for (int i = 0; i < 50; ++i) v.view.append(numbered(i, 40).c_str(), 0);
  const int vmax = v.view.vmax();
  ASSERT_EQ(vmax, 51 + 2 - 10);
  EXPECT_EQ(v.view.scrollVertical(kScrollLineDown, 0), 0);  // already at the end
  EXPECT_EQ(v.view.scrollVertical(kScrollPageUp, 0), -10);
  EXPECT_EQ(v.view.scrollVertical(kScrollLineUp, 0), -1);
  EXPECT_EQ(v.view.scrollVertical(kScrollThumbTrack, 5), 5 - (vmax - 11));
  EXPECT_EQ(v.view.vpos(), 5);
  EXPECT_EQ(v.view.scrollVertical(kScrollThumbPosition, 30), 0);
  EXPECT_EQ(v.view.scrollVertical(kScrollTop, 0), -5);
  EXPECT_EQ(v.view.scrollVertical(kScrollPageUp, 0), 0);
  EXPECT_EQ(v.view.scrollVertical(kScrollBottom, 0), vmax);
  EXPECT_EQ(v.view.scrollVertical(99, 0), 0);

  // Horizontal: longest 40 in a 100-column window gives no range; narrow it.
  PsView::ScrollState s = v.view.sizeChanged(20 * kCharWidth, 10 * kLineHeight);
  EXPECT_EQ(s.hmax, 40 + 2 - 20);
  EXPECT_EQ(v.view.scrollHorizontal(kScrollPageDown, 0), 8);
  EXPECT_EQ(v.view.scrollHorizontal(kScrollThumbTrack, 20), 0);  // dragging moves nothing
  EXPECT_EQ(v.view.scrollHorizontal(kScrollThumbPosition, 20), 12);
  EXPECT_EQ(v.view.scrollHorizontal(kScrollPageDown, 0), 2);
  EXPECT_EQ(v.view.scrollHorizontal(kScrollLineUp, 0), -1);
  const auto painted = paintAll(v.view, 0, 10 * kLineHeight);
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted[0].x, (1 - 21) * kCharWidth);
  // Clear leaves hpos alone until the next size notification.
  v.view.reset(0);
  EXPECT_EQ(v.view.scrollState().hpos, 21);
  EXPECT_EQ(v.view.sizeChanged(20 * kCharWidth, 10 * kLineHeight).hpos, 0);
}

// Once the cached line has dropped, the cache must stay unusable however
// many lines drop afterwards, or painting would start from a stale record.
TEST(PsViewView, PaintCacheStaysInvalidAfterItsLineDropped) {
  Viewed v(10, kPsViewMaxBufferSize, 80);
  PsView& view = v.view;
  int n = 0;
  auto twoChars = [&n] {
    std::string s{static_cast<char>('A' + n % 26), static_cast<char>('a' + (n / 26) % 26)};
    ++n;
    return s;
  };
  while (view.lineCount() < 20000) view.append(twoChars().c_str(), 0);
  view.scrollVertical(kScrollTop, 0);
  paintAll(view, 0, kLineHeight * 10);  // caches line 0
  for (int i = 0; i < 45000; ++i) view.append(twoChars().c_str(), 0);
  EXPECT_EQ(view.cacheIndex(), kPsViewCacheInvalid);

  view.scrollVertical(kScrollBottom, 0);
  const auto lines = view.lines();
  const auto painted = paintAll(view, 0, kLineHeight * 10);
  ASSERT_FALSE(painted.empty());
  for (const Painted& p : painted) {
    EXPECT_EQ(p.text, lines[static_cast<size_t>(p.y / kLineHeight + view.vpos() - 1)]);
  }
  // The cache now moves with the dropped lines.
  const int cached = view.cacheIndex();
  view.append("zz", 0);
  EXPECT_EQ(view.cacheIndex(), cached - 1);
  expectValid(view);
}

TEST(PsViewView, RefreshMergesAppendsIntoOneRequest) {
  Viewed v(10);
  v.view.setImmediate(false);
  v.window.invalidateCalls = 0;
  v.window.scrollCalls = 0;
  for (int i = 0; i < 100; ++i) v.view.append("x", 0);
  EXPECT_EQ(v.window.invalidateCalls.load(), 0);
  v.view.refresh();
  v.view.refresh();
  EXPECT_EQ(v.window.invalidateCalls.load(), 1);
  EXPECT_EQ(v.window.scrollCalls.load(), 1);
  EXPECT_EQ(v.window.lastVpos.load(), v.view.vpos());
  EXPECT_EQ(v.window.lastVmax.load(), 101 + 2 - 10);

  v.view.setImmediate(true);
  v.view.append("y", 0);
  EXPECT_EQ(v.window.invalidateCalls.load(), 2);
  v.view.attachWindow(nullptr);
  v.view.append("z", 0);  // no window: nothing is asked of it
  EXPECT_EQ(v.window.invalidateCalls.load(), 2);
}

TEST(PsViewCommands, SaveWritesTheRingOldestFirst) {
  PsView view(2000, 80);
  for (int i = 1; i <= 150; ++i) view.append(numbered(i, 30).c_str(), 0);
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  view.save(file);
  std::rewind(file);
  std::string text;
  char buffer[256];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  std::fclose(file);

  std::string expected;
  const auto lines = view.lines();
  ASSERT_LT(lines.size(), 150u);
  for (const auto& l : lines) expected += l + "\n";
  EXPECT_EQ(text, expected);
  EXPECT_EQ(lines.back(), numbered(150, 30));
  EXPECT_EQ(lines.front(), numbered(151 - static_cast<int>(lines.size()), 30));
}

TEST(PsViewCommands, InspectReadsTheLineUnderTheClick) {
  Viewed v(10);
  EXPECT_FALSE(v.view.lineAtY(5).has_value());  // the empty top row
  EXPECT_EQ(v.view.lineAtY(kLineHeight + 3).value_or("?"), "Top of Buffer");
  EXPECT_FALSE(v.view.lineAtY(2 * kLineHeight).has_value());  // below the last line

  v.view.append("deviation 12.5% at 40%s", 0);
  EXPECT_EQ(v.view.lineAtY(2 * kLineHeight).value_or("?"), "deviation 12.5% at 40%s");
  for (int i = 0; i < 30; ++i) v.view.append(numbered(i, 20).c_str(), 0);
  // At the end (vpos = vmax) row 1 holds line vmax.
  const auto lines = v.view.lines();
  EXPECT_EQ(v.view.lineAtY(kLineHeight), lines[static_cast<size_t>(v.view.vpos())]);
  EXPECT_EQ(v.view.lineAtY(0), lines[static_cast<size_t>(v.view.vpos() - 1)]);
}

TEST(PsViewCommands, ConfigurationLimits) {
  EXPECT_TRUE(PsView::validMaxLine(5));
  EXPECT_TRUE(PsView::validMaxLine(2));
  EXPECT_TRUE(PsView::validMaxLine(254));
  EXPECT_FALSE(PsView::validMaxLine(1));
  EXPECT_FALSE(PsView::validMaxLine(255));
  EXPECT_FALSE(PsView::validBufferSize(180, 60));
  EXPECT_TRUE(PsView::validBufferSize(181, 60));
  EXPECT_TRUE(PsView::validBufferSize(65520, 254));
  EXPECT_FALSE(PsView::validBufferSize(65521, 60));
}

TEST(PsViewConcurrency, FourWritersWhileOnePaintsAndSaves) {
  Viewed v(20, 4000, 80);
  constexpr int kWriters = 4;
  constexpr int kLines = 5000;
  std::atomic<int> running{kWriters};
  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w) {
    writers.emplace_back([&, w] {
      char line[64];
      for (int i = 0; i < kLines; ++i) {
        std::snprintf(line, sizeof line, "writer %d line %d", w, i);
        v.view.append(line, 0);
      }
      running.fetch_sub(1);
    });
  }
  std::FILE* sink = std::tmpfile();
  ASSERT_NE(sink, nullptr);
  int paints = 0;
  while (running.load() > 0 || paints < 10) {
    paintAll(v.view, 0, 20 * kLineHeight);
    v.view.save(sink);
    v.view.scrollVertical(paints % 8, paints);
    v.view.refresh();
    ++paints;
  }
  for (auto& t : writers) t.join();
  std::fclose(sink);
  expectValid(v.view);

  // Each writer's lines in the ring are in its own order.
  int last[kWriters] = {-1, -1, -1, -1};
  for (const auto& l : v.view.lines()) {
    int w, i;
    if (std::sscanf(l.c_str(), "writer %d line %d", &w, &i) == 2) {
      ASSERT_GT(i, last[w]);
      last[w] = i;
    }
  }
  for (int w = 0; w < kWriters; ++w) EXPECT_LE(last[w], kLines - 1);
  EXPECT_TRUE(last[0] == kLines - 1 || last[1] == kLines - 1 || last[2] == kLines - 1 ||
              last[3] == kLines - 1);
}

}  // namespace
}  // namespace kelvane
