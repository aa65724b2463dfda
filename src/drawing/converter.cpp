#include "drawing/converter.hpp"

#include <cstdio>

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"

namespace ravix {
namespace {

constexpr const char* kExplodedFramesInfix = "_Frames_";
constexpr int kDrawingScale = 1;

LaserPoint IldaToFrameListPoint(const LaserPoint& p) {
  return LaserPoint{p.x + 128, 127 - p.y, p.z, p.colour, kStateNormal, p.blanked};
}

}  // namespace

TILDAimage DrawingListToIldaImage(std::span<const std::filesystem::path> drawingFiles) {
  TILDAimage image;
  Drawing drawing;
  for (const auto& file : drawingFiles) {
    if (!std::filesystem::exists(file))
      continue;
    DrawingFileRead(file, drawing, kDrawingScale);
    DrawingToIldaFrame(drawing, image.frames.emplace_back());
  }
  return image;
}

FrameList DrawingListToFrameList(std::span<const std::filesystem::path> drawingFiles) {
  FrameList frames;
  frames.reserve(drawingFiles.size());
  for (const auto& file : drawingFiles) {
    DrawingFileRead(file, frames.emplace_back(), kDrawingScale);
  }
  return frames;
}

FrameList IldaImageToFrameList(const TILDAimage& image) {
  FrameList frames;
  frames.reserve(image.frames.size());
  for (const TILDAframe& ildaFrame : image.frames) {
    DrawingObject& object = frames.emplace_back().emplace_back();
    object.reserve(ildaFrame.points.size());
    for (const LaserPoint& point : ildaFrame.points)
      object.push_back(IldaToFrameListPoint(point));
  }
  return frames;
}

TILDAimage MergeIldaFiles(std::span<const std::filesystem::path> ildaFiles) {
  TILDAimage merged;
  TILDAimage source;
  for (const auto& file : ildaFiles) {
    IldaFileRead(file, source);
    for (TILDAframe& frame : source.frames)
      merged.frames.push_back(std::move(frame));
  }
  return merged;
}

std::string NumberedDrawingFileName(std::string_view prefix, std::size_t number) {
  char digits[24];
  std::snprintf(digits, sizeof digits, "%05zu", number);
  std::string name(prefix);
  name += digits;
  name += ".ddr";
  return name;
}

std::string ExplodedDrawingFileName(std::string_view base, std::size_t number) {
  return NumberedDrawingFileName(std::string(base) + kExplodedFramesInfix, number);
}

Status ExplodeFrameList(const FrameList& frames, const std::filesystem::path& base) {
  const std::string baseName = base.filename().string();
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const auto file = base.parent_path() / ExplodedDrawingFileName(baseName, i + 1);
    if (Status status = DrawingFileWrite(file, frames[i], kDrawingScale); !status)
      return status;
  }
  return {};
}

}  // namespace ravix
