// Output that cannot be written ends a command with exit code 1 and the
// system's reason, never as a silent success.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/cli_process.h"

namespace kelvane {
namespace {

using namespace clitest;

const char* const kDiskFull = "/dev/full";

TEST_F(Cli, EveryCommandReportsAnOutputItCannotWrite) {
  const std::string fullStdout =
      "kelvane-cli: cannot write standard output: No space left on device";
  const std::vector<std::vector<std::string>> toStdout = {
      {"focus", "300", "200", "250", "240", "60", "CVCC"},
      {"focus", "300", "200", "250", "240", "60", "CVCC", "--multi", "--raw"},
      {"report", "deflection"},
      {"table", "--depth", "30", "-q"},
      {"matrix", "-q"},
      {"help", "focus"},
      {"--version"},
  };
  for (const auto& args : toStdout) {
    EXPECT_EQ(run(args, kDiskFull), 1) << args[0];
    EXPECT_NE(err().find(fullStdout), std::string::npos) << args[0] << ": " << err();
  }

  // The whole table or matrix runs for minutes; its first line already fails.
  for (const char* command : {"table", "matrix"}) {
    EXPECT_EQ(finish(start({command, "-q", "-o", kDiskFull}), std::chrono::seconds(20)), 1)
        << command;
    EXPECT_EQ(err(), "kelvane-cli: cannot write /dev/full: No space left on device\n") << command;
    const std::string dir = path("").string();
    EXPECT_EQ(run({command, "-q", "-o", dir}), 1) << command;
    EXPECT_NE(err().find("kelvane-cli: cannot write " + dir + ": Is a directory"),
              std::string::npos)
        << err();
  }
}

}  // namespace
}  // namespace kelvane
