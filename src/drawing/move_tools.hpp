#pragma once

#include "core/canvas.hpp"
#include "drawing/picture_document.hpp"
#include "drawing/tool_event.hpp"

namespace ravix {

// "Move Point": the first click picks the first point near it, the mouse drags
// it, the second click drops it there.
void MovePointLeftDown(PictureDocument& document, ToolEvent event);
void MovePointMouseMove(PictureDocument& document, ToolEvent event);
void MovePointRightDown(PictureDocument& document);

// "Move" and "Scale" of the selection. The first click starts (Scale: the
// centre), the mouse shows the result, the second click applies it; with the
// copy object flag transformed copies are added instead.
void MoveLeftDown(PictureDocument& document, ToolEvent event);
void MoveMouseMove(PictureDocument& document, ToolEvent event);
void ScaleLeftDown(PictureDocument& document, ToolEvent event);
void ScaleMouseMove(PictureDocument& document, ToolEvent event);
// Move and Scale: the saved positions come back.
void TransformRightDown(PictureDocument& document);
// With the copy object flag the moved or scaled copies are drawn over the picture.
void DrawMovePreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse);
void DrawScalePreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse);

// The factors of Scale for the second click, x 50 = 100 percent; Ctrl gives
// both the larger magnitude, each keeping its own sign.
CanvasPoint ScaleFactors(CanvasPoint centre, ToolEvent click);

}  // namespace ravix
