#include "shows/show_player.hpp"

#include <algorithm>
#include <system_error>

#include "core/text_lines.hpp"
#include "output/frame_encoder.hpp"
#include "segments/effect_engine.hpp"
#include "shows/show_file.hpp"

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

bool FileExists(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

std::string LowerExtension(const std::string& itemFile) {
  const auto dot = itemFile.rfind('.');
  return dot == std::string::npos ? std::string() : AsciiLowerCase(itemFile.substr(dot));
}

// The music: the stored name itself when that file exists, else the file of
// that name in the workspace's "Music" folder, else none.
std::filesystem::path MusicPath(const std::string& musicFile, const Workspace& workspace) {
  if (musicFile.empty())
    return {};
  const std::filesystem::path stored = StoredNameToPath(musicFile);
  if (FileExists(stored))
    return stored;
  const std::filesystem::path inFolder = workspace.Folder(kMusicFolder) / stored.filename();
  return FileExists(inFolder) ? inFolder : std::filesystem::path();
}

// Reads the integer fields of one "x,y,z,c,0,b|" point text.
std::vector<DisplayPoint> ParseDisplayLine(const std::string& line) {
  std::vector<DisplayPoint> points;
  std::size_t at = 0;
  while (at < line.size()) {
    const auto bar = line.find('|', at);
    if (bar == std::string::npos)
      break;
    std::int32_t fields[6] = {0, 0, 0, 0, 0, 0};
    std::size_t field = 0, start = at;
    for (std::size_t i = at; i <= bar && field < 6; ++i) {
      if (i == bar || line[i] == ',') {
        fields[field++] =
            ParseDecimalInt(std::string_view(line).substr(start, i - start)).value_or(0);
        start = i + 1;
      }
    }
    points.push_back(DisplayPoint{std::clamp(255 - fields[0], 0, 255),
                                  std::clamp(255 - fields[1], 0, 255),
                                  static_cast<std::uint8_t>(fields[3]), fields[5] == 1});
    at = bar + 1;
  }
  return points;
}

}  // namespace

ShowPlayer::ShowPlayer(LiveState& live, const ControllerBus& bus, ShowState& show,
                       Workspace workspace, std::optional<MediaPlayer> pathPlayer,
                       std::function<void(const std::string&)> showMessage)
    : live_(live),
      bus_(bus),
      show_(show),
      workspace_(std::move(workspace)),
      pathPlayer_(std::move(pathPlayer)),
      showMessage_(std::move(showMessage)),
      clock_(show),
      trackContext_{live, bus, show, playingShow_, workspace_, showMessage_} {}

ShowPlayer::~ShowPlayer() {
  StopPlay(live_.control);
  JoinTracks();
}

void ShowPlayer::JoinTracks() {
  threads_.clear();
}

bool ShowPlayer::AnyTrackBusy() const {
  return std::any_of(show_.tracks.begin(), show_.tracks.end(),
                     [](const ShowTrackState& t) { return t.busy.load(kRelaxed); });
}

Status ShowPlayer::PlayShow(const std::filesystem::path& path) {
  for (ShowTrackState& track : show_.tracks)
    track.displayHeld.store(false, kRelaxed);
  if (path.empty())
    return {};
  live_.control.stopRequested.store(true, kRelaxed);
  show_.showRunning.store(false, kRelaxed);
  EndMusicProcess(live_.control);
  JoinTracks();
  if (!FileExists(path))
    return {};
  if (Status status = ShowFileLoad(path, workspace_, playingShow_); !status) {
    if (showMessage_)
      showMessage_(status.error());
    return status;
  }
  StartShow();
  loopEnabled_ = true;
  restartAt_.reset();
  return {};
}

void ShowPlayer::StartShow() {
  if (showMessage_)
    showMessage_(kShowReadingText);
  JoinTracks();
  const std::filesystem::path music = MusicPath(playingShow_.musicFile, workspace_);
  if (const auto player = ChooseMediaPlayer(live_.settings.MediaPlayerPath(), pathPlayer_))
    StartMusic(live_.control, *player, music);

  live_.control.stopRequested.store(false, kRelaxed);
  for (ShowTrackState& track : show_.tracks) {
    track.timeTick.store(false, kRelaxed);
    track.frameTick.store(false, kRelaxed);
    track.busy.store(true, kRelaxed);
  }
  clockEnabled_ = true;
  displayEnabled_ = true;
  for (std::size_t t = 0; t < kShowTrackCount; ++t)
    threads_.push_back(std::make_unique<ShowTrackThread>(t, trackContext_));
  if (showMessage_)
    showMessage_(kShowBeginText);
}

void ShowPlayer::Stop() {
  StopPlay(live_.control);
}

std::vector<DisplayPoint> ShowPlayer::FrameListPicture(const ShowTrackState& track,
                                                       const Drawing& frame) const {
  // The display adds the offsets where the output subtracts them.
  PlaySettingsValues settings = live_.settings.Values();
  settings.offsetX = -settings.offsetX;
  settings.offsetY = -settings.offsetY;
  const PointEncoder encoder(settings, BasePosition::kAsStored);
  const std::int32_t mode = show_.liveColourMode.load(kRelaxed);
  const std::int32_t offset = track.displayColourOffset.load(kRelaxed);
  std::int32_t rnd3 = offset;
  std::vector<DisplayPoint> points;
  for (const DrawingObject& object : frame) {
    for (const LaserPoint& point : object) {
      const std::uint8_t colour =
          PickColour(point.colour, kColourModeAuto, mode, offset, rnd3 % 232);
      rnd3 = rnd3 % 232 + 1;
      const DeviceRecord r = encoder.Place(encoder.Orient(point), colour, point.blanked, point.z);
      points.push_back(DisplayPoint{r.x, r.y, colour, point.blanked != 0});
    }
  }
  return points;
}

std::vector<DisplayPoint> ShowPlayer::SegmentPicture(ShowTrackState& track) const {
  const std::vector<std::string> lines = track.displayLines.Copy();
  track.displayHeld.store(false, kRelaxed);
  std::vector<DisplayPoint> points;
  for (const std::string& line : lines) {
    const std::vector<DisplayPoint> object = ParseDisplayLine(line);
    points.insert(points.end(), object.begin(), object.end());
  }
  return points;
}

ShowPlayer::DisplayFiring ShowPlayer::DisplayFire() {
  DisplayFiring firing;
  if (live_.control.settingsChanged.exchange(false, kRelaxed)) {
    auto& pictures = firing.tracks.emplace();
    for (std::size_t t = 0; t < kShowTrackCount; ++t) {
      ShowTrackState& track = show_.tracks[t];
      const auto& items = playingShow_.tracks[t];
      const std::int32_t index = track.itemIndex.load(kRelaxed);
      if (!track.busy.load(kRelaxed) || index < 0 ||
          static_cast<std::size_t>(index) >= items.size()) {
        continue;
      }
      const TSequenceRecord& item = items[static_cast<std::size_t>(index)];
      const std::string kind = LowerExtension(item.itemFile);
      if (kind == ".ilf") {
        const std::int32_t frame = track.frameIndex.load(kRelaxed);
        if (frame >= 0 && static_cast<std::size_t>(frame) < item.frames.size())
          pictures[t] = FrameListPicture(track, item.frames[static_cast<std::size_t>(frame)]);
      } else if (kind == ".sec") {
        pictures[t] = SegmentPicture(track);
      }
      firing.pointCount += pictures[t].size();
    }
  }
  if (AnyTrackBusy())
    return firing;
  clockEnabled_ = false;
  displayEnabled_ = false;
  if (showMessage_)
    showMessage_(kShowOverText);
  EndMusicProcess(live_.control);
  if (!live_.control.loopPlay.load(kRelaxed)) {
    live_.control.stopRequested.store(true, kRelaxed);
    show_.showRunning.store(false, kRelaxed);
  }
  return firing;
}

void ShowPlayer::LoopFire(TimePoint now) {
  if (live_.control.stopRequested.load(kRelaxed)) {
    loopEnabled_ = false;
    restartAt_.reset();
    show_.showRunning.store(false, kRelaxed);
    EndMusicProcess(live_.control);
    return;
  }
  if (restartAt_) {
    if (now >= *restartAt_) {
      restartAt_.reset();
      StartShow();
    }
    return;
  }
  if (live_.control.loopPlay.load(kRelaxed) && show_.showRunning.load(kRelaxed) &&
      !AnyTrackBusy()) {
    show_.showRunning.store(false, kRelaxed);
    EndMusicProcess(live_.control);
    JoinTracks();
    restartAt_ = now + kRestartDelay;
  }
}

}  // namespace ravix
