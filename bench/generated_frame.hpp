#pragma once

#include <cstddef>
#include <cstdint>

#include "core/laser_point.hpp"

namespace ravix::bench {

inline constexpr std::size_t kFrameObjects = 20;
inline constexpr std::size_t kFramePointsPerObject = 5'000;
inline constexpr std::size_t kFramePoints = kFrameObjects * kFramePointsPerObject;

// A frame of 100,000 points over the whole picture, every colour, kind and
// an occasional blanked move.
inline Drawing MakeGeneratedFrame() {
  Drawing drawing(kFrameObjects);
  for (std::size_t o = 0; o < kFrameObjects; ++o) {
    for (std::size_t i = 0; i < kFramePointsPerObject; ++i) {
      LaserPoint p;
      p.x = static_cast<int>((i * 7 + o) % 256);
      p.y = static_cast<int>((i * 13) % 256);
      p.z = static_cast<int>(i % 4);
      p.colour = static_cast<std::uint8_t>(i % 256);
      p.blanked = static_cast<std::uint8_t>(i % 9 == 0);
      drawing[o].push_back(p);
    }
  }
  return drawing;
}

}  // namespace ravix::bench
