#pragma once

#include "core/canvas.hpp"
#include "drawing/picture_document.hpp"
#include "drawing/tool_event.hpp"

namespace ravix {

// Ctrl held at the second click of "Circle": the shorter side of the box
// grows to the longer one, away from the first corner.
CanvasPoint SquareBoxCorner(CanvasPoint first, CanvasPoint second);

// "Arc": centre, start, end.
void ArcLeftDown(PictureDocument& document, ToolEvent event);
// "Circle": two opposite corners of the box.
void CircleLeftDown(PictureDocument& document, ToolEvent event);
// "Rectangle" (corners only) and "4P Rect" (corners joined by LineFill).
void RectangleLeftDown(PictureDocument& document, ToolEvent event, bool manyPoints);
// "Polygon" (vertices only) and "MPPolygon": centre, then the radius.
void PolygonLeftDown(PictureDocument& document, ToolEvent event, bool manyPoints);
// "Point": a one-point object.
void PointLeftDown(PictureDocument& document, ToolEvent event);
// The right click of the shape tools: the clicks so far are dropped.
void ShapeRightDown(PictureDocument& document);

void DrawArcPreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse);
void DrawCirclePreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse);
void DrawRectanglePreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse);
void DrawPolygonPreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse);

}  // namespace ravix
