// The single-instance hand-off file: a second start writes its command-line
// text (a script path) into "xIxComFile.~~~" in Store, then tells the first
// instance, which reads it back. Qt-free.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

inline constexpr const char* kHandoffFileName = "xIxComFile.~~~";
// Longest text readHandoffFile returns.
inline constexpr int kHandoffTextMax = 299;

// Creates or truncates the hand-off file in Store and writes `text` as it is
// (no line end added). Returns the number of characters written, or -1 when
// the file cannot be created or the text was not written in full.
int writeHandoffFile(std::string_view text);
// Same, for a file of the caller's choosing.
int writeHandoffFileAt(const std::string& path, std::string_view text);

// The first line of the hand-off file (a line end that was read stays part
// of it), at most `maxLength` characters; nothing when the file cannot be
// opened or holds no line.
std::optional<std::string> readHandoffFile(int maxLength = kHandoffTextMax);
std::optional<std::string> readHandoffFileAt(const std::string& path,
                                             int maxLength = kHandoffTextMax);

// Longest message a second instance may send, its line end included.
inline constexpr int kHandoffMessageMax = 32;

// What the first instance makes of the bytes a connection has sent so far.
enum class HandoffMessage {
  Incomplete,  // no line end yet and no more than kHandoffMessageMax bytes: wait
  HandOff,     // the first line is "1224": read the hand-off file
  Malformed,   // the first line is anything else
  Overlong,    // no line end within the first kHandoffMessageMax bytes, and more came
};
// Only the first line counts; what follows it is not looked at.
HandoffMessage parseHandoffMessage(std::string_view received);

// The command-line text of a start: the arguments after the program name,
// joined by single spaces (empty without arguments).
std::string commandLineText(int argc, const char* const* argv);

}  // namespace kelvane
