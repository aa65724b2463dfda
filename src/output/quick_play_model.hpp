#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/status.hpp"
#include "core/workspace.hpp"
#include "drawing/file_list_model.hpp"
#include "output/play_host.hpp"
#include "output/quick_play_timers.hpp"
#include "output/quick_player.hpp"
#include "output/quick_player_channel.hpp"
#include "segments/segment_play_channel.hpp"

namespace ravix {

inline constexpr std::int32_t kThumbnailsPerPage = 30;
// The "Scan rate" slider of the window: 20..250, starting at 150.
inline constexpr std::int32_t kInitialScanRatePosition = 150;

// The "Quick play" window's state: its three file lists, the drawing
// thumbnail pages, the play mode, the channel its players read, and Play.
class QuickPlayModel {
 public:
  explicit QuickPlayModel(const Workspace& workspace);

  FileListModel drawings;   // "Drawing", *.ddr
  FileListModel ildaFiles;  // "ILDAimage", *.ild ("ILDA lib")
  FileListModel segments;   // "Section", *.sec
  const std::shared_ptr<QuickPlayChannel> channel = std::make_shared<QuickPlayChannel>();
  // The segment player's channel of segment mode.
  const std::shared_ptr<SegmentPlayChannel> segmentChannel = std::make_shared<SegmentPlayChannel>();
  // "Select play": "Drawing", "ILDA" or "segment".
  QuickPlayMode mode = QuickPlayMode::kDrawing;

  // Thumbnail pages of 30 drawings; the page is shown 1-based.
  std::int32_t page() const { return page_; }
  std::int32_t lastPage() const;
  std::int32_t slot() const { return slot_; }
  // The drawings of the current page, in slot order.
  std::vector<std::filesystem::path> PageDrawings() const;
  // A click on thumbnail `slot`: it becomes the selected slot, its drawing
  // the current one of the list, and the mode "Drawing".
  void ClickThumbnail(std::int32_t slot);
  // The page buttons: one page back (not below the first) or forward (not
  // beyond the last); the list's current entry follows page x 30 + slot.
  bool PreviousPage();
  bool NextPage();

  // A choice in the ILDA file list: mode "ILDA".
  void ChooseIldaFile(std::size_t index);
  // The Delete key in the drawing list.
  Status DeleteCurrentDrawing();

  // "Scan rate": scanRateCode = 250 - position; the label shows position x 240.
  static void SetScanRate(LiveState& live, std::int32_t position);
  static std::int32_t ScanRateLabel(std::int32_t position) { return position * 240; }
  // A colour panel or the "Color(&C)" menu: a palette index or 257..260.
  void ChooseColour(std::int32_t code);
  // The "Point" check box.
  void SetPoint(bool on);

  // Play: stops what plays and waits, then starts the current file of the
  // mode's list on its play copy (play type 4, 5 or 9) with the toggles. With
  // no current file nothing starts.
  Status Play(PlayHost& host, LiveState& live, const QuickPlayButtons& buttons,
              const std::function<void(const std::string&)>& showStatus);
  // The copy the running play plays, for the preview; null before the first.
  std::shared_ptr<const QuickPlayJob> playing() const { return job_; }

 private:
  void FollowPage();

  std::int32_t page_ = 0;
  std::int32_t slot_ = 0;
  std::shared_ptr<const QuickPlayJob> job_;
};

}  // namespace ravix
