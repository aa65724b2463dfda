#include "output/play_buttons.hpp"

namespace ravix {

void ApplyPlayButtons(const PlayButtons& buttons, LiveState& live) {
  constexpr auto kRelaxed = std::memory_order_relaxed;
  live.control.loopPlay.store(buttons.loop, kRelaxed);
  live.settings.invertY.store(buttons.invertY, kRelaxed);
  live.settings.invertX.store(buttons.invertX, kRelaxed);
  live.control.paused.store(buttons.paused, kRelaxed);
}

}  // namespace ravix
