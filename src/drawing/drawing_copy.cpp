#include "drawing/drawing_copy.hpp"

namespace ravix {

DrawingObject CopyObject(const DrawingObject& object, std::uint8_t state) {
  DrawingObject copy = object;
  for (LaserPoint& point : copy)
    point.state = state;
  return copy;
}

Drawing CopyDrawing(const Drawing& drawing, std::uint8_t state) {
  Drawing copy;
  copy.reserve(drawing.size());
  for (const DrawingObject& object : drawing)
    copy.push_back(CopyObject(object, state));
  return copy;
}

}  // namespace ravix
