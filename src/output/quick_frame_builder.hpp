#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/laser_point.hpp"
#include "output/frame_encoder.hpp"
#include "output/live_state.hpp"
#include "output/quick_effects.hpp"
#include "output/quick_player_channel.hpp"

namespace ravix {

// Builds the quick player's blocks: every point through the live effects, the
// global settings, the window's colour mode and its "Point" box. The effect
// state lives as long as one play.
class QuickFrameBuilder {
 public:
  QuickFrameBuilder(LiveState& live, QuickPlayChannel& channel) : live_(live), channel_(channel) {}

  // Replaces `block` with the records of `objects`. With "Slow-Draw" moved,
  // the pass ends once more points were written than are shown. False when
  // stopRequested was seen between objects.
  bool Build(const Drawing& objects, const PointEncoder& encoder, std::vector<std::uint8_t>& block);

  const QuickEffects& effects() const { return effects_; }

 private:
  LiveState& live_;
  QuickPlayChannel& channel_;
  QuickEffects effects_;
};

}  // namespace ravix
