#include "drawing/move_tools.hpp"

#include <cstdlib>

#include "drawing/preview_drawing.hpp"
#include "drawing/selection_transform.hpp"
#include "drawing/tool_points.hpp"

namespace ravix {
namespace {

CanvasPoint FirstClick(const PictureDocument& document) {
  const LaserPoint& first = document.pendingClicks().front();
  return {first.x, first.y};
}

PointTransform MoveBy(CanvasPoint from, CanvasPoint to) {
  const int dx = to.x - from.x;
  const int dy = to.y - from.y;
  return [dx, dy](LaserPoint& p) {
    p.x += dx;
    p.y += dy;
  };
}

PointTransform ScaleAbout(CanvasPoint centre, CanvasPoint factors) {
  return [centre, factors](LaserPoint& p) {
    p.x = TruncateCoordinate(centre.x + (static_cast<double>(p.x) - centre.x) * factors.x * 0.02);
    p.y = TruncateCoordinate(centre.y + (static_cast<double>(p.y) - centre.y) * factors.y * 0.02);
  };
}

// The first click saves the selection's positions and is kept.
void StartTransform(PictureDocument& document, ToolEvent event) {
  document.ConfineCursor();
  document.SaveMoveBackup();
  document.pendingClicks().push_back(LaserPoint{event.at.x, event.at.y});
}

// The live view: every saved point from its saved position, or nothing to
// change when copies are to be made (the preview shows them).
void ShowTransform(PictureDocument& document, const PointTransform& transform) {
  if (document.pendingClicks().empty() || document.copyObjectFlag())
    return;
  for (const MoveBackupEntry& entry : document.moveBackup()) {
    LaserPoint& point = document.MutablePoint(entry.ref);
    LaserPoint moved = entry.saved;
    transform(moved);
    point.x = moved.x;
    point.y = moved.y;
  }
}

void ApplyTransform(PictureDocument& document, const PointTransform& transform) {
  document.RestoreMoveBackup();
  TransformSelection(document, document.copyObjectFlag(), transform);
  if (!document.selection().empty())
    document.RecordUndoStep();
  document.DropMoveBackup();
  document.pendingClicks().clear();
  document.ReleaseCursor();
}

void DrawTransformPreview(Canvas& canvas, const PictureDocument& document,
                          const PointTransform& transform) {
  if (document.pendingClicks().empty() || !document.copyObjectFlag())
    return;
  for (const DrawingObject& copy : TransformedSelectionCopies(document, transform))
    DrawColouredPolyline(canvas, copy, 1);
}

PointTransform ScaleTo(const PictureDocument& document, ToolEvent mouse) {
  const CanvasPoint centre = FirstClick(document);
  return ScaleAbout(centre, ScaleFactors(centre, mouse));
}

}  // namespace

void MovePointLeftDown(PictureDocument& document, ToolEvent event) {
  document.ConfineCursor();
  std::vector<LaserPoint>& pending = document.pendingClicks();
  if (pending.empty()) {
    document.ClearSelection();
    const Drawing& drawing = document.drawing();
    bool found = false;
    for (std::size_t o = 0; o < drawing.size() && !found; ++o) {
      for (std::size_t p = 0; p < drawing[o].size() && !found; ++p) {
        if (NearPointTest(drawing[o][p], event.at)) {
          document.Select({o, p});
          found = true;
        }
      }
    }
    document.SaveMoveBackup();
    pending.push_back(LaserPoint{event.at.x, event.at.y});
    return;
  }
  for (const PointRef& ref : document.selection().entries()) {
    document.MutablePoint(ref).x = event.at.x;
    document.MutablePoint(ref).y = event.at.y;
  }
  document.ClearSelection();
  document.DropMoveBackup();
  pending.clear();
  document.ReleaseCursor();
  document.RecordUndoStep();
}

void MovePointMouseMove(PictureDocument& document, ToolEvent event) {
  if (document.pendingClicks().empty())
    return;
  for (const PointRef& ref : document.selection().entries()) {
    document.MutablePoint(ref).x = event.at.x;
    document.MutablePoint(ref).y = event.at.y;
  }
}

void MovePointRightDown(PictureDocument& document) {
  document.RestoreMoveBackup();
  document.ClearSelection();
  document.DropMoveBackup();
  document.pendingClicks().clear();
  document.ReleaseCursor();
}

void MoveLeftDown(PictureDocument& document, ToolEvent event) {
  if (document.pendingClicks().empty()) {
    StartTransform(document, event);
    return;
  }
  ApplyTransform(document, MoveBy(FirstClick(document), event.at));
}

void MoveMouseMove(PictureDocument& document, ToolEvent event) {
  if (!document.pendingClicks().empty())
    ShowTransform(document, MoveBy(FirstClick(document), event.at));
}

void ScaleLeftDown(PictureDocument& document, ToolEvent event) {
  if (document.pendingClicks().empty()) {
    StartTransform(document, event);
    return;
  }
  ApplyTransform(document, ScaleTo(document, event));
}

void ScaleMouseMove(PictureDocument& document, ToolEvent event) {
  if (!document.pendingClicks().empty())
    ShowTransform(document, ScaleTo(document, event));
}

void TransformRightDown(PictureDocument& document) {
  if (document.pendingClicks().empty())
    return;
  document.RestoreMoveBackup();
  document.DropMoveBackup();
  document.pendingClicks().clear();
  document.ReleaseCursor();
}

void DrawMovePreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse) {
  if (!document.pendingClicks().empty())
    DrawTransformPreview(canvas, document, MoveBy(FirstClick(document), mouse.at));
}

void DrawScalePreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse) {
  if (!document.pendingClicks().empty())
    DrawTransformPreview(canvas, document, ScaleTo(document, mouse));
}

CanvasPoint ScaleFactors(CanvasPoint centre, ToolEvent click) {
  int sx = click.at.x - centre.x;
  int sy = click.at.y - centre.y;
  if (click.ctrl) {
    if (std::abs(sx) < std::abs(sy)) {
      sx = sx > 0 ? std::abs(sy) : -std::abs(sy);
    } else {
      sy = sy > 0 ? std::abs(sx) : -std::abs(sx);
    }
  }
  return {sx, sy};
}

}  // namespace ravix
