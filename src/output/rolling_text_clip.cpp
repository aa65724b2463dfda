#include "output/rolling_text_clip.hpp"

namespace ravix {
namespace {

// How far a point lies beyond the edge: > 0 outside, 0 on it, < 0 inside.
std::int32_t Beyond(const LaserPoint& p, PictureEdge edge) {
  switch (edge) {
    case PictureEdge::kLeft:
      return -p.x;
    case PictureEdge::kRight:
      return p.x - 255;
    case PictureEdge::kTop:
      return -p.y;
    case PictureEdge::kBottom:
      return p.y - 255;
  }
  return 0;
}

}  // namespace

DrawingObject ClipObjectAtEdge(const DrawingObject& object, PictureEdge edge) {
  DrawingObject clipped;
  clipped.reserve(object.size() + 2);
  for (std::size_t i = 0; i < object.size(); ++i) {
    LaserPoint point = object[i];
    const std::int32_t beyond = Beyond(point, edge);
    if (i > 0) {
      const LaserPoint& previous = object[i - 1];
      const std::int32_t previousBeyond = Beyond(previous, edge);
      const bool enters = previousBeyond > 0 && beyond < 0;
      const bool leaves = previousBeyond < 0 && beyond > 0;
      if ((enters || leaves) && !point.blanked) {
        const EdgePoint at = ClipToEdge(edge, previous.x, previous.y, point.x, point.y);
        LaserPoint crossing;
        crossing.x = at.x;
        crossing.y = at.y;
        crossing.z = 0;
        crossing.colour = previous.colour;
        crossing.blanked = enters ? 1 : 0;
        clipped.push_back(crossing);
      }
      if (previousBeyond > 0 && beyond == 0)
        point.blanked = 1;
    }
    if (beyond <= 0)
      clipped.push_back(point);
  }
  return clipped;
}

}  // namespace ravix
