#include <array>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "cli/commands.hpp"
#include "cli/json_writer.hpp"
#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"

namespace ravix::cli {
namespace {

constexpr const char* kUsage = "dump FILE [--scale N] [--load]";

struct DumpOptions {
  int scale = 1;
  bool load = false;
};

int DumpDrawing(CliContext& context, const std::filesystem::path& file,
                const DumpOptions& options) {
  Drawing drawing;
  if (Status status = DrawingFileRead(file, drawing, options.scale); !status) {
    return Fail(context, status.error());
  }
  JsonWriter json;
  json.BeginObject().Key("type").Text("drawing").Key("objects").Drawing(drawing).EndObject();
  context.out << json.Finish();
  return kExitOk;
}

void WriteFrame(JsonWriter& json, const TILDAframe& frame) {
  json.BeginObject()
      .TextField("name", frame.name)
      .TextField("company", frame.company)
      .IntField("pointCount", frame.pointCount)
      .IntField("frameNumber", frame.frameNumber)
      .IntField("totalFrames", frame.totalFrames)
      .IntField("scannerHead", frame.scannerHead)
      .IntField("reserved", frame.reserved)
      .Key("points")
      .Object(frame.points)
      .EndObject();
}

void WritePalette(JsonWriter& json, const TILDAcolorplatte& palette) {
  json.BeginObject()
      .TextField("name", palette.name)
      .TextField("company", palette.company)
      .IntField("entryCount", palette.entryCount)
      .IntField("paletteNumber", palette.paletteNumber)
      .IntField("totalPalettes", palette.totalPalettes)
      .IntField("scannerHead", palette.scannerHead)
      .IntField("reserved", palette.reserved)
      .Key("entries")
      .BeginArray();
  for (const auto& entry : palette.entries) {
    char hex[13];
    std::snprintf(hex, sizeof hex, "%02x%02x%02x%02x%02x%02x", entry[0], entry[1], entry[2],
                  entry[3], entry[4], entry[5]);
    json.Text(hex);
  }
  json.EndArray().EndObject();
}

int DumpIlda(CliContext& context, const std::filesystem::path& file, const DumpOptions&) {
  TILDAimage image;
  const IldaReadResult result = IldaFileRead(file, image);
  if (!result.fileStatus)
    return Fail(context, result.fileStatus.error());
  JsonWriter json;
  json.BeginObject().Key("type").Text("ilda").Key("frames").BeginArray();
  for (const auto& frame : image.frames)
    WriteFrame(json, frame);
  json.EndArray().Key("palettes").BeginArray();
  for (const auto& palette : image.palettes)
    WritePalette(json, palette);
  json.EndArray().Key("messages").BeginArray();
  for (const auto& message : result.messages)
    json.Text(message);
  json.EndArray().EndObject();
  context.out << json.Finish();
  return kExitOk;
}

using Dumper = int (*)(CliContext&, const std::filesystem::path&, const DumpOptions&);

struct DumpKind {
  const char* extension;
  Dumper dump;
};

constexpr std::array kDumpKinds = {
    DumpKind{".ddr", DumpDrawing},
    DumpKind{".ild", DumpIlda},
};

}  // namespace

int RunDump(CliContext& context, Arguments& args) {
  DumpOptions options;
  if (const auto scale = args.TakeInteger("--scale"))
    options.scale = static_cast<int>(*scale);
  options.load = args.TakeFlag("--load");
  const auto positionals = args.Positionals();
  if (!positionals)
    return UsageError(context, args.problem(), kUsage);
  if (positionals->size() != 1)
    return UsageError(context, "dump takes one FILE", kUsage);
  if (options.scale < 1)
    return UsageError(context, "--scale must be at least 1", kUsage);

  const std::filesystem::path file = positionals->front();
  const std::string extension = LowerExtension(file);
  for (const auto& kind : kDumpKinds) {
    if (extension == kind.extension) {
      if (!std::filesystem::is_regular_file(file)) {
        return Fail(context, file.string() + ": no such file");
      }
      return kind.dump(context, file, options);
    }
  }
  return UsageError(context, "dump does not read '" + extension + "' files", kUsage);
}

}  // namespace ravix::cli
