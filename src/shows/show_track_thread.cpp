#include "shows/show_track_thread.hpp"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/byte_file.hpp"
#include "core/text_lines.hpp"
#include "output/control_message.hpp"
#include "output/device_output.hpp"
#include "output/frame_encoder.hpp"
#include "output/settings_snapshot.hpp"
#include "segments/compiled_effect.hpp"
#include "segments/effect_engine.hpp"

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;
// How long a track waits before it looks again at a flag it waits for.
constexpr auto kWaitInterval = std::chrono::milliseconds(1);

enum class ItemKind { kFrameList, kSegment, kPause };

ItemKind KindOf(const std::string& itemFile) {
  const auto dot = itemFile.rfind('.');
  const std::string extension =
      dot == std::string::npos ? "" : AsciiLowerCase(itemFile.substr(dot));
  if (extension == ".ilf")
    return ItemKind::kFrameList;
  if (extension == ".sec")
    return ItemKind::kSegment;
  return ItemKind::kPause;
}

// How an item's play ended.
enum class Outcome { kGoOn, kTrackFailed };

class TrackPlayer {
 public:
  TrackPlayer(std::size_t track, const ShowTrackContext& context)
      : index_(track),
        context_(context),
        live_(context.live),
        control_(context.live.control),
        track_(context.show.tracks[track]),
        state_(track_.effectState),
        snapshot_(context.live.settings) {}

  void Run() {
    control_.settingsChanged.store(false, kRelaxed);
    const auto& items = context_.playingShow.tracks[index_];
    for (std::size_t i = 0; i < items.size() && !Stopped(); ++i) {
      const TSequenceRecord& item = items[i];
      track_.itemIndex.store(static_cast<std::int32_t>(i), kRelaxed);
      const ItemKind kind = KindOf(item.itemFile);
      control_.settingsChanged.store(true, kRelaxed);
      track_.elapsed.store(0, kRelaxed);
      while (Elapsed() < item.duration && !Stopped()) {
        Outcome outcome = Outcome::kGoOn;
        if (kind == ItemKind::kFrameList)
          outcome = PlayFrames(item);
        else if (kind == ItemKind::kSegment)
          PlaySegment(item);
        else
          WaitOneTick();
        if (outcome == Outcome::kTrackFailed)
          return;
      }
    }
  }

 private:
  bool Stopped() const { return control_.stopRequested.load(kRelaxed); }
  bool Paused() const { return control_.paused.load(kRelaxed); }
  std::int32_t Elapsed() const { return track_.elapsed.load(kRelaxed); }

  // Counting a tick: a raised time tick is taken and, unless paused, counted.
  void CountTick() {
    if (track_.timeTick.exchange(false, kRelaxed) && !Paused())
      track_.elapsed.store(Elapsed() + 1, kRelaxed);
  }

  // A pause item, or an item without content: counts a tick, waiting for it
  // without spinning when none is there.
  void WaitOneTick() {
    if (!track_.timeTick.load(kRelaxed))
      std::this_thread::sleep_for(kWaitInterval);
    CountTick();
  }

  void SendControlMessage(ControlMessage& last) {
    last = CurrentControlMessage(live_.settings);
    const std::string device = context_.show.TrackDevice(index_);
    context_.bus.DeviceBulkWrite(last, device, live_.settings.outputPipe.load(kRelaxed));
  }
  void SendControlMessageIfChanged(ControlMessage& last) {
    if (CurrentControlMessage(live_.settings) != last)
      SendControlMessage(last);
  }
  void SendBuffer() {
    SendFrameToDevice(context_.bus, live_, buffer_, context_.show.TrackDevice(index_));
  }

  std::optional<std::int64_t> InvertTime() {
    const std::string text = context_.show.InvertTime();
    const auto value = ParseDecimalInt(text);
    if (!value && context_.showMessage)
      context_.showMessage(InvalidIntegerMessage(text));
    return value;
  }

  Outcome PlayFrames(const TSequenceRecord& item) {
    std::int32_t& colourOffset = state_.colourOffset;
    colourOffset = 0;
    CountTick();
    ControlMessage last;
    SendControlMessage(last);
    if (item.frames.empty()) {
      WaitOneTick();
      return Outcome::kGoOn;
    }
    for (std::size_t f = 0; f < item.frames.size(); ++f) {
      CountTick();
      if (item.duration < Elapsed())
        return Outcome::kGoOn;
      track_.frameIndex.store(static_cast<std::int32_t>(f), kRelaxed);
      control_.settingsChanged.store(true, kRelaxed);
      track_.frameTick.store(false, kRelaxed);
      std::int64_t held = 0;
      SendControlMessageIfChanged(last);
      while (!Stopped()) {
        CountTick();
        const auto invertTime = InvertTime();
        if (!invertTime)
          return Outcome::kTrackFailed;
        if (*invertTime * item.duration < Elapsed())
          return Outcome::kGoOn;
        if (track_.frameTick.exchange(false, kRelaxed)) {
          if (!Paused())
            ++held;
          if (held > *invertTime - 1)
            break;
        }
        snapshot_.Refresh(live_);
        BuildFrameBuffer(item.frames[f]);
        SendBuffer();
      }
    }
    return Outcome::kGoOn;
  }

  void BuildFrameBuffer(const Drawing& frame) {
    const PointEncoder encoder(live_.settings.Values(), BasePosition::kAsStored);
    const std::int32_t mode = context_.show.liveColourMode.load(kRelaxed);
    std::int32_t rnd3 = state_.colourOffset;
    track_.displayColourOffset.store(state_.colourOffset, kRelaxed);
    buffer_.clear();
    for (const DrawingObject& object : frame) {
      for (const LaserPoint& point : object) {
        CountTick();
        track_.colourCycle.Step(state_.colourOffset, Paused(), control_.settingsChanged);
        const std::uint8_t colour =
            PickColour(point.colour, kColourModeAuto, mode, state_.colourOffset, rnd3 % 232);
        rnd3 = rnd3 % 232 + 1;
        const DeviceRecord r = encoder.Place(encoder.Orient(point), colour, point.blanked, point.z);
        buffer_.insert(buffer_.end(), {r.colourBits, r.flags, r.x, r.y});
      }
    }
  }

  // The effect list of the segment file, read afresh; empty when the file
  // cannot be read.
  std::optional<CompiledEffectList> ReadEffects(const TSequenceRecord& item) {
    std::string error;
    const auto bytes =
        ReadWholeFile(context_.workspace.File(kSectionFolder, item.itemFile), &error);
    if (!bytes)
      return std::nullopt;
    return CompileEffectList(EffectListRead(SplitLines(*bytes)));
  }

  void PlaySegment(const TSequenceRecord& item) {
    track_.displayHeld.store(false, kRelaxed);
    CountTick();
    const auto effects = ReadEffects(item);
    // A segment whose file is missing, or that has no rows, waits its time.
    if (!effects || item.segmentRows.empty()) {
      WaitOneTick();
      return;
    }
    framesSent_ = false;
    for (std::size_t r = 0; r < item.segmentRows.size(); ++r) {
      CountTick();
      if (item.duration < Elapsed())
        return;
      if (!PlayRow(item, r, *effects))
        return;
    }
    // Rows that all ended before sending anything take no time of their own.
    if (!framesSent_)
      WaitOneTick();
  }

  // One row until its time is used up; false when the item's time ran out or
  // a stop came.
  bool PlayRow(const TSequenceRecord& item, std::size_t r, const CompiledEffectList& effects) {
    const TSectionRecord& row = item.segmentRows[r];
    track_.rowIndex.store(static_cast<std::int32_t>(r), kRelaxed);
    ResetForItemKeepingCounters(state_);
    state_.rowPointTotal = static_cast<std::int32_t>(PointCount(row.objects));
    state_.slowDrawShown = state_.rowPointTotal;
    control_.settingsChanged.store(true, kRelaxed);
    const std::span<const CompiledStep> steps = effects.Find(row.effectName);
    std::int32_t rowTime = 0;
    ControlMessage last;
    SendControlMessage(last);

    while (!Stopped()) {
      CountTick();
      if (item.duration < Elapsed())
        return false;
      if (rowTime >= row.time)
        return true;
      snapshot_.Refresh(live_);
      SendControlMessageIfChanged(last);
      if (!WaitForDisplay())
        return false;
      BuildSegmentFrame(row, steps, rowTime);
      control_.settingsChanged.store(true, kRelaxed);
      SendBuffer();
      framesSent_ = true;
      if (rowTime >= row.time)
        return true;
    }
    return false;
  }

  // Waits until the display has copied the last frame's lines, then claims
  // the lines for the next frame. False on a stop.
  bool WaitForDisplay() {
    while (track_.displayHeld.load(kRelaxed)) {
      if (Stopped())
        return false;
      std::this_thread::sleep_for(kWaitInterval);
    }
    track_.displayHeld.store(true, kRelaxed);
    return true;
  }

  // Counts a raised frame tick into the row time unless paused; true when the
  // row time has run out. The tick is left as it is.
  bool CountRowTick(std::int32_t& rowTime, std::int32_t time) const {
    if (track_.frameTick.load(kRelaxed) && !Paused())
      ++rowTime;
    return rowTime > time;
  }

  void BuildSegmentFrame(const TSectionRecord& row, std::span<const CompiledStep> steps,
                         std::int32_t& rowTime) {
    const PointEncoder encoder(live_.settings.Values(), BasePosition::kMirrored);
    const std::int32_t mode = context_.show.liveColourMode.load(kRelaxed);
    std::int32_t pointIndex = 0;
    std::int32_t rnd3Index = state_.colourOffset;
    track_.displayColourOffset.store(state_.colourOffset, kRelaxed);
    buffer_.clear();
    lines_.Clear();
    if (row.objects.empty()) {
      CountRowTick(rowTime, row.time);
      track_.frameTick.store(false, kRelaxed);
    }
    for (const DrawingObject& object : row.objects) {
      if (rowTime > row.time)
        break;
      std::int32_t colourVariable = row.colour;
      std::string& line = lines_.NextLine();
      for (const LaserPoint& point : object) {
        CountTick();
        if (CountRowTick(rowTime, row.time)) {
          track_.frameTick.store(false, kRelaxed);
          break;
        }
        CountPoint(state_, Paused());
        EncoderPosition position{255.0 - point.x, 255.0 - point.y};
        ApplySteps(steps, state_, position.x, position.y, colourVariable, pointIndex);
        track_.frameTick.store(false, kRelaxed);
        const std::uint8_t colour =
            PickColour(point.colour, colourVariable, mode, state_.colourOffset, rnd3Index);
        const DeviceRecord r =
            encoder.Place(encoder.Mirror(position), colour, point.blanked, point.z);
        buffer_.insert(buffer_.end(), {r.colourBits, r.flags, r.x, r.y});
        AppendPreviewPoint(line, r.x, r.y, point.z, colour, point.blanked != 0);
        ++pointIndex;
        ++rnd3Index;
      }
    }
    lines_.PublishTo(track_.displayLines);
  }

  const std::size_t index_;
  const ShowTrackContext& context_;
  LiveState& live_;
  PlayControl& control_;
  ShowTrackState& track_;
  EffectState& state_;
  SettingsSnapshot snapshot_;
  std::vector<std::uint8_t> buffer_;
  PreviewLineBuilder lines_;
  bool framesSent_ = false;
};

}  // namespace

void RunShowTrack(std::size_t track, const ShowTrackContext& context) {
  ShowTrackState& state = context.show.tracks[track];
  context.show.showRunning.store(true, kRelaxed);
  TrackPlayer(track, context).Run();
  state.busy.store(false, kRelaxed);
}

ShowTrackThread::ShowTrackThread(std::size_t track, const ShowTrackContext& context)
    : thread_([track, &context] { RunShowTrack(track, context); }) {}

}  // namespace ravix
