#include <ostream>

#include "cli/commands.hpp"
#include "cli/controller_options.hpp"
#include "cli/json_writer.hpp"
#include "output/controller_bus.hpp"

namespace ravix::cli {
namespace {

constexpr const char* kUsage = "devices [--simulate N]";

void WriteTexts(JsonWriter& json, const std::vector<std::string>& texts) {
  json.BeginArray();
  for (const auto& text : texts)
    json.Text(text);
  json.EndArray();
}

}  // namespace

int RunDevices(CliContext& context, Arguments& args) {
  const auto simulate = args.TakeInteger("--simulate");
  const auto positionals = args.Positionals();
  if (!positionals)
    return UsageError(context, args.problem(), kUsage);
  if (!positionals->empty())
    return UsageError(context, "unexpected " + positionals->front(), kUsage);
  const auto driver = MakeControllerDriver(simulate, /*paceWrites=*/false);
  if (!driver)
    return UsageError(context, "--simulate takes 0 to 128 controllers", kUsage);

  const FoundDevices found = ControllerBus(*driver, kTransferPause).ScanDevices();
  JsonWriter json;
  json.BeginObject().Key("type").Text("devices").Key("drivers");
  WriteTexts(json, found.driverNames);
  json.Key("display");
  WriteTexts(json, found.displayNames);
  json.EndObject();
  context.out << json.Finish();
  return kExitOk;
}

}  // namespace ravix::cli
