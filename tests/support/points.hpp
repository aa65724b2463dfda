#pragma once

#include <cstdint>

#include "core/laser_point.hpp"

namespace ravix::testing {

// A point in state 0, as every reader makes them.
inline LaserPoint P(int x, int y, int z = 0, int colour = 4, int blanked = 0) {
  return LaserPoint{x, y, z, static_cast<std::uint8_t>(colour), 0,
                    static_cast<std::uint8_t>(blanked)};
}

}  // namespace ravix::testing
