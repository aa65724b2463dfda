#pragma once

#include "drawing/editor_hit_tests.hpp"

namespace ravix {

// A button press or mouse move on the canvas: its position and whether Ctrl
// was held.
struct ToolEvent {
  CanvasPoint at;
  bool ctrl = false;
};

}  // namespace ravix
