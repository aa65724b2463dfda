#include "drawing/rotation_dialog_model.hpp"

#include <algorithm>

#include "drawing/picture_document.hpp"
#include "drawing/picture_renderer.hpp"
#include "drawing/preview_drawing.hpp"
#include "drawing/selection_transform.hpp"
#include "drawing/tool_points.hpp"
#include "output/transform_primitives.hpp"

namespace ravix {
namespace {

// The selection in its order, as one list of points.
DrawingObject SelectedPoints(const PictureDocument& document) {
  DrawingObject points;
  for (const PointRef& ref : document.selection().entries())
    points.push_back(document.Point(ref));
  return points;
}

}  // namespace

void RotationDialogModel::SetAngle(int degrees) {
  angle_ = std::clamp(degrees, 0, kMaxRotationAngle);
}

void RotationDialogModel::Rotate(LaserPoint& point) const {
  double x = point.x;
  double y = point.y;
  RotateAbout(RotationAngle(), kEditorFileScale * centre_.x, kEditorFileScale * centre_.y, x, y);
  point.x = TruncateCoordinate(x);
  point.y = TruncateCoordinate(y);
}

void RotationDialogModel::RenderPreview(Canvas& canvas, const PictureDocument& document) const {
  canvas.FillRectangle(0, 0, kRotationPreviewSize - 1, kRotationPreviewSize - 1,
                       PaletteColour(kColourBlack));
  DrawingObject points = SelectedPoints(document);
  if (document.copyObjectFlag())
    DrawColouredPolyline(canvas, points, kEditorFileScale);
  for (LaserPoint& point : points)
    Rotate(point);
  DrawColouredPolyline(canvas, points, kEditorFileScale);
  canvas.SetPenColour(kSelectionRed);
  canvas.Rectangle(centre_.x - 2, centre_.y - 2, centre_.x + 2, centre_.y + 2);
}

void RotationDialogModel::Ok(PictureDocument& document) const {
  TransformSelection(document, document.copyObjectFlag(),
                     [this](LaserPoint& point) { Rotate(point); });
  if (!document.selection().empty())
    document.MarkChanged();
  document.Changed();
}

}  // namespace ravix
