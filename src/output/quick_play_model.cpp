#include "output/quick_play_model.hpp"

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "output/quick_segment_play.hpp"
#include "segments/effect_list.hpp"
#include "segments/segment_file.hpp"

namespace ravix {

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
  live.settings.scanRateCode.store(static_cast<std::uint8_t>(250 - position),
                                   std::memory_order_relaxed);
}

void QuickPlayModel::ChooseColour(std::int32_t code) {
  channel->colourMode.store(code, std::memory_order_relaxed);
  segmentChannel->selectedColour.store(code, std::memory_order_relaxed);
}

void QuickPlayModel::SetPoint(bool on) {
  channel->point.store(on, std::memory_order_relaxed);
  segmentChannel->pointOverride.store(on, std::memory_order_relaxed);
}

Status QuickPlayModel::Play(PlayHost& host, LiveState& live, const QuickPlayButtons& buttons,
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

}  // namespace ravix
