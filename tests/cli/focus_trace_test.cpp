// The tracing half of kelvane-cli focus, driven without the argument checks
// that keep such lenses out of the command.
#include "cli/focus_trace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kelvane::cli {
namespace {

TEST(FocusTrace, ARefusedLayoutReadsTheSameInBothBeamModes) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("kelvane_focus_trace_" + std::to_string(::getpid()));
  FocusRequest request;
  request.lens = Lens{300, -200, 250, 240, 60, 2};  // no rim: the width is -200 x 0.9
  for (bool multi : {false, true}) {
    request.multi = multi;
    std::unique_ptr<Output> out = Output::createFile(file.string());
    ASSERT_TRUE(out);
    ::testing::internal::CaptureStderr();
    const int code = printFocus(request, *out);
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(out->finish(), 0);
    EXPECT_EQ(code, 1) << "multi " << multi;
    EXPECT_NE(message.find("layout was refused"), std::string::npos) << message;
    std::ifstream in(file);
    std::stringstream printed;
    printed << in.rdbuf();
    EXPECT_EQ(printed.str(), "") << "nothing, and no negative width, is printed";
  }
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace kelvane::cli
