#include "calc/ordered_groups.h"

#include <atomic>
#include <vector>

#include <gtest/gtest.h>

namespace kelvane {
namespace {

struct Outcome {
  long group = -1;
  unsigned startFlags = 0;
  bool complete = false;
};

// Group g leaves flag 0x4 raised when g % 7 == 3, stops early (a kill) at
// `stopAt`, and takes uneven time so that threads finish out of order.
struct FakeEvaluator {
  long stopAt = -1;
  std::atomic<long>* evaluations = nullptr;

  GroupEnd operator()(long g, unsigned startFlags, Outcome& out) {
    volatile long spin = 0;
    for (long i = 0; i < (g % 5) * 20000; ++i) spin = spin + 1;
    if (evaluations) evaluations->fetch_add(1);
    out = {g, startFlags, g != stopAt};
    return {g != stopAt, g % 7 == 3 ? 0x4u : 0u};
  }
};

std::vector<Outcome> run(long groups, int threads, long window, FakeEvaluator evaluator, unsigned initialFlags = 0) {
  std::vector<Outcome> seen;
  runOrderedGroups<Outcome>(groups, threads, initialFlags, evaluator,
                            [&](long g, const Outcome& o, bool complete) {
                              EXPECT_EQ(g, static_cast<long>(seen.size()));
                              EXPECT_EQ(o.group, g);
                              EXPECT_EQ(o.complete, complete);
                              seen.push_back(o);
                            },
                            window);
  return seen;
}

TEST(OrderedGroups, ConsumesEveryGroupInOrderWhateverTheThreads) {
  for (int threads : {1, 2, 3, 8}) {
    for (long window : {1L, 3L, 64L}) {
      const std::vector<Outcome> seen = run(300, threads, window, FakeEvaluator{});
      ASSERT_EQ(seen.size(), 300u) << threads << " threads, window " << window;
    }
  }
}

TEST(OrderedGroups, EachGroupSeesTheFlagsTheGroupBeforeItLeft) {
  for (int threads : {1, 2, 4}) {
    std::atomic<long> evaluations{0};
    const std::vector<Outcome> seen = run(200, threads, 16, FakeEvaluator{-1, &evaluations}, 0x1u);
    ASSERT_EQ(seen.size(), 200u);
    EXPECT_EQ(seen[0].startFlags, 0x1u) << "the first group starts with the initial flags";
    for (long g = 1; g < 200; ++g)
      EXPECT_EQ(seen[g].startFlags, (g - 1) % 7 == 3 ? 0x4u : 0u) << "group " << g << ", " << threads << " threads";
    // Only the groups after a flag-leaving one are evaluated twice.
    if (threads > 1) {
      EXPECT_LE(evaluations.load(), 200 + 200 / 7 + 1);
    }
  }
}

TEST(OrderedGroups, StopsAfterTheFirstIncompleteGroup) {
  for (int threads : {1, 2, 4}) {
    const std::vector<Outcome> seen = run(500, threads, 32, FakeEvaluator{123});
    ASSERT_EQ(seen.size(), 124u) << threads << " threads";
    EXPECT_FALSE(seen.back().complete);
    for (long g = 0; g < 123; ++g) EXPECT_TRUE(seen[g].complete);
  }
}

}  // namespace
}  // namespace kelvane
