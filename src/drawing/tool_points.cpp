#include "drawing/tool_points.hpp"

#include <algorithm>
#include <limits>

#include "drawing/shape_generators.hpp"

namespace ravix {

std::int32_t TruncateCoordinate(double value) {
  constexpr double kLow = std::numeric_limits<std::int32_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, kLow, kHigh));
}

LaserPoint ToolPoint(CanvasPoint at, std::uint8_t colour, std::int32_t z, bool blanked) {
  return LaserPoint{at.x, at.y, z, colour, kStateNormal, static_cast<std::uint8_t>(blanked)};
}

void AppendLineFill(DrawingObject& object, const LaserPoint& from, const LaserPoint& to,
                    std::int32_t spacing, std::uint8_t colour) {
  for (const LaserPoint& p : LineFill(from.x, from.y, to.x, to.y, spacing))
    object.push_back(ToolPoint({p.x, p.y}, colour, kGeneratedPoint, false));
}

void MarkShapeEnds(DrawingObject& shape, std::uint8_t colour) {
  for (LaserPoint& point : shape) {
    point.colour = colour;
    point.z = kGeneratedPoint;
    point.blanked = 0;
    point.state = kStateNormal;
  }
  if (shape.empty())
    return;
  shape.front().z = kVertexPoint;
  shape.back().z = kVertexPoint;
  shape.front().blanked = 1;
}

DrawingObject FillBetweenVertices(const DrawingObject& vertices, std::int32_t spacing,
                                  std::uint8_t colour) {
  DrawingObject object;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    if (i > 0)
      AppendLineFill(object, vertices[i - 1], vertices[i], spacing, colour);
    object.push_back(vertices[i]);
  }
  return object;
}

}  // namespace ravix
