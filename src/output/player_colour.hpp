#pragma once

#include <cstdint>

#include "core/palette.hpp"

namespace ravix {

// The colour cycle of the players' colour modes.
inline constexpr std::int32_t kPlayerColourCycle = 232;

// The palette index a live player sends for a point of colour `c` in colour
// mode `mode`: a fixed index 0..255 for every lit colour, 257 the point's own,
// 258 its colour moved on by `offset`, 259 the offset's colour, 260 the colour
// of the running point number `running`. Colour 0 always stays 0.
inline std::uint8_t PlayerColourIndex(std::int32_t mode, std::uint8_t c, std::int32_t offset,
                                      std::int32_t running) {
  if (c == 0)
    return 0;
  if (mode >= 0 && mode <= 255)
    return static_cast<std::uint8_t>(mode);
  switch (mode) {
    case kColourModeRnd1:
      return static_cast<std::uint8_t>((c + offset) % kPlayerColourCycle + 1);
    case kColourModeRnd2:
      return static_cast<std::uint8_t>(offset % kPlayerColourCycle + 1);
    case kColourModeRnd3:
      return static_cast<std::uint8_t>(running % kPlayerColourCycle + 1);
    default:
      return c;
  }
}

}  // namespace ravix
