#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "core/workspace.hpp"

namespace ravix::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// What every command gets: the workspace and the output streams.
struct CliContext {
  Workspace workspace;
  std::ostream& out;
  std::ostream& err;
};

// A command's arguments: options are taken out by name, the rest stay
// positional in order. Anything left that starts with "--" is unknown.
class Arguments {
 public:
  explicit Arguments(std::vector<std::string> args) : args_(std::move(args)) {}

  bool TakeFlag(const std::string& name);
  // The value after `name`; a missing value is a problem.
  std::optional<std::string> TakeOption(const std::string& name);
  // Every value given for a repeatable option.
  std::vector<std::string> TakeRepeated(const std::string& name);
  // A whole-number option; a value that is not one is a problem.
  std::optional<long> TakeInteger(const std::string& name);

  // The positional arguments, once all options have been taken. Empty optional
  // when an unknown option or a malformed value remains (`problem` says which).
  std::optional<std::vector<std::string>> Positionals();
  const std::string& problem() const { return problem_; }

 private:
  std::vector<std::string> args_;
  std::string problem_;
};

// Lower-case extension with its dot, e.g. ".ddr".
std::string LowerExtension(const std::filesystem::path& path);

// Writes "ravix-cli: <text>" to err and returns kExitFailed.
int Fail(const CliContext& context, const std::string& text);
// Writes the usage problem and the command's usage to err; returns kExitUsage.
int UsageError(const CliContext& context, const std::string& problem, const char* usage);

}  // namespace ravix::cli
