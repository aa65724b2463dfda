#pragma once

#include "core/laser_point.hpp"

namespace ravix {

// A position on the editor canvas (0..510, y downwards).
struct CanvasPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

// The click lies less than 5 pixels from the point in x and in y.
bool NearPointTest(const LaserPoint& point, CanvasPoint click);

// The click lies on the segment from `p` (earlier) to `q`: less than sqrt(5)
// from the line and strictly between the ends in x or in y. Coinciding ends
// are hit as a point.
bool SegmentHitTest(const LaserPoint& p, const LaserPoint& q, CanvasPoint click);

}  // namespace ravix
