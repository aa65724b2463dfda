#include <array>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "cli/commands.hpp"
#include "cli/json_writer.hpp"
#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "drawing/frame_list_file.hpp"
#include "segments/effect_file.hpp"
#include "segments/effect_list.hpp"
#include "segments/segment_file.hpp"
#include "shows/show_file.hpp"

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

// The frames read, also when the read stopped; the fault then fails the command.
int DumpFrameList(CliContext& context, const std::filesystem::path& file, const DumpOptions&) {
  FrameList frames;
  const Status status = FrameListRead(file, frames);
  JsonWriter json;
  json.BeginObject().TextField("type", "framelist").Key("frames").BeginArray();
  for (const Drawing& frame : frames)
    json.Drawing(frame);
  json.EndArray().EndObject();
  context.out << json.Finish();
  return status ? kExitOk : Fail(context, status.error());
}

void WriteTexts(JsonWriter& json, std::span<const std::string> texts) {
  json.BeginArray();
  for (const std::string& text : texts)
    json.Text(text);
  json.EndArray();
}

int DumpEffect(CliContext& context, const std::filesystem::path& file, const DumpOptions&) {
  std::vector<EffectStep> steps;
  if (Status status = EffectFileRead(file, steps); !status)
    return Fail(context, status.error());
  JsonWriter json;
  json.BeginObject().TextField("type", "effect").Key("steps");
  WriteTexts(json, steps);
  json.EndObject();
  context.out << json.Finish();
  return kExitOk;
}

void WriteEffects(JsonWriter& json, const EffectList& list) {
  json.BeginArray();
  for (const Effect& effect : list.effects) {
    json.BeginObject().TextField("name", effect.name).Key("steps");
    WriteTexts(json, effect.steps);
    json.EndObject();
  }
  json.EndArray();
}

int DumpEffectList(CliContext& context, const std::filesystem::path& file, const DumpOptions&) {
  EffectList list;
  if (Status status = EffectListFileRead(file, list); !status)
    return Fail(context, status.error());
  JsonWriter json;
  json.BeginObject().TextField("type", "effectlist").Key("effects");
  WriteEffects(json, list);
  json.EndObject();
  context.out << json.Finish();
  return kExitOk;
}

void WriteSegmentItems(JsonWriter& json, std::span<const TSectionRecord> rows) {
  json.BeginArray();
  for (const TSectionRecord& row : rows) {
    json.BeginObject();
    json.TextField("drawingKey", row.drawingKey);
    json.IntField("time", row.time);
    json.TextField("effectName", row.effectName);
    json.IntField("colour", row.colour);
    json.Key("objects").Drawing(row.objects);
    json.EndObject();
  }
  json.EndArray();
}

void WriteError(JsonWriter& json, const Status& status) {
  json.Key("error");
  if (status) {
    json.Null();
  } else {
    json.Text(status.error());
  }
}

int DumpSegment(CliContext& context, const std::filesystem::path& file, const DumpOptions&) {
  std::vector<TSectionRecord> rows;
  const Status status = SegmentFileRead(file, rows);
  EffectList effects;
  if (Status effectStatus = EffectListFileRead(file, effects); !effectStatus) {
    return Fail(context, effectStatus.error());
  }
  JsonWriter json;
  json.BeginObject().TextField("type", "segment").Key("items");
  WriteSegmentItems(json, rows);
  json.Key("effects");
  WriteEffects(json, effects);
  WriteError(json, status);
  json.EndObject();
  context.out << json.Finish();
  return kExitOk;
}

int DumpShow(CliContext& context, const std::filesystem::path& file, const DumpOptions& options) {
  TSequence show;
  const Status status =
      options.load ? ShowFileLoad(file, context.workspace, show) : ShowFileRead(file, show);
  JsonWriter json;
  json.BeginObject().TextField("type", "show").TextField("music", show.musicFile);
  json.Key("tracks").BeginArray();
  for (const auto& track : show.tracks) {
    json.BeginArray();
    for (const TSequenceRecord& item : track) {
      json.BeginObject().TextField("itemFile", item.itemFile).IntField("duration", item.duration);
      if (options.load) {
        json.Key("segmentRows");
        WriteSegmentItems(json, item.segmentRows);
        json.Key("frames").BeginArray();
        for (const Drawing& frame : item.frames)
          json.Drawing(frame);
        json.EndArray();
      }
      json.EndObject();
    }
    json.EndArray();
  }
  json.EndArray();
  WriteError(json, status);
  json.EndObject();
  context.out << json.Finish();
  return kExitOk;
}

using Dumper = int (*)(CliContext&, const std::filesystem::path&, const DumpOptions&);

struct DumpKind {
  const char* extension;
  Dumper dump;
};

constexpr std::array kDumpKinds = {
    DumpKind{".ddr", DumpDrawing},    DumpKind{".ild", DumpIlda},
    DumpKind{".ilf", DumpFrameList},  DumpKind{".ect", DumpEffect},
    DumpKind{".ecl", DumpEffectList}, DumpKind{".sec", DumpSegment},
    DumpKind{".seq", DumpShow},
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
