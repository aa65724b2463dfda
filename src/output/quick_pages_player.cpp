#include "output/quick_pages_player.hpp"

#include <algorithm>
#include <vector>

#include "output/control_message.hpp"
#include "output/device_output.hpp"
#include "output/frame_encoder.hpp"
#include "output/player_colour.hpp"
#include "output/settings_snapshot.hpp"

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

// The ticks counted for the frame being played.
struct TickCount {
  std::int32_t held = 0;
  std::int32_t sub = 0;
};

// A raised tick, while not paused, counts once for the frame and moves the
// colour offset every third time. The flag itself stays raised.
void CountTick(const LiveState& live, PagesPlayChannel& channel, TickCount& count) {
  if (!channel.segmentTick.load(kRelaxed) || live.control.paused.load(kRelaxed))
    return;
  ++count.held;
  if (++count.sub > 2) {
    count.sub = 0;
    channel.colourOffset.store((channel.colourOffset.load(kRelaxed) + 1) % kPlayerColourCycle,
                               kRelaxed);
  }
}

// Modes 258 and 259 take the offset as it is now, 260 counts on from `rnd3`.
void BuildPagesBlock(const Drawing& frame, const PointEncoder& encoder, std::int32_t mode,
                     std::int32_t offset, std::int32_t rnd3, std::vector<std::uint8_t>& block) {
  block.clear();
  for (const DrawingObject& object : frame) {
    for (const LaserPoint& p : object) {
      const std::uint8_t colour = PlayerColourIndex(mode, p.colour, offset, rnd3++);
      const DeviceRecord r = encoder.Place(encoder.Orient(p), colour, p.blanked, p.z);
      block.insert(block.end(), {r.colourBits, r.flags, r.x, r.y});
    }
  }
}

}  // namespace

void QuickPagesLoop(const PlayContext& context) {
  if (!context.job.pages || !context.job.pages->frames)
    return;
  const FrameList& frames = *context.job.pages->frames;
  PagesPlayChannel& channel = *context.job.pages->channel;
  LiveState& live = context.live;
  const std::atomic<bool>& stop = live.control.stopRequested;

  live.control.playing.store(true, kRelaxed);
  SettingsSnapshot snapshot(live.settings);
  live.control.settingsChanged.store(false, kRelaxed);
  ControlMessageSender controlMessages(context.bus, live);
  controlMessages.SendFirst();
  channel.colourOffset.store(0, kRelaxed);

  std::vector<std::uint8_t> block;
  do {
    for (std::size_t j = 0; j < frames.size() && !stop.load(kRelaxed); ++j) {
      const Drawing& frame = frames[j];
      channel.pointCount.store(static_cast<std::int32_t>(PointCount(frame)), kRelaxed);
      channel.frameIndex.store(static_cast<std::int32_t>(j), kRelaxed);
      live.control.settingsChanged.store(true, kRelaxed);
      TickCount count;
      while (!stop.load(kRelaxed)) {
        snapshot.Refresh(live);
        controlMessages.SendIfChanged();
        const std::int32_t rnd3 = channel.colourOffset.load(kRelaxed);
        if (frame.empty()) {
          CountTick(live, channel, count);
          if (count.held > kEmptyFrameTicks)
            break;
          channel.segmentTick.store(false, kRelaxed);
        }
        CountTick(live, channel, count);
        if (channel.timeFade.load(kRelaxed) < count.held)
          break;
        channel.segmentTick.store(false, kRelaxed);
        live.control.settingsChanged.store(true, kRelaxed);
        const PointEncoder encoder(live.settings.Values(), BasePosition::kMirrored);
        BuildPagesBlock(frame, encoder, channel.colourMode.load(kRelaxed),
                        channel.colourOffset.load(kRelaxed), rnd3, block);
        SendFrame(context.bus, live, block);
      }
      // The tick that ended the frame is not counted again by the next one.
      channel.segmentTick.store(false, kRelaxed);
    }
    // A list without frames is played once even with loop, so the loop never
    // spins without sending.
  } while (!frames.empty() && live.control.loopPlay.load(kRelaxed) && !stop.load(kRelaxed));
  live.control.playing.store(false, kRelaxed);
}

Status StartPagesPlay(PlayHost& host, LiveState& live,
                      const std::optional<std::filesystem::path>& file,
                      std::shared_ptr<PagesPlayChannel> channel, const PlayButtons& buttons,
                      std::shared_ptr<const FrameList>& frames,
                      const std::function<void(const std::string&)>& showMessage) {
  if (!host.StopAndWait())
    return Status::Failure("the running play did not stop");
  ApplyPlayButtons(buttons, live);
  if (!file)
    return {};
  auto list = std::make_shared<FrameList>();
  const Status read = FrameListRead(*file, *list);  // what was read before a fault still plays
  frames = list;
  if (showMessage)
    showMessage(kPagesPlayStartText);
  channel->segmentTick.store(false, kRelaxed);
  PlayJob job;
  job.pages = std::make_shared<PagesPlayJob>(PagesPlayJob{std::move(list), std::move(channel)});
  if (Status started = host.StartPlay(kPlayTypeQuickPages, std::move(job)); !started)
    return started;
  return read;
}

PagesDisplayFiring FirePagesDisplay(LiveState& live, PagesPlayChannel& channel) {
  PagesDisplayFiring firing;
  if (live.control.settingsChanged.load(kRelaxed)) {
    firing.draw = true;
    firing.pointCount = channel.pointCount.load(kRelaxed);
    firing.frameIndex = channel.frameIndex.load(kRelaxed);
    live.control.settingsChanged.store(false, kRelaxed);
  }
  firing.again = live.control.playing.load(kRelaxed);
  if (!firing.again)
    channel.segmentTick.store(false, kRelaxed);
  return firing;
}

Drawing PagesDisplayFrame(const Drawing& frame, std::int32_t colourMode,
                          std::int32_t colourOffset) {
  Drawing shown = frame;
  std::int32_t rnd3 = colourOffset;
  for (DrawingObject& object : shown) {
    for (LaserPoint& p : object) {
      p.x = std::clamp(p.x, 0, 255);
      p.y = std::clamp(p.y, 0, 255);
      p.colour = PlayerColourIndex(colourMode, p.colour, colourOffset, rnd3++);
    }
  }
  return shown;
}

}  // namespace ravix
