#pragma once

#include <string>
#include <vector>

namespace ravix::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the built ravix-cli with `args` (no shell), feeding `input` on stdin.
CliRun RunCli(const std::vector<std::string>& args, const std::string& input = "");

}  // namespace ravix::testing
