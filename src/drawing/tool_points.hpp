#pragma once

#include <cstdint>

#include "core/laser_point.hpp"
#include "drawing/editor_hit_tests.hpp"

namespace ravix {

inline constexpr std::int32_t kGeneratedPoint = 0;
inline constexpr std::int32_t kVertexPoint = 2;
inline constexpr std::int32_t kSinglePoint = 3;

// A computed coordinate truncated toward zero, held inside the 32-bit range.
std::int32_t TruncateCoordinate(double value);

// A point made by a tool: state 0.
LaserPoint ToolPoint(CanvasPoint at, std::uint8_t colour, std::int32_t z, bool blanked);

// Appends the LineFill points strictly between `from` and `to` (z 0, lit).
void AppendLineFill(DrawingObject& object, const LaserPoint& from, const LaserPoint& to,
                    std::int32_t spacing, std::uint8_t colour);

// A sampled shape as the editor keeps it: every point in `colour`, the first
// and the last a vertex, the others generated, the first blanked.
void MarkShapeEnds(DrawingObject& shape, std::uint8_t colour);

// Consecutive vertices joined by LineFill points.
DrawingObject FillBetweenVertices(const DrawingObject& vertices, std::int32_t spacing,
                                  std::uint8_t colour);

}  // namespace ravix
