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

const std::filesystem::path kFile =
    std::filesystem::temp_directory_path() / ("kelvane_focus_trace_" + std::to_string(::getpid()));

std::string printed() {
  std::ifstream in(kFile);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(FocusTrace, ARefusedLayoutReadsTheSameInBothBeamModes) {
  const std::filesystem::path& file = kFile;
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
    EXPECT_EQ(printed(), "") << "nothing, and no negative width, is printed";
  }
  std::filesystem::remove(file);
}

// The search's start values are no crossings, a huge lens gives short
// lines, and a zero never prints as "-0.0000".
TEST(FocusTrace, OnlyRealValuesPrintAsNumbers) {
  FocusRequest request;
  request.lens = Lens{1e300, 1e300, 1e300, 1e300, 1e300, 1};
  std::unique_ptr<Output> out = Output::createFile(kFile.string());
  ASSERT_TRUE(out);
  ASSERT_EQ(printFocus(request, *out), 0);
  ASSERT_EQ(out->finish(), 0);
  std::string text = printed();
  EXPECT_NE(text.find("innerFocusMin  --\ninnerFocusMax  --\n"), std::string::npos) << text;
  EXPECT_NE(text.find("center         5.000000e+299\n"), std::string::npos) << text;

  request.lens = Lens{300, 200, 250, 240, -0.0, 1};
  out = Output::createFile(kFile.string());
  ASSERT_EQ(printFocus(request, *out), 0);
  ASSERT_EQ(out->finish(), 0);
  text = printed();
  EXPECT_NE(text.find("center         0.0000\n"), std::string::npos) << text;
  std::filesystem::remove(kFile);
}

}  // namespace
}  // namespace kelvane::cli
