// Fuzz target: what a second start hands the first instance. The input's
// first byte says how many of the following bytes arrive over the socket
// (in chunks of the second byte's size, as a slow peer sends them); the rest
// is the hand-off file's content.
//
// The message's verdict must not change once given, however the bytes are
// split, and a hand-off needs the first line "1224". The file read back must
// be its first line whole (within the length asked for, with no NUL byte),
// or nothing.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/handoff.h"

namespace {

using namespace kelvane;

[[noreturn]] void broken(const char* what) {
  std::fprintf(stderr, "handoff target: %s\n", what);
  std::abort();
}

// One hand-off file for the whole process, removed at its end.
struct ScratchFile {
  ScratchFile() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kelvane-fuzz-handoff-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) broken("no scratch file");
    ::close(fd);
    path = pattern;
  }
  ~ScratchFile() { std::remove(path.c_str()); }
  std::string path;
};

void checkMessage(std::string_view message, std::size_t chunk) {
  const HandoffMessage whole = parseHandoffMessage(message);
  if (whole == HandoffMessage::HandOff && message.substr(0, 5) != "1224\n")
    broken("a hand-off without the line 1224");
  HandoffMessage seen = HandoffMessage::Incomplete;
  for (std::size_t got = 0;;) {
    const HandoffMessage now = parseHandoffMessage(message.substr(0, got));
    if (seen != HandoffMessage::Incomplete && now != seen)
      broken("the verdict changed when more bytes came");
    seen = now;
    if (got == message.size()) break;
    got = std::min(message.size(), got + chunk);
  }
  if (seen != whole) broken("the verdict depends on how the bytes were split");
}

void checkFile(const std::string& path, std::string_view content, int maxLength) {
  if (writeHandoffFileAt(path, content) != static_cast<int>(content.size()))
    broken("the hand-off file was not written in full");
  const auto text = readHandoffFileAt(path, maxLength);
  // The first line whole, or nothing: never a part that names another file.
  const std::string_view line = content.substr(0, content.find('\n') + 1);
  const std::string_view first = line.empty() ? content : line;
  const bool whole = !first.empty() && maxLength > 0 &&
                     first.size() <= static_cast<std::size_t>(maxLength) &&
                     first.find('\0') == std::string_view::npos;
  if (!whole) {
    if (text) broken("text from an empty file, a NUL byte, or beyond the length asked");
    return;
  }
  if (!text) broken("no text from a file that holds a whole line");
  if (*text != first) broken("text other than the first line written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFile scratch;
  if (size < 2) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t messageSize = std::min<std::size_t>(data[0], size - 2);
  const std::size_t chunk = 1 + data[1] % 16;
  const std::string_view message = input.substr(2, messageSize);
  const std::string_view content = input.substr(2 + messageSize);
  checkMessage(message, chunk);
  checkFile(scratch.path, content, kHandoffTextMax);
  checkFile(scratch.path, content, 1 + data[1] % 64);
  return 0;
}
