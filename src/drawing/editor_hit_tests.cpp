#include "drawing/editor_hit_tests.hpp"

#include <cstdlib>

namespace ravix {

bool NearPointTest(const LaserPoint& point, CanvasPoint click) {
  return std::abs(point.x - click.x) < 5 && std::abs(point.y - click.y) < 5;
}

bool SegmentHitTest(const LaserPoint& p, const LaserPoint& q, CanvasPoint click) {
  const double a = static_cast<double>(p.y) - q.y;
  const double b = static_cast<double>(q.x) - p.x;
  const double k = static_cast<double>(p.x) * q.y - static_cast<double>(q.x) * p.y;
  const double d = a * a + b * b;
  if (d == 0)
    return NearPointTest(p, click);
  const double distance = a * click.x + b * click.y + k;
  if (distance * distance / d >= 5.0)
    return false;
  const double betweenX = (static_cast<double>(p.x) - click.x) * (q.x - click.x);
  const double betweenY = (static_cast<double>(p.y) - click.y) * (q.y - click.y);
  return betweenX < 0 || betweenY < 0;
}

}  // namespace ravix
