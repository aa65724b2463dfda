#include "drawing/line_tools.hpp"

#include <cstdlib>

#include "drawing/tool_points.hpp"

namespace ravix {

CanvasPoint ConstrainToAxis(CanvasPoint anchor, CanvasPoint click) {
  const int dx = std::abs(click.x - anchor.x);
  const int dy = std::abs(click.y - anchor.y);
  if (dy < dx)
    return {click.x, anchor.y};
  if (dx < dy)
    return {anchor.x, click.y};
  return click;
}

void PolylineLeftDown(PictureDocument& document, ToolEvent event, bool manyPoints) {
  document.ConfineCursor();
  std::vector<LaserPoint>& pending = document.pendingClicks();
  CanvasPoint at = event.at;
  if (!pending.empty() && event.ctrl)
    at = ConstrainToAxis({pending.back().x, pending.back().y}, at);
  pending.push_back(ToolPoint(at, document.currentColour(), kGeneratedPoint, pending.empty()));
  if (pending.size() < 2)
    return;

  const LaserPoint from = pending[pending.size() - 2];
  const LaserPoint to = pending.back();
  if (!document.openObject()) {
    LaserPoint first = from;
    first.z = kVertexPoint;
    document.SetOpenObject(document.AppendObject({first}));
  }
  const std::size_t object = *document.openObject();
  if (manyPoints) {
    DrawingObject fill;
    AppendLineFill(fill, from, to, document.pointSpace(), document.currentColour());
    for (const LaserPoint& point : fill)
      document.AppendPoint(object, point);
  }
  LaserPoint end = to;
  end.z = manyPoints ? kVertexPoint : kGeneratedPoint;
  end.blanked = 0;
  document.AppendPoint(object, end);
  pending.erase(pending.begin(), pending.end() - 1);
  document.RecordUndoStep();
}

void PolylineRightDown(PictureDocument& document) {
  document.SetOpenObject(std::nullopt);
  document.ReleaseCursor();
  document.pendingClicks().clear();
}

void DrawPolylinePreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse) {
  const std::vector<LaserPoint>& pending = document.pendingClicks();
  if (pending.empty())
    return;
  const CanvasPoint anchor{pending.back().x, pending.back().y};
  const CanvasPoint to = mouse.ctrl ? ConstrainToAxis(anchor, mouse.at) : mouse.at;
  canvas.SetPenColour(PaletteColour(document.currentColour()));
  canvas.MoveTo(anchor.x, anchor.y);
  canvas.LineTo(to.x, to.y);
}

}  // namespace ravix
