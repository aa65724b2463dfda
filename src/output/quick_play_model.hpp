#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/status.hpp"
#include "core/workspace.hpp"
#include "drawing/file_list_model.hpp"
#include "output/play_host.hpp"
#include "output/play_settings_panel.hpp"
#include "output/quick_play_timers.hpp"
#include "output/quick_player.hpp"
#include "output/quick_player_channel.hpp"
#include "output/quick_preview_frame.hpp"
#include "segments/segment_play_channel.hpp"

namespace ravix {

inline constexpr std::int32_t kThumbnailsPerPage = 30;
// The "Scan rate" slider of the window: 20..250, starting at 150.
inline constexpr std::int32_t kScanRateMinimum = 20;
inline constexpr std::int32_t kScanRateMaximum = 250;
inline constexpr std::int32_t kInitialScanRatePosition = 150;
// The live effect sliders run 0..255.
inline constexpr std::int32_t kQuickSliderMaximum = 255;

// The live effect sliders' captions, in QuickSlider order.
inline constexpr std::array<const char*, kQuickSliderCount> kQuickSliderCaptions = {
    "Rotation", "H-rotate", "V-rorate", "Slow-Draw", "H-move",
    "V-move",   "H-strech", "V-strech", "Zoom",      "CH speed"};

// The window's colour panels (palette indexes) and the colour modes of its
// "Color(&C)" menu.
std::span<const ColourPanelSpec> QuickColourPanels();
std::span<const ColourPanelSpec> QuickColourModeItems();

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
  // Their contents (scale 1) for the thumbnails; an unreadable file shows
  // what was read of it.
  std::vector<Drawing> PageThumbnails() const;
  // A click on thumbnail `slot`: it becomes the selected slot, its drawing
  // the current one of the list, and the mode "Drawing".
  void ClickThumbnail(std::int32_t slot);
  // The page buttons: one page back (not below the first) or forward (not
  // beyond the last); the list's current entry follows page x 30 + slot.
  bool PreviousPage();
  bool NextPage();

  // A choice in the drawing list: mode "Drawing", and the thumbnail page and
  // slot of that drawing.
  void ChooseDrawing(std::size_t index);
  // A choice in the ILDA file list: mode "ILDA".
  void ChooseIldaFile(std::size_t index);
  // The Delete key in the drawing list.
  Status DeleteCurrentDrawing();

  // A choice in the segment list: mode "segment".
  void ChooseSegment(std::size_t index);

  // A live effect slider, limited to 0..255.
  void MoveSlider(QuickSlider slider, std::int32_t value);
  // "Scan rate": scanRateCode = 250 - position; the label shows position x 240.
  static void SetScanRate(LiveState& live, std::int32_t position);
  static std::int32_t ScanRateLabel(std::int32_t position) { return position * 240; }
  // The slider position of the live scan rate.
  static std::int32_t ScanRatePosition(const LiveState& live);
  // A colour panel or the "Color(&C)" menu: a palette index or 257..260.
  void ChooseColour(std::int32_t code);
  // The "Point" check box.
  void SetPoint(bool on);

  // Play: stops what plays and waits, then starts the current file of the
  // mode's list on its play copy (play type 4, 5 or 9) with the toggles. With
  // no current file nothing starts.
  Status Play(PlayHost& host, LiveState& live, const PlayButtons& buttons,
              const std::function<void(const std::string&)>& showStatus);
  // A rolling text play borrows the timers: the playing mode becomes text,
  // whose preview is the frame the text player built last.
  void BorrowForText();

  // The copy the running play plays, for the preview; null before the first.
  std::shared_ptr<const QuickPlayJob> playing() const { return job_; }
  // The mode and file name of the play started last.
  QuickPlayMode playingMode() const { return playingMode_; }
  const std::string& playingName() const { return playingName_; }

  // The frame timer of the play started last: raises the frame tick (the
  // segment player's tick in segment mode) and returns the next period, 10 ms
  // drawing, the frame interval ILDA and 100 ms segment.
  std::chrono::milliseconds FireFrameTimer(const LiveState& live);
  // The preview timer of the play started last, after it has disabled
  // itself; when `draw` is set, `frame` holds what the player built.
  QuickPreviewFiring FirePreview(LiveState& live, std::chrono::milliseconds framePeriod,
                                 QuickPreviewFrame& frame);

 private:
  void FollowPage();
  QuickPreviewFrame TakeFrame() const;

  std::int32_t page_ = 0;
  std::int32_t slot_ = 0;
  std::shared_ptr<const QuickPlayJob> job_;
  QuickPlayMode playingMode_ = QuickPlayMode::kDrawing;
  std::string playingName_;
};

}  // namespace ravix
