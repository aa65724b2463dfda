#include "cli/commands.hpp"

#include <array>

namespace ravix::cli {

std::span<const Command> Commands() {
  static constexpr std::array kCommands = {
      Command{"dump", "dump FILE [--scale N] [--load]", RunDump},
      Command{"convert", "convert IN... OUT [--reduce T]", RunConvert},
  };
  return kCommands;
}

}  // namespace ravix::cli
