#pragma once

#include "core/canvas.hpp"
#include "drawing/picture_document.hpp"
#include "drawing/tool_event.hpp"

namespace ravix {

// "Select P": a click toggles the points near it; a click on nothing starts a
// box that the next click closes, selecting every point inside.
void SelectPointLeftDown(PictureDocument& document, ToolEvent event);
// "Select O": as Select P for whole objects: a click selects every object with
// a segment under it, a box every object with a point inside.
void SelectObjectLeftDown(PictureDocument& document, ToolEvent event);
// Without a box started everything is unselected; a started box is dropped.
void SelectRightDown(PictureDocument& document);
// The box from its first corner to the mouse.
void DrawSelectionBoxPreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse);

}  // namespace ravix
