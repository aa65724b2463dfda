#include "core/preview_renderer.hpp"

#include <algorithm>

namespace ravix {

void DrawObject(Canvas& canvas, DrawingObject& object, std::uint8_t blankColour, int divisor) {
  if (object.empty())
    return;
  std::erase_if(object, [](const LaserPoint& p) { return p.state == kStateDeleted; });
  for (std::size_t i = 0; i < object.size(); ++i) {
    const LaserPoint& point = object[i];
    const int x = point.x / divisor;
    const int y = point.y / divisor;
    const PackedColour colour = PaletteColour(point.colour);
    const bool hiddenMove = point.blanked && blankColour == 0;
    canvas.SetPenColour(point.blanked && blankColour != 0 ? PaletteColour(blankColour) : colour);
    if (i == 0 || hiddenMove) {
      canvas.MoveTo(x, y);
    } else {
      canvas.LineTo(x, y);
    }
    canvas.SetPenColour(colour);
    if (point.blanked)
      canvas.Ellipse(x - 1, y + 1, x + 1, y - 1);
  }
}

}  // namespace ravix
