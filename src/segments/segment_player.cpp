#include "segments/segment_player.hpp"

#include <algorithm>
#include <vector>

#include "output/control_message.hpp"
#include "output/device_output.hpp"
#include "output/frame_encoder.hpp"
#include "output/settings_snapshot.hpp"
#include "segments/effect_engine.hpp"

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

// The frame one cycle builds: the device records and the preview lines.
class FrameBuilder {
 public:
  FrameBuilder(SegmentPlayChannel& channel, std::size_t largestFramePoints) : channel_(channel) {
    records_.reserve(largestFramePoints * kDeviceRecordBytes);
  }

  void Start() {
    records_.clear();
    lines_.Clear();
  }
  std::string& NextObjectLine() { return lines_.NextLine(); }

  // Encodes one point whose effect steps have run: mirror flags, locate
  // angle, offsets, size; the colour through the palette, depths and
  // brightness.
  void AddPoint(const PointEncoder& encoder, std::string& line, EncoderPosition position,
                const LaserPoint& point, std::uint8_t colour, bool sendBlanked) {
    const DeviceRecord record =
        encoder.Place(encoder.Mirror(position), colour, sendBlanked ? 1 : 0, point.z);
    records_.insert(records_.end(), {record.colourBits, record.flags, record.x, record.y});
    AppendPreviewPoint(line, record.x, record.y, point.z, colour, point.blanked != 0);
  }

  void PublishPreview() { lines_.PublishTo(channel_.preview); }
  const std::vector<std::uint8_t>& records() const { return records_; }

 private:
  SegmentPlayChannel& channel_;
  std::vector<std::uint8_t> records_;
  PreviewLineBuilder lines_;
};

std::size_t LargestRowPoints(const std::vector<TSectionRecord>& rows) {
  std::size_t largest = 0;
  for (const TSectionRecord& row : rows)
    largest = std::max(largest, PointCount(row.objects));
  return largest;
}

// Counts a raised tick into the row's time unless paused; true when the row
// time has run out. The tick is left as it is.
bool CountTick(const std::atomic<bool>& tick, const PlayControl& control, std::int32_t& elapsed,
               std::int32_t time) {
  if (tick.load(kRelaxed) && !control.paused.load(kRelaxed))
    ++elapsed;
  return elapsed > time;
}

void SegmentPlayLoop(const PlayContext& context, bool pointOverrideApplies) {
  LiveState& live = context.live;
  PlayControl& control = live.control;
  const SegmentPlayJob& job = *context.job.segment;
  SegmentPlayChannel& channel = *job.channel;
  EffectState& state = channel.effectState;
  std::atomic<bool>& tick = channel.tick;

  control.playing.store(true, kRelaxed);
  SettingsSnapshot snapshot(live.settings, /*includeMirror=*/false);
  control.settingsChanged.store(false, kRelaxed);
  ControlMessageSender controlMessages(context.bus, live);
  controlMessages.SendFirst();

  EffectStepsReader effect(channel.effects);
  FrameBuilder frame(channel, LargestRowPoints(job.rows));
  do {
    for (std::size_t r = 0; r < job.rows.size() && !control.stopRequested.load(kRelaxed); ++r) {
      const TSectionRecord& row = job.rows[r];
      ResetForItem(state);
      state.rowPointTotal = static_cast<std::int32_t>(PointCount(row.objects));
      state.slowDrawShown = state.rowPointTotal;
      channel.rowPointTotal.store(state.rowPointTotal, kRelaxed);
      channel.rowIndex.store(static_cast<std::int32_t>(r), kRelaxed);
      control.settingsChanged.store(true, kRelaxed);
      effect.UseName(row.effectName);
      std::int32_t elapsed = 0;

      while (!control.stopRequested.load(kRelaxed)) {
        snapshot.Refresh(live);
        controlMessages.SendIfChanged();
        frame.Start();
        std::int32_t pointIndex = 0;
        std::int32_t rnd3Index = state.colourOffset;

        if (row.objects.empty()) {
          const bool over = CountTick(tick, control, elapsed, row.time);
          tick.store(false, kRelaxed);
          if (over)
            break;
        }
        if (!control.settingsChanged.load(kRelaxed)) {
          const PointEncoder encoder(live.settings.Values(), BasePosition::kMirrored);
          const bool pointOverride = pointOverrideApplies && channel.pointOverride.load(kRelaxed);
          const std::int32_t selected = channel.selectedColour.load(kRelaxed);
          for (const DrawingObject& object : row.objects) {
            if (elapsed > row.time)
              break;
            std::int32_t colourVariable = row.colour;
            std::string& line = frame.NextObjectLine();
            for (const LaserPoint& point : object) {
              if (CountTick(tick, control, elapsed, row.time)) {
                tick.store(false, kRelaxed);
                break;
              }
              CountPoint(state, control.paused.load(kRelaxed));
              EncoderPosition position{255.0 - point.x, 255.0 - point.y};
              ApplySteps(effect.Steps(), state, position.x, position.y, colourVariable, pointIndex);
              tick.store(false, kRelaxed);
              const std::uint8_t colour =
                  PickColour(point.colour, colourVariable, selected, state.colourOffset, rnd3Index);
              frame.AddPoint(encoder, line, position, point, colour,
                             point.blanked != 0 || pointOverride);
              ++pointIndex;
              ++rnd3Index;
            }
          }
          frame.PublishPreview();
        }
        control.settingsChanged.store(true, kRelaxed);
        if (elapsed > row.time)
          break;
        SendFrame(context.bus, live, frame.records());
      }
    }
  } while (control.loopPlay.load(kRelaxed) && !control.stopRequested.load(kRelaxed));
  control.playing.store(false, kRelaxed);
}

}  // namespace

void SegmentEditPlayLoop(const PlayContext& context) {
  if (context.job.segment)
    SegmentPlayLoop(context, /*pointOverrideApplies=*/false);
}

void QuickPlaySegmentLoop(const PlayContext& context) {
  if (context.job.segment)
    SegmentPlayLoop(context, /*pointOverrideApplies=*/true);
}

void EffectPreviewLoop(const PlayContext& context) {
  if (!context.job.segment)
    return;
  LiveState& live = context.live;
  PlayControl& control = live.control;
  const SegmentPlayJob& job = *context.job.segment;
  SegmentPlayChannel& channel = *job.channel;
  EffectState& state = channel.effectState;
  const Drawing& drawing = job.previewDrawing;

  control.playing.store(true, kRelaxed);
  SettingsSnapshot snapshot(live.settings, /*includeMirror=*/true);
  control.settingsChanged.store(false, kRelaxed);
  ControlMessageSender controlMessages(context.bus, live);
  controlMessages.SendFirst();

  ResetForPreview(state);
  state.rowPointTotal = static_cast<std::int32_t>(PointCount(drawing));
  state.slowDrawShown = state.rowPointTotal;
  channel.rowPointTotal.store(state.rowPointTotal, kRelaxed);
  channel.rowIndex.store(0, kRelaxed);
  EffectStepsReader effect(channel.effects);
  effect.UseSelected();
  FrameBuilder frame(channel, PointCount(drawing));

  while (!control.stopRequested.load(kRelaxed)) {
    snapshot.Refresh(live);
    controlMessages.SendIfChanged();
    frame.Start();
    if (!control.settingsChanged.load(kRelaxed)) {
      const PointEncoder encoder(live.settings.Values(), BasePosition::kMirrored);
      std::int32_t pointIndex = 0;
      std::int32_t rnd3Index = state.colourOffset;
      std::int32_t colourVariable = channel.selectedColour.load(kRelaxed);
      for (const DrawingObject& object : drawing) {
        if (control.stopRequested.load(kRelaxed))
          break;
        std::string& line = frame.NextObjectLine();
        for (const LaserPoint& point : object) {
          CountPoint(state, control.paused.load(kRelaxed));
          EncoderPosition position{255.0 - point.x, 255.0 - point.y};
          ApplySteps(effect.Steps(), state, position.x, position.y, colourVariable, pointIndex);
          const std::uint8_t colour = PickColour(point.colour, colourVariable, kColourModeAuto,
                                                 state.colourOffset, rnd3Index);
          frame.AddPoint(encoder, line, position, point, colour, point.blanked != 0);
          ++pointIndex;
          ++rnd3Index;
        }
      }
      frame.PublishPreview();
    }
    control.settingsChanged.store(true, kRelaxed);
    SendFrame(context.bus, live, frame.records());
  }
  control.playing.store(false, kRelaxed);
}

Status StartSegmentPlay(PlayHost& host, LiveState& live, std::vector<TSectionRecord> rows,
                        std::shared_ptr<SegmentPlayChannel> channel,
                        const std::optional<MediaPlayer>& player,
                        const std::filesystem::path& musicFile,
                        std::function<void(const std::string&)> showStatus) {
  if (!host.StopAndWait())
    return Status::Failure("the running play did not stop");
  if (showStatus)
    showStatus(kSegmentPlayingText);
  if (player)
    StartMusic(live.control, *player, musicFile);
  channel->tick.store(false, kRelaxed);
  auto job = std::make_shared<SegmentPlayJob>();
  job->rows = std::move(rows);
  job->channel = std::move(channel);
  return host.StartPlay(kPlayTypeSegmentEdit, PlayJob{{}, std::move(showStatus), std::move(job)});
}

Status StartEffectPreview(PlayHost& host, const Drawing& drawing,
                          std::shared_ptr<SegmentPlayChannel> channel,
                          std::function<void(const std::string&)> showStatus) {
  if (!host.StopAndWait())
    return Status::Failure("the running play did not stop");
  if (drawing.empty())
    return {};
  if (showStatus)
    showStatus(kEffectPreviewPlayingText);
  auto job = std::make_shared<SegmentPlayJob>();
  for (const DrawingObject& object : drawing) {
    DrawingObject& copy = job->previewDrawing.emplace_back();
    for (LaserPoint p : object) {
      p.x = std::clamp(p.x, 0, 255);
      p.y = std::clamp(p.y, 0, 255);
      copy.push_back(p);
    }
  }
  channel->tick.store(false, kRelaxed);
  job->channel = std::move(channel);
  return host.StartPlay(kPlayTypeEffectPreview, PlayJob{{}, std::move(showStatus), std::move(job)});
}

}  // namespace ravix
