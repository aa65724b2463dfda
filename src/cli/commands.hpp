#pragma once

#include <span>
#include <string>
#include <vector>

#include "cli/command_line.hpp"

namespace ravix::cli {

using CommandFunction = int (*)(CliContext& context, Arguments& args);

struct Command {
  const char* name;
  const char* usage;
  CommandFunction run;
};

// Every command, in the order the help lists them.
std::span<const Command> Commands();

int RunDump(CliContext& context, Arguments& args);
int RunConvert(CliContext& context, Arguments& args);
int RunFrames(CliContext& context, Arguments& args);
int RunDevices(CliContext& context, Arguments& args);
int RunPlay(CliContext& context, Arguments& args);
int RunShape(CliContext& context, Arguments& args);
int RunEdit(CliContext& context, Arguments& args);
int RunImportPlt(CliContext& context, Arguments& args);
int RunLampDownload(CliContext& context, Arguments& args);
int RunDemoWorkspace(CliContext& context, Arguments& args);
int RunText(CliContext& context, Arguments& args);

}  // namespace ravix::cli
