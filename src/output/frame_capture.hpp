#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "output/live_state.hpp"
#include "output/play_job.hpp"

namespace ravix {

struct FrameCaptureOptions {
  // The run ends after this many writes.
  std::size_t writeLimit = 1;
  // Raised after every write of point data (the player's frame tick), if set.
  std::atomic<bool>* tickFlag = nullptr;
};

// Runs the loop of `playType` in the calling thread on one simulated
// controller, the master Usb-0, with no transfer pause, and returns every bulk
// write it received as lowercase hex, in order. After each write of point data
// (every write but a 2-byte control message) settingsChanged is lowered, as a
// preview timer does, and the tick flag raised; after the last write counted
// stopRequested is raised. No other clock runs, so the result is exact.
std::vector<std::string> CapturePlayLoop(std::uint8_t playType, const PlayJob& job, LiveState& live,
                                         const FrameCaptureOptions& options);

std::string LowerHex(const std::vector<std::uint8_t>& bytes);

}  // namespace ravix
