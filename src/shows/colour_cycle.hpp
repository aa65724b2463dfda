#pragma once

#include <atomic>
#include <cstdint>

namespace ravix {

// Two counters that move a frame-list track's colour offset one step every
// 121 points sent. They start at 0 with the program and are never reset.
struct ColourCycle {
  std::int32_t first = 0;
  std::int32_t second = 0;

  // One point sent, unless paused. When the offset moves, settingsChanged is
  // raised.
  void Step(std::int32_t& colourOffset, bool paused, std::atomic<bool>& settingsChanged) {
    if (paused)
      return;
    if (first > 10) {
      first = 0;
      ++second;
      if (second > kSpeedLimit) {
        second = 0;
        colourOffset = (colourOffset + 1) % 232;
        settingsChanged.store(true, std::memory_order_relaxed);
      }
    }
    ++first;
  }

 private:
  // 40 minus the speed constant of 30.
  static constexpr std::int32_t kSpeedLimit = 10;
};

}  // namespace ravix
