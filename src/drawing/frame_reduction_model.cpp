#include "drawing/frame_reduction_model.hpp"

#include <algorithm>
#include <utility>

#include "drawing/point_reduction.hpp"

namespace ravix {
namespace {

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
  return (source_.size() + kThumbnailsPerPage - 1) / kThumbnailsPerPage - 1;
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
  const std::size_t frame = page_ * kThumbnailsPerPage + slot;
  if (slot >= kThumbnailsPerPage || frame >= result_.size())
    return std::nullopt;
  return frame;
}

void FrameReductionModel::SelectSlot(std::size_t slot) {
  if (slot < kThumbnailsPerPage)
    slot_ = slot;
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
