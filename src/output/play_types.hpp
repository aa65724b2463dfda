#pragma once

#include <cstdint>

#include "output/play_job.hpp"

namespace ravix {

// Play types of the play thread.
inline constexpr std::uint8_t kPlayTypeDrawingPlayback = 2;

// Runs the loop of `playType` once, in the calling thread; a type without a
// loop returns at once.
void RunPlayLoop(std::uint8_t playType, const PlayContext& context);

}  // namespace ravix
