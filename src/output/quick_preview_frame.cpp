#include "output/quick_preview_frame.hpp"

#include <algorithm>

#include "core/palette.hpp"
#include "drawing/point_line.hpp"
#include "drawing/preview_drawing.hpp"

namespace ravix {
namespace {

constexpr int kPictureSize = 256;
constexpr int kThumbnailDivisor = kPictureSize / kQuickThumbnailSize;

void DrawPicture(Canvas& canvas, const Drawing& drawing, int size, int divisor) {
  canvas.FillRectangle(0, 0, size, size, PaletteColour(kColourBlack));
  for (const DrawingObject& object : drawing)
    DrawColouredPolyline(canvas, object, divisor);
}

}  // namespace

Drawing IldaPreviewDrawing(const Drawing& frame) {
  Drawing shown = frame;
  for (DrawingObject& object : shown) {
    for (LaserPoint& p : object)
      p.y = 255 - p.y;
  }
  return shown;
}

Drawing SegmentPreviewDrawing(const std::vector<std::string>& lines) {
  Drawing shown;
  Drawing parsed;
  for (const std::string& line : lines) {
    (void)ParsePointLine(line, parsed);  // the points before a fault still show
    for (DrawingObject& object : parsed) {
      for (LaserPoint& p : object) {
        p.x = std::clamp(255 - p.x, 0, 255);
        p.y = std::clamp(255 - p.y, 0, 255);
      }
      shown.push_back(std::move(object));
    }
  }
  return shown;
}

void DrawQuickPreview(Canvas& canvas, const Drawing& drawing) {
  DrawPicture(canvas, drawing, kPictureSize, 1);
}

void DrawQuickThumbnail(Canvas& canvas, const Drawing& drawing, bool selected) {
  DrawPicture(canvas, drawing, kQuickThumbnailSize, kThumbnailDivisor);
  if (selected)
    DrawSelectionFrame(canvas, kQuickThumbnailSize);
}

void DrawSelectionFrame(Canvas& canvas, int size) {
  canvas.SetPenColour(PaletteColour(kColourRed));
  for (int inset = 0; inset < kSelectionFrameWidth; ++inset) {
    const int far = size - inset;  // the far corner is outside the box
    canvas.Rectangle(inset, inset, far, far);
  }
}

}  // namespace ravix
