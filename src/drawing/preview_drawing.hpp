#pragma once

#include "core/canvas.hpp"
#include "core/laser_point.hpp"

namespace ravix {

// The points joined by lines in the pen colour.
void DrawPolyline(Canvas& canvas, const DrawingObject& points);

// The points as one polyline in their own colours, coordinates divided by
// `divisor`: blanked points are reached without drawing and get a small circle.
void DrawColouredPolyline(Canvas& canvas, const DrawingObject& points, int divisor);

// The side of the converter's previews and thumbnails, drawing space at half scale.
inline constexpr int kHalfScalePreviewSize = 128;

// A black picture of the drawing at half scale, every object in its colours.
void DrawHalfScalePreview(Canvas& canvas, const Drawing& drawing);

}  // namespace ravix
