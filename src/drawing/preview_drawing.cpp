#include "drawing/preview_drawing.hpp"

#include "core/palette.hpp"

namespace ravix {
namespace {

constexpr int kHalfScale = 2;

}  // namespace

void DrawPolyline(Canvas& canvas, const DrawingObject& points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i == 0) {
      canvas.MoveTo(points[i].x, points[i].y);
    } else {
      canvas.LineTo(points[i].x, points[i].y);
    }
  }
}

void DrawColouredPolyline(Canvas& canvas, const DrawingObject& points, int divisor) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const LaserPoint& point = points[i];
    const int x = point.x / divisor;
    const int y = point.y / divisor;
    canvas.SetPenColour(PaletteColour(point.colour));
    if (i == 0 || point.blanked) {
      canvas.MoveTo(x, y);
    } else {
      canvas.LineTo(x, y);
    }
    if (point.blanked)
      canvas.Ellipse(x - 1, y - 1, x + 1, y + 1);
  }
}

void DrawHalfScalePreview(Canvas& canvas, const Drawing& drawing) {
  // Boxes leave out their far corner: this covers the whole picture.
  canvas.FillRectangle(0, 0, kHalfScalePreviewSize, kHalfScalePreviewSize,
                       PaletteColour(kColourBlack));
  for (const DrawingObject& object : drawing)
    DrawColouredPolyline(canvas, object, kHalfScale);
}

}  // namespace ravix
