#pragma once

#include <cstdint>

#include "core/laser_point.hpp"

namespace ravix {

// Deep copies with every point's state set to `state` (x, y, z, colour and
// blanked kept).
DrawingObject CopyObject(const DrawingObject& object, std::uint8_t state);
Drawing CopyDrawing(const Drawing& drawing, std::uint8_t state);

}  // namespace ravix
