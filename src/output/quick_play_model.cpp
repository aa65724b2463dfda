#include "output/quick_play_model.hpp"

#include <algorithm>

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "output/quick_segment_play.hpp"
#include "segments/effect_list.hpp"
#include "segments/segment_file.hpp"

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

constexpr auto kQuickColourPanels = NamedColourPanelsAnd(std::array{
    ColourPanelSpec{"21", 21},
    ColourPanelSpec{"32", 32},
    ColourPanelSpec{"43", 43},
    ColourPanelSpec{"54", 54},
    ColourPanelSpec{"65", 65},
    ColourPanelSpec{"207", 207},
    ColourPanelSpec{"220", 220},
    ColourPanelSpec{"228", 228},
    ColourPanelSpec{"243", 243},
});

constexpr std::array kQuickColourModeItems = {
    ColourPanelSpec{"Original color(Auto)(&A)", kColourModeAuto},
    ColourPanelSpec{"Singal color alternate(Rnd1)(&Q)", kColourModeRnd1},
    ColourPanelSpec{"Mutiple color alternate(Rnd2)(&E)", kColourModeRnd2},
    ColourPanelSpec{"Ambulatory color(Rnd3)(&F)", kColourModeRnd3},
};

}  // namespace

std::span<const ColourPanelSpec> QuickColourPanels() {
  return kQuickColourPanels;
}

std::span<const ColourPanelSpec> QuickColourModeItems() {
  return kQuickColourModeItems;
}

QuickPlayModel::QuickPlayModel(const Workspace& workspace)
    : drawings(workspace.Folder(kDrawingFolder), ".ddr"),
      ildaFiles(workspace.Folder(kIldaFolder), ".ild"),
      segments(workspace.Folder(kSectionFolder), ".sec") {}

std::int32_t QuickPlayModel::lastPage() const {
  const auto count = static_cast<std::int32_t>(drawings.names().size());
  return count == 0 ? 0 : (count - 1) / kThumbnailsPerPage;
}

std::vector<std::filesystem::path> QuickPlayModel::PageDrawings() const {
  std::vector<std::filesystem::path> files;
  const std::vector<std::string>& names = drawings.names();
  for (std::size_t i = static_cast<std::size_t>(page_) * kThumbnailsPerPage;
       i < names.size() && files.size() < kThumbnailsPerPage; ++i) {
    files.push_back(drawings.PathOf(names[i]));
  }
  return files;
}

std::vector<Drawing> QuickPlayModel::PageThumbnails() const {
  std::vector<Drawing> thumbnails;
  for (const std::filesystem::path& file : PageDrawings()) {
    Drawing& drawing = thumbnails.emplace_back();
    (void)DrawingFileRead(file, drawing, 1);
  }
  return thumbnails;
}

void QuickPlayModel::FollowPage() {
  const std::size_t index = static_cast<std::size_t>(page_) * kThumbnailsPerPage + slot_;
  if (index < drawings.names().size())
    drawings.Select(index);
}

void QuickPlayModel::ClickThumbnail(std::int32_t slot) {
  if (slot < 0 || slot >= kThumbnailsPerPage)
    return;
  slot_ = slot;
  mode = QuickPlayMode::kDrawing;
  FollowPage();
}

bool QuickPlayModel::PreviousPage() {
  if (page_ <= 0)
    return false;
  --page_;
  FollowPage();
  return true;
}

bool QuickPlayModel::NextPage() {
  if (page_ >= lastPage())
    return false;
  ++page_;
  FollowPage();
  return true;
}

void QuickPlayModel::ChooseDrawing(std::size_t index) {
  if (index >= drawings.names().size())
    return;
  drawings.Select(index);
  page_ = static_cast<std::int32_t>(index) / kThumbnailsPerPage;
  slot_ = static_cast<std::int32_t>(index) % kThumbnailsPerPage;
  mode = QuickPlayMode::kDrawing;
}

void QuickPlayModel::ChooseSegment(std::size_t index) {
  if (index < segments.names().size())
    segments.Select(index);
  mode = QuickPlayMode::kSegment;
}

void QuickPlayModel::MoveSlider(QuickSlider slider, std::int32_t value) {
  channel->Slider(slider).store(std::clamp(value, 0, kQuickSliderMaximum), kRelaxed);
}

void QuickPlayModel::ChooseIldaFile(std::size_t index) {
  if (index < ildaFiles.names().size())
    ildaFiles.Select(index);
  mode = QuickPlayMode::kIlda;
}

Status QuickPlayModel::DeleteCurrentDrawing() {
  Status status = drawings.DeleteCurrent();
  page_ = std::min(page_, lastPage());
  return status;
}

void QuickPlayModel::SetScanRate(LiveState& live, std::int32_t position) {
  position = std::clamp(position, kScanRateMinimum, kScanRateMaximum);
  live.settings.scanRateCode.store(static_cast<std::uint8_t>(kScanRateMaximum - position),
                                   kRelaxed);
}

std::int32_t QuickPlayModel::ScanRatePosition(const LiveState& live) {
  return kScanRateMaximum - live.settings.scanRateCode.load(kRelaxed);
}

void QuickPlayModel::ChooseColour(std::int32_t code) {
  channel->colourMode.store(code, kRelaxed);
  segmentChannel->selectedColour.store(code, kRelaxed);
}

void QuickPlayModel::SetPoint(bool on) {
  channel->point.store(on, kRelaxed);
  segmentChannel->pointOverride.store(on, kRelaxed);
}

Status QuickPlayModel::Play(PlayHost& host, LiveState& live, const PlayButtons& buttons,
                            const std::function<void(const std::string&)>& showStatus) {
  if (!host.StopAndWait())
    return Status::Failure("the running play did not stop");
  const FileListModel& list = mode == QuickPlayMode::kIlda      ? ildaFiles
                              : mode == QuickPlayMode::kSegment ? segments
                                                                : drawings;
  const std::optional<std::string> name = list.currentName();
  if (!name)
    return {};
  const std::filesystem::path file = list.PathOf(*name);
  playingMode_ = mode;
  playingName_ = *name;

  if (mode == QuickPlayMode::kSegment) {
    std::vector<TSectionRecord> rows;
    if (Status status = SegmentFileRead(file, rows); !status)
      return status;
    EffectList effects;
    if (Status status = EffectListFileRead(file, effects); !status)
      return status;
    segmentChannel->effects.Set(effects);
    return StartQuickSegmentPlay(host, live, std::move(rows), *channel, segmentChannel, buttons);
  }

  auto job = std::make_shared<QuickPlayJob>();
  job->channel = channel;
  std::uint8_t playType = kPlayTypeQuickDrawing;
  if (mode == QuickPlayMode::kIlda) {
    TILDAimage image;
    if (const IldaReadResult read = IldaFileRead(file, image); !read.fileStatus)
      return read.fileStatus;
    job->frames = MakeQuickIldaCopy(image);
    playType = kPlayTypeQuickIlda;
  } else {
    Drawing drawing;
    if (Status status = DrawingFileRead(file, drawing, 1); !status)
      return status;
    job->drawing = MakeQuickDrawingCopy(drawing);
  }
  job_ = job;
  return StartQuickPlay(host, live, std::move(job), playType, buttons, showStatus);
}

void QuickPlayModel::BorrowForText() {
  playingMode_ = QuickPlayMode::kText;
  playingName_.clear();
}

std::chrono::milliseconds QuickPlayModel::FireFrameTimer(const LiveState& live) {
  if (playingMode_ != QuickPlayMode::kSegment)
    return FireQuickFrameTimer(playingMode_, live, *channel);
  segmentChannel->tick.store(true, kRelaxed);
  return kQuickTimerStartPeriod;
}

QuickPreviewFiring QuickPlayModel::FirePreview(LiveState& live,
                                               std::chrono::milliseconds framePeriod,
                                               QuickPreviewFrame& frame) {
  return FireQuickPreview(playingMode_, live, framePeriod, [&] { frame = TakeFrame(); });
}

QuickPreviewFrame QuickPlayModel::TakeFrame() const {
  QuickPreviewFrame frame;
  if (playingMode_ == QuickPlayMode::kSegment) {
    frame.drawing = SegmentPreviewDrawing(segmentChannel->preview.Copy());
    frame.pointCount = segmentChannel->rowPointTotal.load(kRelaxed);
    return frame;
  }
  frame.pointCount = channel->pointCount.load(kRelaxed);
  if (playingMode_ == QuickPlayMode::kText) {
    frame.drawing = channel->TextFrame();
    return frame;
  }
  if (!job_)
    return frame;
  if (playingMode_ == QuickPlayMode::kIlda) {
    const auto index = static_cast<std::size_t>(channel->frameIndex.load(kRelaxed));
    if (index < job_->frames.size())
      frame.drawing = IldaPreviewDrawing(job_->frames[index]);
  } else {
    frame.drawing = SlowDrawPreview(job_->drawing, *channel);
  }
  return frame;
}

}  // namespace ravix
