// kelvane-cli report, table and matrix, run as a user runs them.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "calc/focus_table.h"
#include "tests/cli/cli_process.h"

namespace kelvane {
namespace {

using namespace clitest;

TEST_F(Cli, ReportPrintsTheLinesOfTheReport) {
  ASSERT_EQ(run({"report", "deflection"}), 0);
  const std::vector<std::string> lines = splitLines(out());
  ASSERT_EQ(lines.size(), 49u);
  EXPECT_EQ(lines[0], "Face-relative incident angle required for a given angle deflection");
  EXPECT_EQ(lines[48], "For 48d deflection, incident is  0.171d @N=0.667, 48.171d @N=1.500");

  ASSERT_EQ(run({"report", "ellipse"}), 0);
  EXPECT_EQ(splitLines(out()).size(), 11u) << "the eleven case headers";
  EXPECT_EQ(run({"report", "colours"}), 2);
}

TEST_F(Cli, MatrixWritesItsReportToTheFile) {
  ASSERT_EQ(run({"matrix", "-o", path("matrix.trc").string()}), 0);
  const std::vector<std::string> lines = splitLines(readFile(path("matrix.trc")));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front(), "Focus Matrix");
  EXPECT_EQ(lines.back(), "Done");
  EXPECT_EQ(out(), "") << "with -o nothing goes to standard output";
  EXPECT_NE(err().find("100.0% done"), std::string::npos) << err();
}

TEST_F(Cli, TableRefusesADepthOutsideTheSweep) {
  EXPECT_EQ(run({"table", "--depth", "0:30"}), 2);
  EXPECT_NE(err().find("--depth must be A:B"), std::string::npos) << err();
  EXPECT_EQ(run({"table", "--depth", "90:80"}), 2);
  EXPECT_EQ(run({"table", "--depth", "thirty"}), 2);
  EXPECT_EQ(out(), "");
}

TEST_F(Cli, CtrlCEndsTheTableAndKeepsWhatWasWritten) {
  const fs::path table = path("table.csv");
  const pid_t pid = start({"table", "--threads", "2", "-o", table.string()});
  ASSERT_GT(pid, 0);
  // The sweep runs once its calculation thread exists.
  const fs::path tasks = fs::path("/proc") / std::to_string(pid) / "task";
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  auto threads = [&] {
    std::error_code ec;
    long n = 0;
    for (auto it = fs::directory_iterator(tasks, ec); !ec && it != fs::directory_iterator();
         it.increment(ec))
      ++n;
    return n;
  };
  while (threads() < 2 && Clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  ASSERT_GE(threads(), 2);
  kill(pid, SIGINT);
  EXPECT_EQ(finish(pid), 130);
  const std::string text = readFile(table);
  const std::vector<std::string> lines = splitLines(text);
  ASSERT_GE(lines.size(), 1u);
  EXPECT_EQ(lines[0], kFocusTableHeader);
  EXPECT_EQ(text.back(), '\n') << "no half-written row";
  for (std::size_t i = 1; i < lines.size(); ++i)
    EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 8) << lines[i];
  EXPECT_NE(err().find("interrupted"), std::string::npos) << err();
}

}  // namespace
}  // namespace kelvane
