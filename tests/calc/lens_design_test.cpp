// The lens designer's search: repeatable, held within its bounds and
// stoppable between traces.
#include "calc/lens_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <tuple>

#include "calc/design_worker.h"

namespace kelvane {
namespace {

DesignRequest narrowRequest() {
  DesignRequest r;
  r.targetFocus = 400;
  r.bounds[kDesignIvx] = {220, 260};
  r.bounds[kDesignEvx] = {300, 320};
  r.bounds[kDesignDepth] = {30, 40};
  return r;
}

TEST(LensDesign, TheSameRequestGivesTheSameLensWithinTheBounds) {
  const DesignRequest request = narrowRequest();
  const DesignResult first = designLens(request);
  const DesignResult second = designLens(request);
  ASSERT_TRUE(first.reached);
  const Lens& a = first.lens;
  const Lens& b = second.lens;
  EXPECT_EQ(a.ivx, b.ivx);
  EXPECT_EQ(a.ivy, b.ivy);
  EXPECT_EQ(a.evx, b.evx);
  EXPECT_EQ(a.evy, b.evy);
  EXPECT_EQ(a.depth, b.depth);
  EXPECT_EQ(first.devpcnt, second.devpcnt);
  EXPECT_EQ(first.traced, second.traced);
  const double values[kDesignValues] = {a.ivx, a.ivy, a.evx, a.evy, a.depth};
  for (int v = 0; v < kDesignValues; ++v) {
    EXPECT_GE(values[v], request.bounds[v].least) << v;
    EXPECT_LE(values[v], request.bounds[v].most) << v;
  }
  EXPECT_LE(std::fabs(first.focus - 400), 400 * request.tolerancePercent * 0.01);
}

TEST(LensDesign, TheCallbackStopsTheSearchWithTheBestSoFar) {
  long long calls = 0;
  const DesignResult result = designLens(narrowRequest(), [&](const DesignProgress& p) {
    ++calls;
    EXPECT_EQ(p.traced, calls);
    return p.traced < 500;
  });
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(calls, 500);
  EXPECT_LE(result.traced, 502);  // and the final lens traced again
}

TEST(LensDesign, ASearchInStepsFindsTheLensOfAWholeRun) {
  const DesignRequest request = narrowRequest();
  const DesignResult whole = designLens(request);
  for (int units : {1, 7}) {
    LensDesigner designer(request);
    int steps = 0;
    double share = 0;
    while (designer.step(units)) {
      ++steps;
      EXPECT_GE(designer.doneShare(), share);
      share = designer.doneShare();
    }
    EXPECT_GT(steps, 1);
    EXPECT_EQ(designer.doneShare(), 1);
    const DesignResult stepped = designer.result();
    EXPECT_FALSE(stepped.cancelled);
    EXPECT_EQ(stepped.reached, whole.reached);
    EXPECT_EQ(std::make_tuple(stepped.lens.ivx, stepped.lens.ivy, stepped.lens.evx,
                              stepped.lens.evy, stepped.lens.depth),
              std::make_tuple(whole.lens.ivx, whole.lens.ivy, whole.lens.evx, whole.lens.evy,
                              whole.lens.depth))
        << units;
    EXPECT_EQ(stepped.devpcnt, whole.devpcnt);
    EXPECT_EQ(stepped.traced, whole.traced);
  }
  // Stopped by its callback or asked early, a stepped search says so.
  LensDesigner stopped(request);
  EXPECT_FALSE(stopped.step(1000, [](const DesignProgress& p) { return p.traced < 10; }));
  EXPECT_TRUE(stopped.result().cancelled);
  LensDesigner early(request);
  EXPECT_TRUE(early.step(1));
  EXPECT_TRUE(early.result().cancelled);
}

TEST(LensDesign, AWorkerThreadFindsTheSameLensAndStopsWhenCancelled) {
  const DesignRequest request = narrowRequest();
  DesignWorker worker(request);
  while (!worker.finished()) std::this_thread::yield();
  const std::optional<DesignResult> result = worker.take();
  ASSERT_TRUE(result);
  EXPECT_FALSE(worker.take());  // handed over once
  EXPECT_EQ(result->lens.ivx, designLens(request).lens.ivx);

  DesignRequest wide;  // every value searched: far longer than the cancel takes
  DesignWorker cancelled(wide);
  cancelled.cancel();
  cancelled.wait();
  EXPECT_TRUE(cancelled.finished());
  EXPECT_TRUE(cancelled.take()->cancelled);
}

TEST(LensDesign, RequestProblemsAreNamed) {
  DesignRequest r;
  EXPECT_FALSE(designProblem(r));
  r.bounds[kDesignEvy] = {350, 150};
  EXPECT_NE(designProblem(r).value_or("").find("evy"), std::string::npos);
  r = DesignRequest{};
  r.bounds[kDesignDepth] = {-1, 10};
  EXPECT_TRUE(designProblem(r));
  r = DesignRequest{};
  r.targetFocus = 0;
  EXPECT_TRUE(designProblem(r));
}

}  // namespace
}  // namespace kelvane
