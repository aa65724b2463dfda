#include "cli/commands.hpp"
#include "demo/demo_workspace.hpp"

namespace ravix::cli {
namespace {

constexpr const char* kUsage = "demo-workspace DIR";

}  // namespace

int RunDemoWorkspace(CliContext& context, Arguments& args) {
  const auto positionals = args.Positionals();
  if (!positionals)
    return UsageError(context, args.problem(), kUsage);
  if (positionals->size() != 1)
    return UsageError(context, "expected one folder", kUsage);
  const DemoWorkspaceResult result = CreateDemoWorkspace(positionals->front());
  if (!result.status.ok())
    return Fail(context, result.status.error());
  // Skipped material (the text drawings without a font) is not an error and
  // the command prints nothing on success.
  return kExitOk;
}

}  // namespace ravix::cli
