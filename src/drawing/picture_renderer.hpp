#pragma once

#include "core/canvas.hpp"
#include "drawing/picture_document.hpp"

namespace ravix {

// The side of the editor's back bitmap.
inline constexpr int kPictureCanvasSize = 512;
inline constexpr PackedColour kGridGrey = 0x808080;
inline constexpr PackedColour kSelectionRed = 0x0000FF;

// The full redraw of the editor canvas: background colour, background picture,
// dot grid, dashed axes, then every object with its point markers.
void RenderPicture(Canvas& canvas, const PictureDocument& document);

}  // namespace ravix
