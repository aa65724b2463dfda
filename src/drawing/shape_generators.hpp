#pragma once

#include <cstdint>

#include "core/laser_point.hpp"

namespace ravix {

// The samplers behind the drawing tools, in canvas coordinates. Each returns new
// points with x and y set and everything else 0. `spacing` is the "Point Space"
// (at least 1), `sides` the "Sides of polygon" (at least 3); smaller values are
// raised to those limits.

// The points strictly between (x0, y0) and (x1, y1).
DrawingObject LineFill(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                       std::int32_t spacing);

// A closed ellipse inscribed in the box with corners (x0, y0) and (x1, y1),
// clockwise on the screen from the right end of its horizontal axis.
DrawingObject EllipseFill(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                          std::int32_t spacing);

// An arc about (cx, cy) with the radius of (sx, sy), from the direction of
// (sx, sy) to the direction of (ex, ey).
DrawingObject ArcFill(std::int32_t cx, std::int32_t cy, std::int32_t sx, std::int32_t sy,
                      std::int32_t ex, std::int32_t ey, std::int32_t spacing);

// The vertices of a regular polygon about (cx, cy) with the circumscribed radius
// of (px, py), closed by a copy of the first vertex.
DrawingObject PolygonVertices(std::int32_t cx, std::int32_t cy, std::int32_t px, std::int32_t py,
                              std::int32_t sides);

}  // namespace ravix
