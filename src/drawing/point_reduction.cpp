#include "drawing/point_reduction.hpp"

#include <cstdint>

namespace ravix {
namespace {

std::int64_t SquaredDistance(const LaserPoint& a, const LaserPoint& b) {
  const std::int64_t dx = std::int64_t{a.x} - b.x;
  const std::int64_t dy = std::int64_t{a.y} - b.y;
  return dx * dx + dy * dy;
}

DrawingObject ReduceObjectPoints(const DrawingObject& source, std::int64_t squaredThreshold) {
  DrawingObject reduced;
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (i > 0 && SquaredDistance(source[i], source[i - 1]) <= squaredThreshold)
      continue;
    LaserPoint kept = source[i];
    kept.state = kStateNormal;
    reduced.push_back(kept);
  }
  return reduced;
}

}  // namespace

Drawing ReduceFramePoints(const Drawing& source, int threshold) {
  const std::int64_t squaredThreshold = std::int64_t{threshold} * threshold;
  Drawing reduced;
  reduced.reserve(source.size());
  for (const DrawingObject& object : source)
    reduced.push_back(ReduceObjectPoints(object, squaredThreshold));
  return reduced;
}

FrameList ReduceFrameListPoints(const FrameList& source, int threshold) {
  FrameList reduced;
  reduced.reserve(source.size());
  for (const Drawing& frame : source)
    reduced.push_back(ReduceFramePoints(frame, threshold));
  return reduced;
}

}  // namespace ravix
