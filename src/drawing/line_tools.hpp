#pragma once

#include "core/canvas.hpp"
#include "drawing/picture_document.hpp"
#include "drawing/tool_event.hpp"

namespace ravix {

// Ctrl held: the click keeps the anchor's y when it lies further away in x
// (horizontal), the anchor's x when further in y (vertical); equal keeps it.
CanvasPoint ConstrainToAxis(CanvasPoint anchor, CanvasPoint click);

// "2P Line" and "MP Line": every left click after the first extends the open
// object by one segment; a right click closes the object.
void PolylineLeftDown(PictureDocument& document, ToolEvent event, bool manyPoints);
void PolylineRightDown(PictureDocument& document);
// A line in the current colour from the anchor to the mouse.
void DrawPolylinePreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse);

}  // namespace ravix
