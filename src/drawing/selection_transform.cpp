#include "drawing/selection_transform.hpp"

namespace ravix {

Drawing TransformedSelectionCopies(const PictureDocument& document,
                                   const PointTransform& transform) {
  Drawing copies;
  for (const DrawingObject& object : document.drawing()) {
    DrawingObject copy;
    for (LaserPoint point : object) {
      if (point.state != kStateSelected)
        continue;
      point.state = kStateNormal;
      transform(point);
      copy.push_back(point);
    }
    if (!copy.empty())
      copies.push_back(std::move(copy));
  }
  return copies;
}

void TransformSelection(PictureDocument& document, bool makeCopies,
                        const PointTransform& transform) {
  if (makeCopies) {
    for (DrawingObject& copy : TransformedSelectionCopies(document, transform))
      document.AppendObject(std::move(copy));
    return;
  }
  for (const PointRef& ref : document.selection().entries())
    transform(document.MutablePoint(ref));
}

void MirrorSelection(PictureDocument& document, bool horizontal) {
  TransformSelection(document, document.copyObjectFlag(), [horizontal](LaserPoint& p) {
    if (horizontal) {
      p.y = kCanvasExtent - p.y;
    } else {
      p.x = kCanvasExtent - p.x;
    }
  });
  document.Changed();
  if (!document.selection().empty())
    document.RecordUndoStep();
}

}  // namespace ravix
