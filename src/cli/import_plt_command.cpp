#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "cli/commands.hpp"
#include "cli/json_writer.hpp"
#include "core/drawing_file.hpp"
#include "drawing/hpgl_import.hpp"
#include "drawing/picture_document.hpp"

namespace ravix::cli {
namespace {

constexpr const char* kUsage =
    "import-plt FILE.plt [--size 20] [--fine 5] [--colour 4] [-o OUT.ddr]";

bool InRange(long value, long low, long high) {
  return value >= low && value <= high;
}

}  // namespace

int RunImportPlt(CliContext& context, Arguments& args) {
  HpglImportSettings settings;
  const auto size = args.TakeInteger("--size");
  const auto fine = args.TakeInteger("--fine");
  const auto colour = args.TakeInteger("--colour");
  const auto output = args.TakeOption("-o");
  const auto positionals = args.Positionals();
  if (!positionals)
    return UsageError(context, args.problem(), kUsage);
  if (positionals->size() != 1)
    return UsageError(context, "import-plt needs one FILE.plt", kUsage);
  if (size && !InRange(*size, kHpglMinSizeFactor, kHpglMaxSizeFactor))
    return UsageError(context, "--size needs a value from 0 to 20", kUsage);
  if (fine && !InRange(*fine, kHpglMinFineFactor, kHpglMaxFineFactor))
    return UsageError(context, "--fine needs a value from 0 to 40", kUsage);
  if (colour && !InRange(*colour, 0, 255))
    return UsageError(context, "--colour needs a palette index from 0 to 255", kUsage);
  settings.sizeFactor = static_cast<int>(size.value_or(settings.sizeFactor));
  settings.fineFactor = static_cast<int>(fine.value_or(settings.fineFactor));
  settings.colour = static_cast<std::uint8_t>(colour.value_or(settings.colour));

  const std::filesystem::path input = positionals->front();
  if (!std::filesystem::is_regular_file(input))
    return Fail(context, input.string() + ": no such file");
  HpglImport import;
  if (Status status = HpglImportFile(input, settings, import); !status)
    return Fail(context, status.error());
  if (import.skippedLines > 0)
    context.err << "ravix-cli: " << HpglSkippedLinesMessage(import.skippedLines) << "\n";

  if (output) {
    if (Status status = DrawingFileWrite(*output, import.objects, kEditorFileScale); !status)
      return Fail(context, status.error());
    return kExitOk;
  }
  JsonWriter json;
  json.BeginObject().Key("type").Text("drawing").Key("objects").Drawing(import.objects).EndObject();
  context.out << json.Finish();
  return kExitOk;
}

}  // namespace ravix::cli
