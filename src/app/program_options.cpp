#include "app/program_options.hpp"

#include "core/text_lines.hpp"
#include "core/workspace.hpp"
#include "output/device_names.hpp"

namespace ravix {

ProgramOptionsResult ParseProgramOptions(const std::vector<std::string>& args) {
  ProgramOptionsResult result;
  ProgramOptions& o = result.options;
  o.workspace = ProgramFolder();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg != "--workspace" && arg != "--screenshot" && arg != "--simulate") {
      result.problem = "unknown argument " + arg;
      return result;
    }
    if (i + 1 >= args.size()) {
      result.problem = "missing value after " + arg;
      return result;
    }
    const std::string& value = args[++i];
    if (arg == "--workspace") {
      o.workspace = value;
    } else if (arg == "--screenshot") {
      o.screenshotFolder = value;
    } else {
      const auto count = ParseDecimalInt(value);
      if (!count || *count < 0 || *count > kDeviceNumberCount) {
        result.problem = "--simulate takes 0 to 128 controllers";
        return result;
      }
      o.simulate = *count;
    }
  }
  return result;
}

}  // namespace ravix
