#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.hpp"
#include "cli/json_writer.hpp"
#include "core/drawing_file.hpp"
#include "drawing/font_glyph_source.hpp"
#include "drawing/gbk_text.hpp"
#include "drawing/picture_document.hpp"
#include "drawing/text_outline.hpp"

namespace ravix::cli {
namespace {

constexpr const char* kUsage =
    "text LINE... --font FAMILY [--width-factor 4] [--height-factor 4] [--width-interval 4] "
    "[--height-interval 4] [--fine 3] [--large] [--colour 4] [-o OUT.ddr]";

struct RangedOption {
  const char* name;
  long low;
  long high;
  std::int32_t* value;
};

}  // namespace

int RunText(CliContext& context, Arguments& args) {
  TextOutlineOptions options;
  std::int32_t colour = options.colour;
  const RangedOption ranged[] = {
      {"--width-factor", 1, 20, &options.widthFactor},
      {"--height-factor", 1, 20, &options.heightFactor},
      {"--width-interval", 1, 20, &options.widthInterval},
      {"--height-interval", 1, 20, &options.heightInterval},
      {"--fine", 0, 40, &options.fine},
      {"--colour", 0, 255, &colour},
  };
  std::string rangeProblem;
  for (const RangedOption& option : ranged) {
    const auto value = args.TakeInteger(option.name);
    if (!value)
      continue;
    if (*value < option.low || *value > option.high) {
      rangeProblem = std::string(option.name) + " takes " + std::to_string(option.low) + ".." +
                     std::to_string(option.high);
    }
    *option.value = static_cast<std::int32_t>(*value);
  }
  options.largeSize = args.TakeFlag("--large");
  const auto font = args.TakeOption("--font");
  const auto output = args.TakeOption("-o");
  const auto positionals = args.Positionals();
  if (!positionals)
    return UsageError(context, args.problem(), kUsage);
  if (!rangeProblem.empty())
    return UsageError(context, rangeProblem, kUsage);
  if (positionals->empty())
    return UsageError(context, "expected at least one LINE", kUsage);
  if (!font)
    return UsageError(context, "--font is required", kUsage);
  options.colour = static_cast<std::uint8_t>(colour);

  Status status;
  const std::unique_ptr<FontGlyphSource> source = FontGlyphSource::Open(*font, status);
  if (!source)
    return Fail(context, status.error());
  std::vector<std::string> lines;
  for (const std::string& line : *positionals)
    lines.push_back(EncodeGbk(line));
  const Drawing objects = TextObjectsForCanvas(GenerateTextObjects(lines, options, *source));

  if (output) {
    if (Status written = DrawingFileWrite(*output, objects, kEditorFileScale); !written)
      return Fail(context, written.error());
    return kExitOk;
  }
  JsonWriter json;
  json.BeginObject().Key("type").Text("drawing").Key("objects").Drawing(objects).EndObject();
  context.out << json.Finish();
  return kExitOk;
}

}  // namespace ravix::cli
