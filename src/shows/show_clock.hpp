#pragma once

#include <chrono>

#include "shows/show_state.hpp"

namespace ravix {

// The show window's clock. Each firing raises the time tick and the frame tick
// of all three tracks; a tick a track has not taken yet is lost.
class ShowClock {
 public:
  static constexpr std::chrono::milliseconds kFirstInterval{100};
  static constexpr std::chrono::milliseconds kInterval{5};

  explicit ShowClock(ShowState& show) : show_(show) {}

  // Returns the period until the next firing.
  std::chrono::milliseconds Fire() {
    for (ShowTrackState& track : show_.tracks) {
      track.timeTick.store(true, std::memory_order_relaxed);
      track.frameTick.store(true, std::memory_order_relaxed);
    }
    return kInterval;
  }

 private:
  ShowState& show_;
};

}  // namespace ravix
