#include "app/handoff.h"

#include <cstdio>
#include <vector>

#include "app/command_ids.h"
#include "app/workdirs.h"

namespace kelvane {

int writeHandoffFileAt(const std::string& path, std::string_view text) {
  std::FILE* f = std::fopen(path.c_str(), "w");
  if (!f) return -1;
  const size_t written = std::fwrite(text.data(), 1, text.size(), f);
  const bool closed = std::fclose(f) == 0;
  // A short write or a failing close (full disk) leaves a file the first
  // instance must not act on.
  if (written != text.size() || !closed) return -1;
  return static_cast<int>(written);
}

int writeHandoffFile(std::string_view text) {
  return writeHandoffFileAt(storeFilePath(kHandoffFileName), text);
}

std::optional<std::string> readHandoffFileAt(const std::string& path, int maxLength) {
  if (maxLength <= 0) return std::nullopt;
  std::FILE* f = std::fopen(path.c_str(), "r");
  if (!f) return std::nullopt;
  std::vector<char> buffer(static_cast<size_t>(maxLength) + 1);
  const char* line = std::fgets(buffer.data(), static_cast<int>(buffer.size()), f);
  std::fclose(f);
  if (!line) return std::nullopt;
  return std::string(line);
}

std::optional<std::string> readHandoffFile(int maxLength) {
  return readHandoffFileAt(storeFilePath(kHandoffFileName), maxLength);
}

HandoffMessage parseHandoffMessage(std::string_view received) {
  // The verdict rests on the first kHandoffMessageMax + 1 bytes alone, so it
  // is the same however the peer splits what it sends.
  const auto end = received.find('\n');
  if (end == std::string_view::npos || end >= static_cast<size_t>(kHandoffMessageMax))
    return received.size() > static_cast<size_t>(kHandoffMessageMax) ? HandoffMessage::Overlong
                                                                     : HandoffMessage::Incomplete;
  const std::string expected = std::to_string(WM_SCRIPT_HANDOFF) + '\n';
  return received.substr(0, end + 1) == expected ? HandoffMessage::HandOff
                                                 : HandoffMessage::Malformed;
}

std::string commandLineText(int argc, const char* const* argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  return text;
}

}  // namespace kelvane
