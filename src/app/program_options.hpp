#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ravix {

// The desktop program's command line.
struct ProgramOptions {
  // The root folder: "--workspace DIR", else the program's own folder.
  std::filesystem::path workspace;
  // "--simulate N": N simulated controllers in place of the USB driver.
  std::optional<int> simulate;
  // "--screenshot DIR": shows every window, saves a PNG of each into DIR and
  // closes the program.
  std::optional<std::filesystem::path> screenshotFolder;
};

struct ProgramOptionsResult {
  ProgramOptions options;
  std::string problem;  // empty when the command line is sound
};

ProgramOptionsResult ParseProgramOptions(const std::vector<std::string>& args);

inline constexpr const char* kProgramUsage =
    "usage: ravix [--workspace DIR] [--simulate N] [--screenshot DIR]";

}  // namespace ravix
