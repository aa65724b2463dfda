#include "drawing/shape_tools.hpp"

#include <cstdlib>

#include "drawing/preview_drawing.hpp"
#include "drawing/shape_generators.hpp"
#include "drawing/tool_points.hpp"

namespace ravix {
namespace {

CanvasPoint At(const LaserPoint& p) {
  return {p.x, p.y};
}

// Pushes the click; true when it is the `needed`-th.
bool PushClick(PictureDocument& document, ToolEvent event, std::size_t needed) {
  document.ConfineCursor();
  std::vector<LaserPoint>& pending = document.pendingClicks();
  pending.push_back(ToolPoint(event.at, document.currentColour(), kVertexPoint, pending.empty()));
  return pending.size() >= needed;
}

void Finish(PictureDocument& document, std::optional<DrawingObject> shape) {
  if (shape) {
    document.AppendObject(std::move(*shape));
    document.RecordUndoStep();
  }
  document.pendingClicks().clear();
  document.ReleaseCursor();
}

DrawingObject RectangleCorners(const LaserPoint& p, const LaserPoint& q, std::uint8_t colour) {
  return {p, ToolPoint({p.x, q.y}, colour, kVertexPoint, false), q,
          ToolPoint({q.x, p.y}, colour, kVertexPoint, false),
          ToolPoint({p.x, p.y}, colour, kVertexPoint, false)};
}

DrawingObject PolygonShape(const PictureDocument& document, CanvasPoint centre,
                           CanvasPoint radius) {
  DrawingObject vertices =
      PolygonVertices(centre.x, centre.y, radius.x, radius.y, document.polygonSides());
  for (LaserPoint& vertex : vertices)
    vertex = ToolPoint(At(vertex), document.currentColour(), kVertexPoint, false);
  if (!vertices.empty())
    vertices.front().blanked = 1;
  return vertices;
}

}  // namespace

CanvasPoint SquareBoxCorner(CanvasPoint first, CanvasPoint second) {
  const int w = std::abs(second.x - first.x);
  const int h = std::abs(second.y - first.y);
  CanvasPoint corner = second;
  if (h > w) {
    if (second.x > first.x)
      corner.x = first.x + h;
    else if (second.x < first.x)
      corner.x = first.x - h;
  } else if (h < w) {
    if (second.y > first.y)
      corner.y = first.y + w;
    else if (second.y < first.y)
      corner.y = first.y - w;
  }
  return corner;
}

void ArcLeftDown(PictureDocument& document, ToolEvent event) {
  if (!PushClick(document, event, 3))
    return;
  const std::vector<LaserPoint>& c = document.pendingClicks();
  DrawingObject arc =
      ArcFill(c[0].x, c[0].y, c[1].x, c[1].y, c[2].x, c[2].y, document.pointSpace());
  MarkShapeEnds(arc, document.currentColour());
  Finish(document, std::move(arc));
}

void CircleLeftDown(PictureDocument& document, ToolEvent event) {
  if (document.pendingClicks().size() == 1 && event.ctrl)
    event.at = SquareBoxCorner(At(document.pendingClicks()[0]), event.at);
  if (!PushClick(document, event, 2))
    return;
  const std::vector<LaserPoint>& c = document.pendingClicks();
  DrawingObject ellipse = EllipseFill(c[0].x, c[0].y, c[1].x, c[1].y, document.pointSpace());
  if (ellipse.empty()) {
    Finish(document, std::nullopt);
    return;
  }
  MarkShapeEnds(ellipse, document.currentColour());
  Finish(document, std::move(ellipse));
}

void RectangleLeftDown(PictureDocument& document, ToolEvent event, bool manyPoints) {
  if (!PushClick(document, event, 2))
    return;
  const std::vector<LaserPoint>& c = document.pendingClicks();
  const std::uint8_t colour = document.currentColour();
  DrawingObject corners = RectangleCorners(c[0], c[1], colour);
  Finish(document, manyPoints ? FillBetweenVertices(corners, document.pointSpace(), colour)
                              : std::move(corners));
}

void PolygonLeftDown(PictureDocument& document, ToolEvent event, bool manyPoints) {
  if (!PushClick(document, event, 2))
    return;
  const std::vector<LaserPoint>& c = document.pendingClicks();
  DrawingObject vertices = PolygonShape(document, At(c[0]), At(c[1]));
  Finish(document,
         manyPoints ? FillBetweenVertices(vertices, document.pointSpace(), document.currentColour())
                    : std::move(vertices));
}

void PointLeftDown(PictureDocument& document, ToolEvent event) {
  document.AppendObject({ToolPoint(event.at, document.currentColour(), kSinglePoint, true)});
  document.RecordUndoStep();
}

void ShapeRightDown(PictureDocument& document) {
  document.pendingClicks().clear();
  document.ReleaseCursor();
}

void DrawArcPreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse) {
  const std::vector<LaserPoint>& c = document.pendingClicks();
  if (c.empty())
    return;
  canvas.SetPenColour(PaletteColour(document.currentColour()));
  if (c.size() == 1) {
    canvas.MoveTo(c[0].x, c[0].y);
    canvas.LineTo(mouse.at.x, mouse.at.y);
    return;
  }
  canvas.Rectangle(c[0].x - 2, c[0].y - 2, c[0].x + 2, c[0].y + 2);
  DrawPolyline(canvas, ArcFill(c[0].x, c[0].y, c[1].x, c[1].y, mouse.at.x, mouse.at.y,
                               document.pointSpace()));
}

void DrawCirclePreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse) {
  const std::vector<LaserPoint>& c = document.pendingClicks();
  if (c.empty())
    return;
  const CanvasPoint corner = mouse.ctrl ? SquareBoxCorner(At(c[0]), mouse.at) : mouse.at;
  canvas.SetPenColour(PaletteColour(c[0].colour));
  canvas.Ellipse(c[0].x, c[0].y, corner.x, corner.y);
}

void DrawRectanglePreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse) {
  const std::vector<LaserPoint>& c = document.pendingClicks();
  if (c.empty())
    return;
  canvas.SetPenColour(PaletteColour(document.currentColour()));
  canvas.Rectangle(c[0].x, c[0].y, mouse.at.x, mouse.at.y);
}

void DrawPolygonPreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse) {
  const std::vector<LaserPoint>& c = document.pendingClicks();
  if (c.empty())
    return;
  canvas.SetPenColour(PaletteColour(document.currentColour()));
  DrawPolyline(canvas, PolygonShape(document, At(c[0]), mouse.at));
}

}  // namespace ravix
