#pragma once

#include <functional>

#include "drawing/picture_document.hpp"

namespace ravix {

// Moves a point's x and y; everything else stays.
using PointTransform = std::function<void(LaserPoint&)>;

// With `makeCopies`, every object holding selected points gets a new object
// appended of transformed copies of those points (unselected), the originals
// staying in place and selected; otherwise the selected points are
// transformed in place.
void TransformSelection(PictureDocument& document, bool makeCopies,
                        const PointTransform& transform);

// The transformed copies TransformSelection would append, one object per
// object holding selected points (for previews).
Drawing TransformedSelectionCopies(const PictureDocument& document,
                                   const PointTransform& transform);

// "H Mirror" (y to 510 - y) and "V Mirror" (x to 510 - x) of the selection.
void MirrorSelection(PictureDocument& document, bool horizontal);

}  // namespace ravix
