#include "drawing/drawing_list_picker.hpp"

#include "core/drawing_file.hpp"

namespace ravix {
namespace {

constexpr int kDrawingScale = 1;

}  // namespace

DrawingListPicker::DrawingListPicker(const std::filesystem::path& drawingFolder)
    : drawingFiles(drawingFolder, ".ddr") {
  PreviewFile();
}

void DrawingListPicker::SelectFile(std::size_t index) {
  drawingFiles.Select(index);
  PreviewFile();
}

void DrawingListPicker::SelectAdded(std::size_t index) {
  added.Select(index);
  PreviewAdded();
}

void DrawingListPicker::Add() {
  added.Append(drawingFiles.SelectedNames());
}

void DrawingListPicker::Insert() {
  added.InsertBlockAtCurrent(drawingFiles.SelectedNames());
}

void DrawingListPicker::Up() {
  added.MoveCurrentUp();
}

void DrawingListPicker::Down() {
  added.MoveCurrentDown();
}

void DrawingListPicker::Remove() {
  added.RemoveCurrent();
  PreviewAdded();
}

void DrawingListPicker::Clear() {
  added.Clear();
  addedPreview_.clear();
}

std::vector<std::filesystem::path> DrawingListPicker::PickedFiles() const {
  std::vector<std::filesystem::path> files;
  for (const std::string& name : added.entries())
    files.push_back(drawingFiles.PathOf(name));
  return files;
}

void DrawingListPicker::PreviewFile() {
  filePreview_.clear();
  if (const auto name = drawingFiles.currentName())
    DrawingFileRead(drawingFiles.PathOf(*name), filePreview_, kDrawingScale);
}

void DrawingListPicker::PreviewAdded() {
  addedPreview_.clear();
  if (const auto name = added.currentName())
    DrawingFileRead(drawingFiles.PathOf(*name), addedPreview_, kDrawingScale);
}

}  // namespace ravix
