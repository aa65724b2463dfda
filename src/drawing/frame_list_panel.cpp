#include "drawing/frame_list_panel.hpp"

#include <algorithm>

#include "drawing/picture_document.hpp"
#include "drawing/preview_drawing.hpp"

namespace ravix {
namespace {

constexpr int kThumbnailDivisor = 4;
constexpr int kFrameNumberPointSize = 5;

}  // namespace

FrameListPanel::FrameListPanel(PictureEditHost& host, std::filesystem::path framesFolder)
    : host_(host), framesFolder_(std::move(framesFolder)), frames_(kFramesPerPage) {}

void FrameListPanel::ResetView() {
  page_ = 0;
  selected_ = 0;
}

void FrameListPanel::New() {
  frames_.assign(kFramesPerPage, Drawing{});
  path_.clear();
  fileName_ = kNewFrameListName;
  ResetView();
}

void FrameListPanel::Open() {
  const auto path = host_.ChooseFile(
      {FileDialogRequest::Kind::kOpen, kFrameListOpenFilter, "", framesFolder_, false});
  if (!path)
    return;
  if (ChosenFileExists(*path)) {
    if (Status status = FrameListRead(*path, frames_); !status)
      host_.ShowError(status.error());
  }
  path_ = *path;
  fileName_ = path->filename().string();
  ResetView();
}

std::optional<std::filesystem::path> FrameListPanel::ChooseSavePath() {
  return host_.ChooseFile(
      {FileDialogRequest::Kind::kSave, kFrameListSaveFilter, "ilf", framesFolder_, true});
}

bool FrameListPanel::Save() {
  if (fileName_ != kNewFrameListName && !path_.empty())
    return WriteTo(path_);
  return SaveAs();
}

bool FrameListPanel::SaveAs() {
  const auto path = ChooseSavePath();
  return path && WriteTo(*path);
}

bool FrameListPanel::WriteTo(const std::filesystem::path& path) {
  if (Status status = FrameListWrite(path, frames_); !status) {
    host_.ShowError(status.error());
    return false;
  }
  path_ = path;
  fileName_ = path.filename().string();
  return true;
}

void FrameListPanel::Add() {
  frames_.emplace_back();
}

void FrameListPanel::Insert() {
  if (selected_ == 0) {
    frames_.emplace_back();
    page_ = 0;
    return;
  }
  frames_.insert(frames_.begin() + static_cast<std::ptrdiff_t>(selected_ - 1), Drawing{});
}

void FrameListPanel::Delete() {
  if (selected_ == 0)
    return;
  frames_.erase(frames_.begin() + static_cast<std::ptrdiff_t>(selected_ - 1));
  selected_ = std::min(selected_, frames_.size());
  const std::size_t lastPage = pageCount() == 0 ? 0 : pageCount() - 1;
  page_ = std::min(page_, lastPage);
}

void FrameListPanel::SendToDrawing(PictureDocument& document) const {
  if (selected_ == 0)
    return;
  Drawing drawing = frames_[selected_ - 1];
  for (DrawingObject& object : drawing) {
    for (LaserPoint& point : object) {
      point.x *= kEditorFileScale;
      point.y *= kEditorFileScale;
      point.state = kStateNormal;
    }
  }
  document.ReplaceDrawing(std::move(drawing));
}

void FrameListPanel::GetFromDrawing(const PictureDocument& document) {
  if (selected_ == 0)
    return;
  Drawing frame = document.drawing();
  for (DrawingObject& object : frame) {
    for (LaserPoint& point : object) {
      point.x = std::clamp(point.x, 0, kCanvasExtent) / kEditorFileScale;
      point.y = std::clamp(point.y, 0, kCanvasExtent) / kEditorFileScale;
      point.state = kStateNormal;
    }
  }
  frames_[selected_ - 1] = std::move(frame);
}

void FrameListPanel::PreviousPage() {
  if (page_ > 0)
    --page_;
}

void FrameListPanel::NextPage() {
  if (page_ + 1 < pageCount())
    ++page_;
}

void FrameListPanel::ClickThumbnail(std::size_t slot) {
  const std::size_t index = page_ * kFramesPerPage + slot;
  if (slot < kFramesPerPage && index < frames_.size())
    selected_ = index + 1;
}

std::size_t FrameListPanel::selectedPointCount() const {
  return selected_ == 0 ? 0 : PointCount(frames_[selected_ - 1]);
}

std::size_t FrameListPanel::ThumbnailsShown() const {
  const std::size_t first = page_ * kFramesPerPage;
  return first >= frames_.size() ? 0 : std::min(kFramesPerPage, frames_.size() - first);
}

void FrameListPanel::DrawThumbnail(Canvas& canvas, std::size_t index) const {
  // The far corner lies outside the fill, so the whole 64 x 64 bitmap is black.
  canvas.FillRectangle(0, 0, kThumbnailSize, kThumbnailSize, PaletteColour(kColourBlack));
  for (const DrawingObject& object : frames_[index])
    DrawColouredPolyline(canvas, object, kThumbnailDivisor);
  canvas.SetPenColour(PaletteColour(kColourWhite));
  canvas.Text(0, 0, std::to_string(index + 1), kFrameNumberPointSize);
}

}  // namespace ravix
