#pragma once

#include "core/canvas.hpp"
#include "drawing/drawing_tool.hpp"
#include "drawing/picture_document.hpp"
#include "drawing/rotation_dialog_model.hpp"
#include "drawing/tool_event.hpp"

namespace ravix {

inline constexpr char kEscapeKey = '\x1b';

// The "Picture edit" canvas engine: the window forwards its button presses,
// mouse moves and keys here and draws what Render draws.
class PictureEditor {
 public:
  explicit PictureEditor(PictureDocument& document) : document_(document) {}

  // A tool button or menu item. A tool in progress is cancelled first, as its
  // right click does, so the new tool never starts from its clicks.
  void ChooseTool(DrawingTool tool);
  DrawingTool activeTool() const { return activeTool_; }

  void LeftDown(ToolEvent event);
  void RightDown(ToolEvent event);
  void MouseMove(ToolEvent event);
  // A key of the window: a letter (either case) or kEscapeKey; modifiers are
  // not looked at. Other keys do nothing.
  void KeyPress(char key);

  // "H Mirror" and "V Mirror".
  void HorizontalMirror();
  void VerticalMirror();
  // The "Text" button.
  void TextButton();
  // "Rotate": the dialog becomes active.
  RotationDialogModel& OpenRotation();
  RotationDialogModel& rotation() { return rotation_; }

  // The full redraw with the active tool's preview at the last mouse position.
  void Render(Canvas& canvas) const;

 private:
  void CancelToolInProgress();
  void ChooseToolBy(DrawingTool tool, const char* message);

  PictureDocument& document_;
  DrawingTool activeTool_ = DrawingTool::kNone;
  ToolEvent mouse_;
  RotationDialogModel rotation_;
};

}  // namespace ravix
