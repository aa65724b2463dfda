#pragma once

#include <atomic>
#include <cstdint>

#include "core/palette.hpp"

namespace ravix {

// The colour override of each player window: 0..255 a fixed palette index, or a
// colour mode 257..260. Written by windows, read by the play loops.
struct ColourModes {
  std::atomic<std::int32_t> segmentColourMode{kColourModeAuto};
  std::atomic<std::int32_t> showColourMode{kColourModeAuto};
  std::atomic<std::int32_t> quickColourMode{kColourModeAuto};
  std::atomic<std::int32_t> pagesColourMode{kColourModeAuto};

  // The play settings window's colour panels set every player at once.
  void SetAll(std::int32_t code) {
    for (auto* mode : {&segmentColourMode, &showColourMode, &quickColourMode, &pagesColourMode})
      mode->store(code, std::memory_order_relaxed);
  }
};

}  // namespace ravix
