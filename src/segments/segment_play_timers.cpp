#include "segments/segment_play_timers.hpp"

namespace ravix {

namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
}

SegmentPlayTimers::SegmentPlayTimers(LiveState& live, SegmentPlayChannel& channel, bool drawingMode,
                                     std::string overText,
                                     std::function<void(const std::string&)> showStatus)
    : live_(live),
      channel_(channel),
      drawingMode_(drawingMode),
      overText_(std::move(overText)),
      showStatus_(std::move(showStatus)) {}

SegmentPlayTimers::Clock SegmentPlayTimers::Tick() {
  if (tickEnabled_)
    channel_.tick.store(true, kRelaxed);
  return kTickInterval;
}

SegmentPlayTimers::PreviewFiring SegmentPlayTimers::Preview() {
  PreviewFiring firing;
  PlayControl& control = live_.control;
  const bool playing = control.playing.load(kRelaxed);
  if (control.settingsChanged.load(kRelaxed) && (!drawingMode_ || playing)) {
    firing.lines = channel_.preview.Copy();
    control.settingsChanged.store(false, kRelaxed);
  }
  if (!playing) {
    tickEnabled_ = false;
    channel_.tick.store(false, kRelaxed);
    firing.keepRunning = false;
    if (showStatus_)
      showStatus_(overText_);
  }
  return firing;
}

}  // namespace ravix
