#pragma once

#include <cstdint>
#include <vector>

namespace ravix {

// One point. Drawing space: x and y 0..255, y down, centre (128, 128); the
// drawing editor works at double scale 0..510. ILDA space: -128..127, y up.
struct LaserPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  // Point kind: 0 generated, 2 vertex, 3 single point; above 1 is "special".
  std::int32_t z = 0;
  std::uint8_t colour = 0;
  // Editor selection state: 0 normal, 1 selected, 2 marked for deletion.
  std::uint8_t state = 0;
  // 1: the beam travels to this point dark.
  std::uint8_t blanked = 0;

  friend bool operator==(const LaserPoint&, const LaserPoint&) = default;
};
static_assert(sizeof(LaserPoint) <= 16);

// One stroke: the beam visits the points in order.
using DrawingObject = std::vector<LaserPoint>;
// The content of one drawing file, or one frame of a frame list.
using Drawing = std::vector<DrawingObject>;

inline constexpr std::uint8_t kStateNormal = 0;
inline constexpr std::uint8_t kStateSelected = 1;
inline constexpr std::uint8_t kStateDeleted = 2;

// Drawing space to ILDA space: x' = x - 128, y' = 128 - y; state becomes 0.
inline LaserPoint DrawingToIldaPoint(const LaserPoint& p) {
  return LaserPoint{p.x - 128, 128 - p.y, p.z, p.colour, kStateNormal, p.blanked};
}

// ILDA space to drawing space: x = x' + 128, y = 128 - y'; state becomes 0.
inline LaserPoint IldaToDrawingPoint(const LaserPoint& p) {
  return LaserPoint{p.x + 128, 128 - p.y, p.z, p.colour, kStateNormal, p.blanked};
}

// Total number of points over all objects.
inline std::size_t PointCount(const Drawing& drawing) {
  std::size_t n = 0;
  for (const auto& object : drawing)
    n += object.size();
  return n;
}

}  // namespace ravix
