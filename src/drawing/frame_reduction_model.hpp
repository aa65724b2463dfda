#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "core/canvas.hpp"
#include "core/status.hpp"
#include "drawing/frame_list_file.hpp"

namespace ravix {

inline constexpr std::size_t kReductionThumbnailsPerPage = 20;

// The "ILD to ilf" window's state: the source frames from the converter, the
// result frames the reductions replace, the threshold, the thumbnail page and
// the selected slot. The threshold, page and slot keep their values between
// uses; each Prepare refills the frames.
class FrameReductionModel {
 public:
  // The converter hands over the frames and the frame list name; the result
  // frames become copies of the source frames and the page is clamped.
  void Prepare(FrameList sourceFrames, std::string frameListName);

  const FrameList& sourceFrames() const { return source_; }
  const FrameList& resultFrames() const { return result_; }
  const std::string& frameListName() const { return name_; }

  int threshold() const { return threshold_; }
  // The track bar: clamped to 0..300.
  void SetThreshold(int threshold);

  // 0-based; the last page is ceil(frames / 20) - 1, page 0 without frames.
  std::size_t page() const { return page_; }
  std::size_t lastPage() const;
  void PreviousPage();
  void NextPage();

  // The frame shown in `slot` (0..19) of the current page, if any.
  std::optional<std::size_t> SlotFrame(std::size_t slot) const;
  std::size_t selectedSlot() const { return slot_; }
  // A click on a thumbnail; empty slots can be selected too.
  void SelectSlot(std::size_t slot);
  // The thumbnail of `slot`: the result frame at half scale with its index
  // (from 0) and point count, a red border when selected; grey when empty.
  void DrawThumbnail(Canvas& canvas, std::size_t slot) const;

  // "Reduce points for this frame": nothing when the selected slot is empty.
  void ReduceSelectedFrame();
  // "Reduce points for  all frame".
  void ReduceAllFrames();

  // "Create ddr files", read by the converter after OK.
  bool createDrawingFiles = true;

  // "&Ok": writes the result frames as `framesFolder`/name, replacing a file
  // of that name. "&Cancel" writes nothing and needs no call.
  Status WriteResult(const std::filesystem::path& framesFolder) const;

 private:
  FrameList source_;
  FrameList result_;
  std::string name_;
  int threshold_ = 0;
  std::size_t page_ = 0;
  std::size_t slot_ = 0;
};

}  // namespace ravix
