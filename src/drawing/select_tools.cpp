#include "drawing/select_tools.hpp"

#include <algorithm>

#include "drawing/picture_renderer.hpp"

namespace ravix {
namespace {

struct Box {
  int left, top, right, bottom;
  bool Contains(const LaserPoint& p) const {
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
  }
};

Box BoxOf(const LaserPoint& corner, CanvasPoint other) {
  return {std::min(corner.x, other.x), std::min(corner.y, other.y), std::max(corner.x, other.x),
          std::max(corner.y, other.y)};
}

void SelectObject(PictureDocument& document, std::size_t object) {
  for (std::size_t p = 0; p < document.drawing()[object].size(); ++p)
    document.Select({object, p});
}

bool ObjectHit(const DrawingObject& object, CanvasPoint click) {
  for (std::size_t i = 1; i < object.size(); ++i) {
    if (SegmentHitTest(object[i - 1], object[i], click))
      return true;
  }
  return false;
}

// The first click of a box, or its closing click. False when it is the first.
bool ClosesBox(PictureDocument& document, ToolEvent event, Box& box) {
  std::vector<LaserPoint>& pending = document.pendingClicks();
  if (pending.empty())
    return false;
  box = BoxOf(pending.front(), event.at);
  pending.clear();
  return true;
}

void StartBox(PictureDocument& document, ToolEvent event) {
  document.pendingClicks().push_back(LaserPoint{event.at.x, event.at.y});
}

}  // namespace

void SelectPointLeftDown(PictureDocument& document, ToolEvent event) {
  const Drawing& drawing = document.drawing();
  if (Box box; ClosesBox(document, event, box)) {
    for (std::size_t o = 0; o < drawing.size(); ++o) {
      for (std::size_t p = 0; p < drawing[o].size(); ++p) {
        if (box.Contains(drawing[o][p]))
          document.Select({o, p});
      }
    }
    return;
  }
  bool toggled = false;
  for (std::size_t o = 0; o < drawing.size(); ++o) {
    for (std::size_t p = 0; p < drawing[o].size(); ++p) {
      if (!NearPointTest(drawing[o][p], event.at))
        continue;
      toggled = true;
      if (document.IsSelected({o, p})) {
        document.Unselect({o, p});
      } else {
        document.Select({o, p});
      }
    }
  }
  if (!toggled)
    StartBox(document, event);
}

void SelectObjectLeftDown(PictureDocument& document, ToolEvent event) {
  const Drawing& drawing = document.drawing();
  if (Box box; ClosesBox(document, event, box)) {
    for (std::size_t o = 0; o < drawing.size(); ++o) {
      if (std::any_of(drawing[o].begin(), drawing[o].end(),
                      [&box](const LaserPoint& p) { return box.Contains(p); }))
        SelectObject(document, o);
    }
    return;
  }
  bool hit = false;
  for (std::size_t o = 0; o < drawing.size(); ++o) {
    if (ObjectHit(drawing[o], event.at)) {
      SelectObject(document, o);
      hit = true;
    }
  }
  if (!hit)
    StartBox(document, event);
}

void SelectRightDown(PictureDocument& document) {
  if (document.pendingClicks().empty())
    document.ClearSelection();
  document.pendingClicks().clear();
}

void DrawSelectionBoxPreview(Canvas& canvas, const PictureDocument& document, ToolEvent mouse) {
  const std::vector<LaserPoint>& pending = document.pendingClicks();
  if (pending.empty())
    return;
  canvas.SetPenColour(kSelectionRed);
  canvas.Rectangle(pending.front().x, pending.front().y, mouse.at.x, mouse.at.y);
}

}  // namespace ravix
