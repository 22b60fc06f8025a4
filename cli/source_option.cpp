#include "cli/source_option.h"

#include "cli/typed_options.h"
#include "model/source_text.h"

namespace kelvane::cli {

CLI::Option* addSourceOption(CLI::App& cmd, std::optional<LightSource>& source) {
  return cmd
      .add_option_function<std::string>(
          "--source",
          [&cmd, &source](const std::string& text) {
            source = parseSourceText(text);
            if (!source) throw BadArgument(refusal(cmd, "--source", kSourceTextForms, text));
          },
          "the light: parallel (default), point,D or object,D,H, D before the ingress vertex")
      ->type_name("SOURCE");
}

}  // namespace kelvane::cli
