#include "drawing/point_reduction.hpp"

#include <cstdint>

namespace ravix {
namespace {

// dx^2 + dy^2 <= threshold^2, without squaring distances that could overflow.
bool WithinThreshold(const LaserPoint& a, const LaserPoint& b, std::int64_t threshold) {
  const std::int64_t dx = std::int64_t{a.x} - b.x;
  const std::int64_t dy = std::int64_t{a.y} - b.y;
  if (dx > threshold || -dx > threshold || dy > threshold || -dy > threshold)
    return false;
  return dx * dx + dy * dy <= threshold * threshold;
}

DrawingObject ReduceObjectPoints(const DrawingObject& source, std::int64_t threshold) {
  DrawingObject reduced;
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (i > 0 && WithinThreshold(source[i], source[i - 1], threshold))
      continue;
    LaserPoint kept = source[i];
    kept.state = kStateNormal;
    reduced.push_back(kept);
  }
  return reduced;
}

}  // namespace

Drawing ReduceFramePoints(const Drawing& source, int threshold) {
  Drawing reduced;
  reduced.reserve(source.size());
  for (const DrawingObject& object : source)
    reduced.push_back(ReduceObjectPoints(object, threshold));
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
