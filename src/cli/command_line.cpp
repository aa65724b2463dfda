#include "cli/command_line.hpp"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "core/text_lines.hpp"

namespace ravix::cli {

bool Arguments::TakeFlag(const std::string& name) {
  const auto it = std::find(args_.begin(), args_.end(), name);
  if (it == args_.end())
    return false;
  args_.erase(it);
  return true;
}

std::optional<std::string> Arguments::TakeOption(const std::string& name) {
  const auto it = std::find(args_.begin(), args_.end(), name);
  if (it == args_.end())
    return std::nullopt;
  if (it + 1 == args_.end()) {
    problem_ = name + " needs a value";
    args_.erase(it);
    return std::nullopt;
  }
  std::string value = *(it + 1);
  args_.erase(it, it + 2);
  return value;
}

std::vector<std::string> Arguments::TakeRepeated(const std::string& name) {
  std::vector<std::string> values;
  while (auto value = TakeOption(name))
    values.push_back(*value);
  return values;
}

std::optional<long> Arguments::TakeInteger(const std::string& name) {
  const auto text = TakeOption(name);
  if (!text)
    return std::nullopt;
  const auto value = ParseDecimalInt(*text);
  if (!value) {
    problem_ = name + " needs a whole number, not '" + *text + "'";
    return std::nullopt;
  }
  return *value;
}

std::optional<std::vector<std::string>> Arguments::Positionals() {
  if (!problem_.empty())
    return std::nullopt;
  for (const auto& arg : args_) {
    if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
      problem_ = "unknown option " + arg;
      return std::nullopt;
    }
  }
  return args_;
}

std::string LowerExtension(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

int Fail(const CliContext& context, const std::string& text) {
  context.err << "ravix-cli: " << text << "\n";
  return kExitFailed;
}

int UsageError(const CliContext& context, const std::string& problem, const char* usage) {
  context.err << "ravix-cli: " << problem << "\nusage: ravix-cli [--workspace DIR] " << usage
              << "\n";
  return kExitUsage;
}

}  // namespace ravix::cli
