#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/canvas.hpp"
#include "core/laser_point.hpp"

namespace ravix {

// What the "Quick play" preview shows: the frame in picture orientation (x
// right, y down, 0..255) and the point count beside it.
struct QuickPreviewFrame {
  Drawing drawing;
  std::int32_t pointCount = 0;
};

// An ILDA play copy frame (y upwards) as the picture shows it.
Drawing IldaPreviewDrawing(const Drawing& frame);

// The segment player's preview lines ("X,Y,z,c,0,b|" per point, one line an
// object) as the picture shows them: each point at (255 - X, 255 - Y), limited
// to 0..255. A line that does not parse keeps its points before the fault.
Drawing SegmentPreviewDrawing(const std::vector<std::string>& lines);

// A 256 x 256 picture: black, then every object as a polyline in its points'
// colours, blanked points reached by a move and marked.
void DrawQuickPreview(Canvas& canvas, const Drawing& drawing);

// The side of a drawing thumbnail and of its red selection frame.
inline constexpr int kQuickThumbnailSize = 64;
inline constexpr int kSelectionFrameWidth = 2;

// A 64 x 64 thumbnail: black, the drawing at quarter scale, and for the
// selected slot a red frame 2 pixels wide along its border.
void DrawQuickThumbnail(Canvas& canvas, const Drawing& drawing, bool selected);

// The red selection frame, 2 pixels wide along the border of a square picture.
void DrawSelectionFrame(Canvas& canvas, int size);

}  // namespace ravix
