#include "demo/demo_workspace.hpp"

#include <functional>
#include <memory>

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "core/settings_file.hpp"
#include "core/workspace.hpp"
#include "demo/demo_material.hpp"
#include "drawing/font_glyph_source.hpp"
#include "drawing/picture_document.hpp"
#include "drawing/point_line.hpp"
#include "output/drawing_playback.hpp"
#include "segments/effect_file.hpp"
#include "segments/effect_list.hpp"
#include "segments/segment_file.hpp"
#include "shows/show_file.hpp"

namespace ravix {
namespace {

constexpr const char* kDemoPage = "Demo";
constexpr const char* kSegmentName = "demo.sec";
constexpr const char* kTurningStarName = "turningstar.ilf";
constexpr const char* kPulseName = "pulse.ilf";
constexpr const char* kWordsName = "words.ilf";

// Writes `path` with `write` unless it exists; stops at the first failure.
class DemoWriter {
 public:
  explicit DemoWriter(DemoWorkspaceResult& result) : result_(result) {}

  void Write(const std::filesystem::path& path, const std::function<Status()>& write) {
    if (!result_.status.ok())
      return;
    std::error_code error;
    if (std::filesystem::exists(path, error))
      return;
    result_.status = write();
    if (result_.status.ok())
      result_.created.push_back(path);
  }

 private:
  DemoWorkspaceResult& result_;
};

Status MakeFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error)
    return Status::Failure("cannot create " + folder.string() + ": " + error.message());
  return {};
}

FrameList DrawingsAsFrames(const std::vector<DemoDrawing>& drawings) {
  FrameList frames;
  for (const DemoDrawing& d : drawings)
    frames.push_back(MakeDrawingPlayCopy(d.canvas));
  return frames;
}

TILDAimage FramesAsIlda(const FrameList& frames) {
  TILDAimage image;
  for (std::size_t k = 0; k < frames.size(); ++k) {
    TILDAframe frame;
    frame.name = "Frame" + std::to_string(k);
    frame.company = "Ravix";
    frame.frameNumber = static_cast<std::int32_t>(k);
    frame.totalFrames = static_cast<std::int32_t>(frames.size());
    DrawingToIldaFrame(frames[k], frame);
    frame.pointCount = static_cast<std::int32_t>(frame.points.size());
    image.frames.push_back(std::move(frame));
  }
  return image;
}

Status WriteSegment(const std::filesystem::path& path, const FrameList& drawings,
                    const EffectList& effects) {
  const std::vector<SegmentItemCells> items = {
      {"0", "300", "Spin", "257"},
      {"1", "300", "Zoom", "258"},
      {"3", "300", "Wave", "2"},
      {"4", "300", "Colour", "260"},
  };
  std::vector<std::string> drawingLines;
  for (const Drawing& d : drawings)
    drawingLines.push_back(EncodePointLine(d));
  return SegmentFileWrite(path, items, drawingLines, effects);
}

ShowTrackTables DemoShowTracks() {
  ShowTrackTables tracks;
  tracks[0].rows = {{kSegmentName, "1200", ""}, {kTurningStarName, "600", ""}};
  tracks[1].rows = {{kPulseName, "900", ""}, {kSegmentName, "900", ""}};
  tracks[2].rows = {{kTurningStarName, "1800", ""}};
  return tracks;
}

// The workspace, its text drawings traced from `textFont`; without one they are
// skipped for `noFont`.
DemoWorkspaceResult CreateWithFont(const std::filesystem::path& root, GlyphOutlineSource* textFont,
                                   const std::string& noFont) {
  DemoWorkspaceResult result;
  const Workspace workspace(root);
  result.status = MakeFolder(root);
  for (const char* folder : kWorkspaceFolders) {
    if (result.status.ok())
      result.status = MakeFolder(workspace.Folder(folder));
  }
  const auto page = workspace.Folder(kQuickFrameFolder) / kDemoPage;
  if (result.status.ok())
    result.status = MakeFolder(page);

  DemoWriter writer(result);
  writer.Write(workspace.SettingsPath(),
               [&] { return SettingsFile().SaveSettings(workspace.SettingsPath()); });

  const auto writeDrawings = [&](const std::vector<DemoDrawing>& drawings) {
    for (const DemoDrawing& d : drawings) {
      const auto path = workspace.File(kDrawingFolder, d.name + ".ddr");
      writer.Write(path, [&] { return DrawingFileWrite(path, d.canvas, kEditorFileScale); });
    }
  };
  const std::vector<DemoDrawing> drawings = DemoDrawings();
  writeDrawings(drawings);
  std::vector<DemoDrawing> words;
  if (textFont)
    words = DemoTextDrawings(*textFont);
  else
    result.skipped.push_back("text drawings: " + noFont);
  writeDrawings(words);
  const FrameList shapes = DrawingsAsFrames(drawings);
  const FrameList star = DemoTurningStar();
  const FrameList pulse = DemoPulse();
  const auto writeFrames = [&](const std::filesystem::path& path, const FrameList& frames) {
    writer.Write(path, [&] { return FrameListWrite(path, frames); });
  };
  writeFrames(workspace.File(kFramesFolder, kTurningStarName), star);
  writeFrames(workspace.File(kFramesFolder, kPulseName), pulse);
  writeFrames(page / kTurningStarName, star);
  writeFrames(page / kPulseName, pulse);
  writeFrames(page / "shapes.ilf", shapes);
  if (!words.empty())
    writeFrames(page / kWordsName, DrawingsAsFrames(words));

  const auto ilda = workspace.File(kIldaFolder, "shapes.ild");
  writer.Write(ilda, [&] { return IldaFileWrite(ilda, FramesAsIlda(shapes)); });

  const EffectList effects = DemoEffects();
  for (const Effect& effect : effects.effects) {
    const auto path = workspace.File(kEffectFolder, effect.name + kEffectFileExtension);
    writer.Write(path, [&] { return EffectFileWrite(workspace, effect.name, effect.steps); });
  }
  const auto effectList = workspace.File(kEffectListFolder, kDefaultEffectListName);
  writer.Write(effectList, [&] { return EffectListFileWrite(effectList, effects); });

  const auto segment = workspace.File(kSectionFolder, kSegmentName);
  writer.Write(segment, [&] { return WriteSegment(segment, shapes, effects); });

  const auto show = workspace.File(kSequenceFolder, "demo.seq");
  writer.Write(show, [&] { return ShowFileWrite(show, "", DemoShowTracks()); });
  return result;
}

}  // namespace

DemoWorkspaceResult CreateDemoWorkspace(const std::filesystem::path& root,
                                        GlyphOutlineSource* textFont) {
  return CreateWithFont(root, textFont, "no font");
}

DemoWorkspaceResult CreateDemoWorkspace(const std::filesystem::path& root) {
  Status status;
  const std::unique_ptr<FontGlyphSource> font = FontGlyphSource::Open(kDefaultTextFont, status);
  return CreateWithFont(root, font.get(), status.error());
}

}  // namespace ravix
