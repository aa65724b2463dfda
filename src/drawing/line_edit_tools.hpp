#pragma once

#include "drawing/picture_document.hpp"
#include "drawing/tool_event.hpp"

namespace ravix {

// "Add Point": in every object the first segment under the click gets a new
// point at the click, with the colour and blanking of the segment's end.
void AddPointLeftDown(PictureDocument& document, ToolEvent event);
// "Ch  L": every segment under the click ends in the current colour.
void XChangeLeftDown(PictureDocument& document, ToolEvent event);
// "Blank L": every segment under the click has its end's blanking inverted.
void BlankLineLeftDown(PictureDocument& document, ToolEvent event);
// "Dropper": the current colour becomes the colour of the segment under the
// click (the last object's first hit segment wins).
void DropperLeftDown(PictureDocument& document, ToolEvent event);

}  // namespace ravix
