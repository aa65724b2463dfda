#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "output/live_state.hpp"
#include "segments/segment_play_channel.hpp"

namespace ravix {

// The logic of a segment window's two timers, one call per firing. A window's
// timers (or the command line's clock) call them and use the intervals they
// return.
class SegmentPlayTimers {
 public:
  using Clock = std::chrono::milliseconds;

  // The first tick of the segment player comes 100 ms after the start, of the
  // effect preview 300 ms; the preview timer starts at 50 ms and 300 ms.
  static constexpr Clock kSegmentFirstTick{100};
  static constexpr Clock kSegmentFirstPreview{50};
  static constexpr Clock kEffectPreviewFirstFire{300};
  static constexpr Clock kTickInterval{5};
  static constexpr Clock kPreviewInterval{1};

  // `drawingMode` for the effect preview: the preview only copies while the
  // player runs. `overText` is shown once the player has ended.
  SegmentPlayTimers(LiveState& live, SegmentPlayChannel& channel, bool drawingMode,
                    std::string overText, std::function<void(const std::string&)> showStatus);

  // TickTimer: raises the tick; the next firing comes 5 ms later.
  Clock Tick();
  bool TickEnabled() const { return tickEnabled_; }

  struct PreviewFiring {
    // The frame's lines to draw, when the player had handed one over.
    std::optional<std::vector<std::string>> lines;
    // False once the player has ended: the window stops both timers.
    bool keepRunning = true;
  };
  // PreviewTimer: takes the frame the player built and lowers settingsChanged,
  // which lets the player build the next one; the next firing comes 1 ms later.
  PreviewFiring Preview();

 private:
  LiveState& live_;
  SegmentPlayChannel& channel_;
  const bool drawingMode_;
  const std::string overText_;
  std::function<void(const std::string&)> showStatus_;
  bool tickEnabled_ = true;
};

}  // namespace ravix
