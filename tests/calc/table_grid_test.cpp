#include "calc/table_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "calc/table_groups.h"

namespace kelvane {
namespace {

TEST(TableGrid, AxesCountAndPlaceTheirValuesByIndex) {
  EXPECT_EQ((GridAxis{150, 350, 1}).count(), 201);
  EXPECT_EQ((GridAxis{150, 350, 0.5}).count(), 401);
  EXPECT_EQ((GridAxis{30, 30, 1}).count(), 1);
  EXPECT_EQ((GridAxis{30, 31.5, 2}).count(), 1);
  const GridAxis tenths{0.1, 1, 0.1};
  ASSERT_EQ(tenths.count(), 10) << "the last value counts though 0.1 + 9*0.1 rounds";
  EXPECT_EQ(tenths.at(7), 0.1 + 7 * 0.1) << "by index, not by adding 0.1 seven times";
  EXPECT_EQ((GridAxis{350, 150, 1}).count(), 0);
  EXPECT_EQ((GridAxis{150, 350, 0}).count(), 0);

  const GridAxis halves{150, 160, 0.5};  // 150, 150.5 ... 160
  EXPECT_EQ(halves.countAtMost(149.9), 0);
  EXPECT_EQ(halves.countAtMost(150), 1);
  EXPECT_EQ(halves.countAtMost(152.7), 6);
  EXPECT_EQ(halves.countAtMost(1e300), 21);
  EXPECT_EQ(halves.firstAtLeast(10), 0);
  EXPECT_EQ(halves.firstAtLeast(150.5), 1);
  EXPECT_EQ(halves.firstAtLeast(152.7), 6);
  EXPECT_EQ(halves.firstAtLeast(160.1), 21);
}

TEST(TableGrid, RefusesGridsThatCannotBeSwept) {
  EXPECT_FALSE(gridProblem(TableGrid{})) << "the program's own table";
  const double nan = std::nan("");
  const double inf = INFINITY;
  auto problem = [](auto change) {
    TableGrid grid;
    change(grid);
    const auto p = gridProblem(grid);
    return p ? *p : std::string();
  };
  EXPECT_NE(problem([](TableGrid& g) {
              g.ivx = {400, 350, 1};
            }).find("--ivx must be A:B"),
            std::string::npos);
  EXPECT_NE(problem([](TableGrid& g) { g.depth.step = 0; }).find("step of depth"),
            std::string::npos);
  EXPECT_NE(problem([](TableGrid& g) { g.evy.step = -1; }).find("step of evy"), std::string::npos);
  EXPECT_NE(problem([&](TableGrid& g) { g.evx.first = nan; }).find("--evx"), std::string::npos);
  EXPECT_NE(problem([&](TableGrid& g) { g.ivy.last = inf; }).find("--ivy"), std::string::npos);
  EXPECT_NE(problem([&](TableGrid& g) { g.ivy.step = inf; }).find("step of ivy"),
            std::string::npos);
  EXPECT_NE(problem([](TableGrid& g) { g.depth = {0, 10, 1}; }).find("--depth"), std::string::npos);
  EXPECT_NE(problem([](TableGrid& g) { g.devLimit = 0; }).find("--dev-limit"), std::string::npos);
  EXPECT_NE(problem([](TableGrid& g) { g.shape = 4; }).find("shape"), std::string::npos);
  // 201^4 * 151 lenses at step 1 is 2.5e11; step 0.01 is 1e10 times that.
  EXPECT_NE(
      problem([](TableGrid& g) { g.ivx.step = g.ivy.step = g.evx.step = 0.01; }).find("10^15"),
      std::string::npos);
  EXPECT_NE(problem([](TableGrid& g) { g.depth.step = 1e-14; }).find("10^15"), std::string::npos);
  EXPECT_DOUBLE_EQ(TableGrid{}.lensBound(), 201.0 * 201 * 201 * 201 * 151);
}

// 1e20 + 1 == 1e20: such an axis would repeat one value, or count forever.
TEST(TableGrid, AStepTooSmallToChangeTheValuesIsRefused) {
  for (double big : {1e17, 1e20, 1e30}) EXPECT_EQ((GridAxis{big, big, 1}).count(), 0) << big;
  EXPECT_EQ((GridAxis{1e15, 1e15 + 2, 1}).count(), 3);
  TableGrid grid;
  grid.depth = {1e30, 1e30, 1};
  const std::optional<std::string> problem = gridProblem(grid);
  ASSERT_TRUE(problem);
  EXPECT_EQ(*problem, "the step of depth, 1, is too small to change its values near 1e+30");
}

TEST(TableGrid, TheCommentLineNamesTheWholeGrid) {
  TableGrid grid;
  grid.shape = 1;
  grid.depth = {30, 60, 2};
  grid.evx.step = 0.5;
  grid.devLimit = 0.02;
  EXPECT_EQ(gridCommentLine(grid, 1.7),
            "# kelvane table shape=CVCC rindex=1.7 ivx=150:350:1 ivy=150:350:1 evx=150:350:0.5 "
            "evy=150:350:1 depth=30:60:2 dev-limit=0.02");
}

// The (ivx, ivy) pairs written out plainly: ivy of its axis up to ivx.
std::vector<std::pair<double, double>> plainPairs(const TableGrid& grid) {
  std::vector<std::pair<double, double>> pairs;
  for (long long i = 0; i < grid.ivx.count(); ++i)
    for (long long j = 0; j < grid.ivy.count() && grid.ivy.at(j) <= grid.ivx.at(i); ++j)
      pairs.emplace_back(grid.ivx.at(i), grid.ivy.at(j));
  return pairs;
}

TEST(TableGrid, IngressPairsAreNumberedInSweepOrderWhateverTheSeekOrder) {
  TableGrid odd;
  odd.ivx = {140, 300, 7};  // starts below the first ivy: its first rows are empty
  odd.ivy = {150, 290, 3.5};
  TableGrid fine;
  fine.ivx = {150, 160, 0.25};
  fine.ivy = {150.1, 170, 0.3};
  TableGrid dense;  // more growing rows than ivy values
  dense.ivx = {150, 200, 0.1};
  dense.ivy = {150, 210, 7};
  for (const TableGrid& grid : {TableGrid{}, odd, fine, dense}) {
    const auto expected = plainPairs(grid);
    IngressPairs pairs(grid);
    ASSERT_EQ(pairs.size(), static_cast<long long>(expected.size()));
    std::vector<long long> order(expected.size());
    for (std::size_t p = 0; p < order.size(); ++p) order[p] = static_cast<long long>(p);
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    for (long long p : order) {
      long long i = -1;
      long long j = -1;
      pairs.seek(p, i, j);
      ASSERT_EQ(std::make_pair(grid.ivx.at(i), grid.ivy.at(j)),
                expected[static_cast<std::size_t>(p)])
          << p;
    }
  }
  EXPECT_EQ(IngressPairs(TableGrid{}).size(), 20301);
}

TEST(TableGrid, GroupsSurviveTheTripAsBytes) {
  TableGroup group;
  group.depth = 42;
  group.ivx = 201.5;
  group.ivy = 170;
  group.startFlags = 0x4;
  group.endFlags = 0x1;
  group.complete = false;
  group.lenses = 1234;
  group.good = {{250.7, 80, 160, 200, 0.001, 0.004}, {251, 81, 161, 202, 0.002, 0.005}};
  std::vector<unsigned char> bytes;
  appendTableGroup(bytes, group);
  appendTableGroup(bytes, TableGroup{});
  std::size_t pos = 0;
  TableGroup back;
  ASSERT_TRUE(readTableGroup(bytes, pos, back));
  EXPECT_EQ(back.depth, 42);
  EXPECT_EQ(back.ivx, 201.5);
  EXPECT_EQ(back.startFlags, 0x4u);
  EXPECT_EQ(back.endFlags, 0x1u);
  EXPECT_FALSE(back.complete);
  EXPECT_EQ(back.lenses, 1234);
  ASSERT_EQ(back.good.size(), 2u);
  EXPECT_EQ(back.good[1].devpcnt, 0.005);
  ASSERT_TRUE(readTableGroup(bytes, pos, back));
  EXPECT_TRUE(back.good.empty());
  EXPECT_EQ(pos, bytes.size());
  bytes.resize(bytes.size() - 1);
  pos = 0;
  ASSERT_TRUE(readTableGroup(bytes, pos, back));
  EXPECT_FALSE(readTableGroup(bytes, pos, back)) << "a cut message is refused";
}

}  // namespace
}  // namespace kelvane
