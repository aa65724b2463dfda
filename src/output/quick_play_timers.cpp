#include "output/quick_play_timers.hpp"

#include <algorithm>

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

const char* EndMessage(QuickPlayMode mode) {
  switch (mode) {
    case QuickPlayMode::kDrawing:
      return kQuickDrawingOverText;
    case QuickPlayMode::kIlda:
      return kQuickIldaOverText;
    case QuickPlayMode::kSegment:
      return kQuickSegmentOverText;
    case QuickPlayMode::kText:
      return kQuickTextOverText;
  }
  return kQuickDrawingOverText;
}

}  // namespace

std::chrono::milliseconds FireQuickFrameTimer(QuickPlayMode mode, const LiveState& live,
                                              QuickPlayChannel& channel) {
  channel.frameTick.store(true, kRelaxed);
  if (mode == QuickPlayMode::kIlda)
    return std::chrono::milliseconds{live.settings.frameInterval.load(kRelaxed)};
  return std::chrono::milliseconds{10};
}

QuickPreviewFiring FireQuickPreview(QuickPlayMode mode, LiveState& live,
                                    std::chrono::milliseconds framePeriod,
                                    const std::function<void()>& takeFrame) {
  QuickPreviewFiring firing;
  switch (mode) {
    case QuickPlayMode::kIlda:
      firing.nextPeriod = framePeriod / 2;
      break;
    case QuickPlayMode::kSegment:
      firing.nextPeriod = std::chrono::milliseconds{1};
      break;
    default:
      firing.nextPeriod = std::chrono::milliseconds{5};
      break;
  }
  const bool playing = live.control.playing.load(kRelaxed);
  const bool needsPlaying = mode == QuickPlayMode::kDrawing || mode == QuickPlayMode::kIlda;
  if (live.control.settingsChanged.load(kRelaxed) && (playing || !needsPlaying)) {
    if (takeFrame)
      takeFrame();
    live.control.settingsChanged.store(false, kRelaxed);
    firing.draw = true;
  }
  firing.again = live.control.playing.load(kRelaxed);
  if (!firing.again)
    firing.endMessage = EndMessage(mode);
  return firing;
}

Drawing SlowDrawPreview(const Drawing& copy, const QuickPlayChannel& channel) {
  if (channel.sliders[static_cast<std::size_t>(QuickSlider::kSlowDraw)].load(kRelaxed) == 0)
    return copy;
  std::size_t left = static_cast<std::size_t>(channel.shownPoints.load(kRelaxed));
  Drawing shown;
  for (const DrawingObject& object : copy) {
    if (left == 0)
      break;
    const std::size_t take = std::min(left, object.size());
    shown.emplace_back(object.begin(), object.begin() + static_cast<std::ptrdiff_t>(take));
    left -= take;
  }
  return shown;
}

}  // namespace ravix
