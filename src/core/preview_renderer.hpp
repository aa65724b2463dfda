#pragma once

#include <cstdint>

#include "core/canvas.hpp"
#include "core/laser_point.hpp"

namespace ravix {

// Draws one object: lines in the points' palette colours, coordinates divided
// by `divisor` (integer division). Blanked moves are drawn in `blankColour`, or
// left out when it is 0; every blanked point gets a small dot. Points marked
// for deletion (state 2) are removed from `object` first.
void DrawObject(Canvas& canvas, DrawingObject& object, std::uint8_t blankColour, int divisor);

}  // namespace ravix
