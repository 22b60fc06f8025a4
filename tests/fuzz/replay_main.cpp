// Replays a fuzz target's corpus without libFuzzer: every file of the given
// folders (or the given files) goes to LLVMFuzzerTestOneInput once, in name
// order, so a GCC build can check that no input that once crashed, leaked or
// hung does so again. A target reports a broken invariant by aborting.
//
// Fails when it finds no input at all: an empty or missing corpus replays
// nothing and proves nothing.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsOf(const fs::path& arg) {
  std::vector<fs::path> inputs;
  std::error_code error;
  if (fs::is_directory(arg, error)) {
    for (const auto& entry : fs::directory_iterator(arg, error))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
  } else if (fs::is_regular_file(arg, error)) {
    inputs.push_back(arg);
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t replayed = 0;
  double slowestSeconds = 0;
  std::string slowest;
  for (int i = 1; i < argc; ++i) {
    const auto inputs = inputsOf(argv[i]);
    if (inputs.empty()) std::fprintf(stderr, "no input in %s\n", argv[i]);
    for (const fs::path& path : inputs) {
      std::ifstream in(path, std::ios::binary);
      const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
      // Named before it runs: an input that aborts is the last one named.
      std::printf("%s\n", path.string().c_str());
      std::fflush(stdout);
      const auto start = std::chrono::steady_clock::now();
      // A copy of exactly the input's size, so a read past its end is seen
      // by AddressSanitizer as it would be under libFuzzer.
      std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
      LLVMFuzzerTestOneInput(data.empty() ? nullptr : data.data(), data.size());
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      if (took.count() > slowestSeconds) {
        slowestSeconds = took.count();
        slowest = path.filename().string();
      }
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs; slowest %s in %.3f s\n", replayed, slowest.c_str(),
              slowestSeconds);
  return replayed > 0 ? 0 : 1;
}
