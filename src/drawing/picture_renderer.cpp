#include "drawing/picture_renderer.hpp"

namespace ravix {
namespace {

constexpr int kAxis = 256;

void DrawGrid(Canvas& canvas, const PictureDocument& document) {
  canvas.SetPenColour(kGridGrey);
  for (int x = 0; x <= kCanvasExtent; x += document.gridSpacingX()) {
    for (int y = 0; y <= kCanvasExtent; y += document.gridSpacingY())
      canvas.Ellipse(x - 1, y - 1, x + 1, y + 1);
  }
  canvas.SetPenDashed(true);
  canvas.MoveTo(kAxis, 0);
  canvas.LineTo(kAxis, kCanvasExtent);
  canvas.MoveTo(0, kAxis);
  canvas.LineTo(kCanvasExtent, kAxis);
  canvas.SetPenDashed(false);
}

void DrawMarker(Canvas& canvas, const LaserPoint& point, bool visiblePoints) {
  const int x = point.x;
  const int y = point.y;
  if (point.state == kStateSelected) {
    canvas.FillRectangle(x - 3, y - 3, x + 3, y + 3, kSelectionRed);
    return;
  }
  canvas.SetPenColour(PaletteColour(point.colour));
  if (point.z > 2) {
    canvas.Ellipse(x - 3, y - 3, x + 3, y + 3);
  } else if (visiblePoints && point.z == 2) {
    canvas.Rectangle(x - 2, y - 2, x + 2, y + 2);
  } else if (visiblePoints) {
    canvas.Ellipse(x - 2, y - 2, x + 2, y + 2);
  }
}

void DrawEditorObject(Canvas& canvas, const DrawingObject& object,
                      const PictureDocument& document) {
  const std::uint8_t blankColour = document.blankingColour();
  for (std::size_t i = 0; i < object.size(); ++i) {
    const LaserPoint& point = object[i];
    if (point.state == kStateDeleted)
      continue;
    const bool hiddenMove = point.blanked && blankColour == 0;
    canvas.SetPenColour(PaletteColour(point.blanked ? blankColour : point.colour));
    if (i == 0 || hiddenMove) {
      canvas.MoveTo(point.x, point.y);
    } else {
      canvas.LineTo(point.x, point.y);
    }
    DrawMarker(canvas, point, document.visiblePoints());
  }
}

}  // namespace

void RenderPicture(Canvas& canvas, const PictureDocument& document) {
  canvas.FillRectangle(0, 0, kPictureCanvasSize - 1, kPictureCanvasSize - 1,
                       PaletteColour(document.backgroundColour()));
  if (document.backgroundPictureOn())
    canvas.DrawPicture(document.backgroundPicture(), 0, 0);
  DrawGrid(canvas, document);
  for (const DrawingObject& object : document.drawing())
    DrawEditorObject(canvas, object, document);
}

}  // namespace ravix
