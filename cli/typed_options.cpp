#include "cli/typed_options.h"

#include <algorithm>
#include <functional>

namespace kelvane::cli {

namespace {

// Texts longer than this are cut in messages: a message stays one line.
constexpr std::size_t kQuotedTextMax = 60;

// Adds `name` as a positional argument or an option whose text goes to `read`.
CLI::Option* addRead(CLI::App& cmd, const std::string& name,
                     std::function<void(const std::string&)> read, const std::string& help,
                     const char* typeName) {
  return cmd.add_option_function<std::string>(name, std::move(read), help)->type_name(typeName);
}

}  // namespace

double readNumber(const CLI::App& cmd, const std::string& name, const NumberRule& rule,
                  const std::string& text) {
  const std::optional<double> v = parseDecimal(text);
  if (!v || !rule.admits(*v)) throw BadArgument(refusal(cmd, name, rule.wording, text));
  return *v;
}

long long readWhole(const CLI::App& cmd, const std::string& name, const WholeRule& rule,
                    const std::string& text) {
  const std::optional<long long> v = parseWhole(text);
  if (!v || *v < rule.least || *v > rule.most)
    throw BadArgument(refusal(cmd, name, rule.wording, text));
  return *v;
}

std::string refusal(const CLI::App& cmd, const std::string& name, const std::string& rule,
                    const std::string& text) {
  std::string shown = text.size() > kQuotedTextMax ? text.substr(0, kQuotedTextMax) + "..." : text;
  for (char& c : shown)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  return "kelvane-cli " + cmd.get_name() + ": " + name + " must be " + rule + ", not \"" + shown +
         "\"";
}

namespace {

// A double or an optional one: both take the number read.
template <class Target>
CLI::Option* addNumberTo(CLI::App& cmd, const std::string& name, Target& value,
                         const NumberRule& rule, const std::string& help) {
  return addRead(
      cmd, name,
      [&cmd, &value, rule, name](const std::string& text) {
        value = readNumber(cmd, name, rule, text);
      },
      help, "NUMBER");
}

}  // namespace

CLI::Option* addNumber(CLI::App& cmd, const std::string& name, std::optional<double>& value,
                       const NumberRule& rule, const std::string& help) {
  return addNumberTo(cmd, name, value, rule, help);
}

CLI::Option* addNumber(CLI::App& cmd, const std::string& name, double& value,
                       const NumberRule& rule, const std::string& help) {
  return addNumberTo(cmd, name, value, rule, help);
}

void addBeamWidthOptions(CLI::App& cmd, std::optional<double>& width,
                         std::optional<double>& fill) {
  addNumber(cmd, "--width", width, kLockedWidth, "lock the beam width at W (1 to 500)")
      ->option_text("W");
  addNumber(cmd, "--fill", fill, kFillPercent,
            "beam width as P percent of the rim height (1 to 99, default 90)")
      ->option_text("P");
}

CLI::Option* addWhole(CLI::App& cmd, const std::string& name, long long& value,
                      const WholeRule& rule, const std::string& help) {
  return addRead(
      cmd, name,
      [&cmd, &value, rule, name](const std::string& text) {
        value = readWhole(cmd, name, rule, text);
      },
      help, "INT");
}

CLI::Option* addWhole(CLI::App& cmd, const std::string& name, int& value, const WholeRule& rule,
                      const std::string& help) {
  WholeRule within = rule;
  within.least = std::max<long long>(rule.least, std::numeric_limits<int>::min());
  within.most = std::min<long long>(rule.most, std::numeric_limits<int>::max());
  return addRead(
      cmd, name,
      [&cmd, &value, within, name](const std::string& text) {
        value = static_cast<int>(readWhole(cmd, name, within, text));
      },
      help, "INT");
}

CLI::Option* addShape(CLI::App& cmd, const std::string& name, int& shape, const std::string& help) {
  return addRead(
      cmd, name,
      [&cmd, &shape, name](const std::string& text) {
        const std::optional<int> s = parseShape(text);
        if (!s) throw BadArgument(refusal(cmd, name, "CVCV, CVCC, CCCV, CCCC or 0-3", text));
        shape = *s;
      },
      help, "SHAPE");
}

CLI::Option* addRange(CLI::App& cmd, const std::string& name, std::optional<RangeText>& range,
                      const std::string& help) {
  return addRead(
      cmd, name,
      [&cmd, &range, name](const std::string& text) {
        range = parseRange(text);
        if (!range)
          throw BadArgument(refusal(cmd, name, "A, A:B or A:B:S (decimal numbers)", text));
      },
      help, "A:B[:S]");
}

CLI::Option* addPixelSize(CLI::App& cmd, const std::string& name, PixelSize& size,
                          const std::string& help) {
  return addRead(
      cmd, name,
      [&cmd, &size, name](const std::string& text) {
        const std::optional<PixelSize> s = parsePixelSize(text);
        if (!s)
          throw BadArgument(refusal(cmd, name, "WIDTHxHEIGHT in pixels, such as 860x720", text));
        size = *s;
      },
      help, "WxH");
}

}  // namespace kelvane::cli
