#include "drawing/frame_reduction_model.hpp"

#include <algorithm>
#include <string>
#include <utility>

#include "drawing/point_reduction.hpp"
#include "drawing/preview_drawing.hpp"

namespace ravix {
namespace {

// Boxes leave out their far corner.
constexpr int kSide = kHalfScalePreviewSize;
constexpr PackedColour kEmptySlotGrey = 0x808080;
constexpr int kCaptionPointSize = 7;
constexpr int kCaptionMargin = 2;
constexpr int kCountCaptionTop = kHalfScalePreviewSize - 14;

// A copy of the frames with every point's state 0.
FrameList PlainCopy(const FrameList& frames) {
  FrameList copy = frames;
  for (Drawing& frame : copy) {
    for (DrawingObject& object : frame) {
      for (LaserPoint& point : object)
        point.state = kStateNormal;
    }
  }
  return copy;
}

}  // namespace

void FrameReductionModel::Prepare(FrameList sourceFrames, std::string frameListName) {
  source_ = std::move(sourceFrames);
  name_ = std::move(frameListName);
  result_ = PlainCopy(source_);
  page_ = std::min(page_, lastPage());
}

void FrameReductionModel::SetThreshold(int threshold) {
  threshold_ = std::clamp(threshold, kMinReductionThreshold, kMaxReductionThreshold);
}

std::size_t FrameReductionModel::lastPage() const {
  if (source_.empty())
    return 0;
  return (source_.size() + kReductionThumbnailsPerPage - 1) / kReductionThumbnailsPerPage - 1;
}

void FrameReductionModel::PreviousPage() {
  if (page_ > 0)
    --page_;
}

void FrameReductionModel::NextPage() {
  if (page_ < lastPage())
    ++page_;
}

std::optional<std::size_t> FrameReductionModel::SlotFrame(std::size_t slot) const {
  const std::size_t frame = page_ * kReductionThumbnailsPerPage + slot;
  if (slot >= kReductionThumbnailsPerPage || frame >= result_.size())
    return std::nullopt;
  return frame;
}

void FrameReductionModel::SelectSlot(std::size_t slot) {
  if (slot < kReductionThumbnailsPerPage)
    slot_ = slot;
}

void FrameReductionModel::DrawThumbnail(Canvas& canvas, std::size_t slot) const {
  const auto frame = SlotFrame(slot);
  if (!frame) {
    canvas.FillRectangle(0, 0, kSide, kSide, kEmptySlotGrey);
    return;
  }
  const Drawing& drawing = result_[*frame];
  DrawHalfScalePreview(canvas, drawing);
  canvas.SetPenColour(PaletteColour(kColourWhite));
  canvas.Text(kCaptionMargin, kCaptionMargin, std::to_string(*frame), kCaptionPointSize);
  canvas.Text(kCaptionMargin, kCountCaptionTop, std::to_string(PointCount(drawing)),
              kCaptionPointSize);
  if (slot != slot_)
    return;
  canvas.SetPenColour(PaletteColour(kColourRed));
  canvas.Rectangle(0, 0, kSide, kSide);
  canvas.Rectangle(1, 1, kSide - 1, kSide - 1);
}

void FrameReductionModel::ReduceSelectedFrame() {
  if (const auto frame = SlotFrame(slot_))
    result_[*frame] = ReduceFramePoints(source_[*frame], threshold_);
}

void FrameReductionModel::ReduceAllFrames() {
  result_ = ReduceFrameListPoints(source_, threshold_);
}

Status FrameReductionModel::WriteResult(const std::filesystem::path& framesFolder) const {
  return FrameListWrite(framesFolder / name_, result_);
}

}  // namespace ravix
