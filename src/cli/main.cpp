#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.hpp"
#include "core/workspace.hpp"

namespace {

void PrintUsage(std::ostream& err) {
  err << "usage: ravix-cli [--workspace DIR] COMMAND [ARGS...]\ncommands:\n";
  for (const auto& command : ravix::cli::Commands())
    err << "  " << command.usage << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::filesystem::path root = ravix::ProgramFolder();
  if (!args.empty() && args[0] == "--workspace") {
    if (args.size() < 2) {
      PrintUsage(std::cerr);
      return ravix::cli::kExitUsage;
    }
    root = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) {
    PrintUsage(std::cerr);
    return ravix::cli::kExitUsage;
  }
  const std::string name = args[0];
  args.erase(args.begin());
  for (const auto& command : ravix::cli::Commands()) {
    if (name == command.name) {
      ravix::cli::CliContext context{ravix::Workspace(root), std::cout, std::cerr};
      ravix::cli::Arguments arguments(std::move(args));
      return command.run(context, arguments);
    }
  }
  std::cerr << "ravix-cli: unknown command " << name << "\n";
  PrintUsage(std::cerr);
  return ravix::cli::kExitUsage;
}
