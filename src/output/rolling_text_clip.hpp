#pragma once

#include "core/laser_point.hpp"
#include "output/transform_primitives.hpp"

namespace ravix {

// The object as it shows inside `edge`: every point outside is removed; where
// a move crosses the edge (one end strictly outside, the other strictly
// inside) towards a point that is not blanked, a point on the edge is put
// between them (ClipToEdge, the first point's colour, z 0), blanked when the
// move enters the picture and lit when it leaves. A point on the edge reached
// from outside is made blanked.
DrawingObject ClipObjectAtEdge(const DrawingObject& object, PictureEdge edge);

}  // namespace ravix
