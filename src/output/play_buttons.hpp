#pragma once

#include "output/live_state.hpp"

namespace ravix {

// The toggle buttons of a play toolbar.
struct PlayButtons {
  bool loop = false;
  bool invertX = false;
  bool invertY = false;
  bool paused = false;

  friend bool operator==(const PlayButtons&, const PlayButtons&) = default;
};

// The toggles taken into loopPlay, invertX, invertY and paused before a play
// starts.
void ApplyPlayButtons(const PlayButtons& buttons, LiveState& live);

}  // namespace ravix
