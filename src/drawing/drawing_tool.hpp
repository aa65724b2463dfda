#pragma once

#include <optional>

namespace ravix {

// The tools of the "Picture edit" canvas.
enum class DrawingTool {
  kNone,
  kLine2P,
  kLineMP,
  kArc,
  kCircle,
  kRectangle,
  kRectangleMP,
  kPolygon,
  kPolygonMP,
  kPoint,
  kSelectPoint,
  kSelectObject,
  kMovePoint,
  kAddPoint,
  kXChange,
  kBlankLine,
  kMove,
  kScale,
  kDropper,
};

struct DrawingToolInfo {
  DrawingTool tool;
  const char* button;
  // Shown when the tool is chosen by its button or menu item.
  const char* message;
  // The window's letter key ('\0' for none) and what choosing by it shows.
  char key;
  const char* keyMessage;
};

const DrawingToolInfo& ToolInfo(DrawingTool tool);
// The tool chosen by a letter key, upper or lower case.
std::optional<DrawingTool> ToolForKey(char key);

}  // namespace ravix
