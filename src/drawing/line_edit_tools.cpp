#include "drawing/line_edit_tools.hpp"

#include <functional>

#include "drawing/tool_points.hpp"

namespace ravix {
namespace {

bool Coincide(const LaserPoint& p, const LaserPoint& q) {
  return p.x == q.x && p.y == q.y;
}

// Calls `change` on the end of every hit segment, and on its start too when
// the two coincide.
void ChangeHitSegments(PictureDocument& document, CanvasPoint click,
                       const std::function<void(LaserPoint&)>& change) {
  for (std::size_t o = 0; o < document.drawing().size(); ++o) {
    for (std::size_t i = 1; i < document.drawing()[o].size(); ++i) {
      const LaserPoint& p = document.Point({o, i - 1});
      const LaserPoint& q = document.Point({o, i});
      if (!SegmentHitTest(p, q, click))
        continue;
      const bool coincide = Coincide(p, q);
      change(document.MutablePoint({o, i}));
      if (coincide)
        change(document.MutablePoint({o, i - 1}));
    }
  }
}

}  // namespace

void AddPointLeftDown(PictureDocument& document, ToolEvent event) {
  bool added = false;
  for (std::size_t o = 0; o < document.drawing().size(); ++o) {
    const DrawingObject& object = document.drawing()[o];
    for (std::size_t i = 1; i < object.size(); ++i) {
      if (SegmentHitTest(object[i - 1], object[i], event.at)) {
        document.InsertPoint(
            {o, i}, ToolPoint(event.at, object[i].colour, kGeneratedPoint, object[i].blanked != 0));
        added = true;
        break;
      }
    }
  }
  if (added)
    document.RecordUndoStep();
}

void XChangeLeftDown(PictureDocument& document, ToolEvent event) {
  const std::uint8_t colour = document.currentColour();
  ChangeHitSegments(document, event.at, [colour](LaserPoint& p) { p.colour = colour; });
  document.RecordUndoStep();
}

void BlankLineLeftDown(PictureDocument& document, ToolEvent event) {
  ChangeHitSegments(document, event.at, [](LaserPoint& p) { p.blanked = p.blanked ? 0 : 1; });
  document.RecordUndoStep();
}

void DropperLeftDown(PictureDocument& document, ToolEvent event) {
  for (const DrawingObject& object : document.drawing()) {
    for (std::size_t i = 1; i < object.size(); ++i) {
      const LaserPoint& p = object[i - 1];
      const LaserPoint& q = object[i];
      if (SegmentHitTest(p, q, event.at)) {
        document.SelectColour(Coincide(p, q) ? p.colour : q.colour);
        break;
      }
    }
  }
}

}  // namespace ravix
