#include "drawing/picture_editor.hpp"

#include <cctype>

#include "drawing/line_edit_tools.hpp"
#include "drawing/line_tools.hpp"
#include "drawing/move_tools.hpp"
#include "drawing/picture_renderer.hpp"
#include "drawing/select_tools.hpp"
#include "drawing/selection_transform.hpp"
#include "drawing/shape_tools.hpp"

namespace ravix {

void PictureEditor::ChooseTool(DrawingTool tool) {
  ChooseToolBy(tool, ToolInfo(tool).message);
}

void PictureEditor::ChooseToolBy(DrawingTool tool, const char* message) {
  CancelToolInProgress();
  activeTool_ = tool;
  document_.ShowMessage(message);
}

// Saved positions come back, clicks and the open line object are dropped.
void PictureEditor::CancelToolInProgress() {
  document_.RestoreMoveBackup();
  document_.DropMoveBackup();
  document_.pendingClicks().clear();
  document_.SetOpenObject(std::nullopt);
  document_.ReleaseCursor();
}

void PictureEditor::LeftDown(ToolEvent event) {
  document_.SetLastClick(event.at);
  using T = DrawingTool;
  switch (activeTool_) {
    case T::kNone:
      return;
    case T::kLine2P:
    case T::kLineMP:
      PolylineLeftDown(document_, event, activeTool_ == T::kLineMP);
      break;
    case T::kArc:
      ArcLeftDown(document_, event);
      break;
    case T::kCircle:
      CircleLeftDown(document_, event);
      break;
    case T::kRectangle:
    case T::kRectangleMP:
      RectangleLeftDown(document_, event, activeTool_ == T::kRectangleMP);
      break;
    case T::kPolygon:
    case T::kPolygonMP:
      PolygonLeftDown(document_, event, activeTool_ == T::kPolygonMP);
      break;
    case T::kPoint:
      PointLeftDown(document_, event);
      break;
    case T::kSelectPoint:
      SelectPointLeftDown(document_, event);
      break;
    case T::kSelectObject:
      SelectObjectLeftDown(document_, event);
      break;
    case T::kMovePoint:
      MovePointLeftDown(document_, event);
      break;
    case T::kAddPoint:
      AddPointLeftDown(document_, event);
      break;
    case T::kXChange:
      XChangeLeftDown(document_, event);
      break;
    case T::kBlankLine:
      BlankLineLeftDown(document_, event);
      break;
    case T::kMove:
      MoveLeftDown(document_, event);
      break;
    case T::kScale:
      ScaleLeftDown(document_, event);
      break;
    case T::kDropper:
      DropperLeftDown(document_, event);
      break;
  }
  document_.Changed();
}

void PictureEditor::RightDown(ToolEvent event) {
  document_.SetLastClick(event.at);
  using T = DrawingTool;
  switch (activeTool_) {
    case T::kLine2P:
    case T::kLineMP:
      PolylineRightDown(document_);
      break;
    case T::kArc:
    case T::kCircle:
    case T::kRectangle:
    case T::kRectangleMP:
    case T::kPolygon:
    case T::kPolygonMP:
      ShapeRightDown(document_);
      break;
    case T::kSelectPoint:
    case T::kSelectObject:
      SelectRightDown(document_);
      break;
    case T::kMovePoint:
      MovePointRightDown(document_);
      break;
    case T::kMove:
    case T::kScale:
      TransformRightDown(document_);
      break;
    case T::kNone:
    case T::kPoint:
    case T::kAddPoint:
    case T::kXChange:
    case T::kBlankLine:
    case T::kDropper:
      return;
  }
  document_.Changed();
}

void PictureEditor::MouseMove(ToolEvent event) {
  document_.SetMousePosition(event.at);
  mouse_ = event;
  using T = DrawingTool;
  switch (activeTool_) {
    case T::kMovePoint:
      MovePointMouseMove(document_, event);
      break;
    case T::kMove:
      MoveMouseMove(document_, event);
      break;
    case T::kScale:
      ScaleMouseMove(document_, event);
      break;
    default:
      break;
  }
  if (!document_.pendingClicks().empty())
    document_.Changed();
}

void PictureEditor::KeyPress(char key) {
  if (key == kEscapeKey) {
    CancelToolInProgress();
    document_.ClearSelection();
    document_.Changed();
    activeTool_ = DrawingTool::kNone;
    document_.ShowMessage("Esc _cancel cancle");
    return;
  }
  if (const auto tool = ToolForKey(key)) {
    ChooseToolBy(*tool, ToolInfo(*tool).keyMessage);
    return;
  }
  switch (std::toupper(static_cast<unsigned char>(key))) {
    case 'E':
      document_.Erase();
      document_.ShowMessage("E _erase ...");
      break;
    case 'T':
      document_.ShowMessage("T _text ...");
      document_.host().OpenTextWindow();
      break;
    case 'U':
      if (document_.undoHistory().undoIndex() <= 0) {
        document_.ShowMessage("U _undo !");
      } else {
        document_.ShowMessage("U _undo success!");
        document_.Undo();
      }
      break;
    default:
      break;
  }
}

void PictureEditor::HorizontalMirror() {
  MirrorSelection(document_, true);
}

void PictureEditor::VerticalMirror() {
  MirrorSelection(document_, false);
}

void PictureEditor::TextButton() {
  document_.ShowMessage("T Text Import text...");
  document_.host().OpenTextWindow();
}

RotationDialogModel& PictureEditor::OpenRotation() {
  rotation_.Activate();
  return rotation_;
}

void PictureEditor::Render(Canvas& canvas) const {
  RenderPicture(canvas, document_);
  using T = DrawingTool;
  switch (activeTool_) {
    case T::kLine2P:
    case T::kLineMP:
      DrawPolylinePreview(canvas, document_, mouse_);
      break;
    case T::kArc:
      DrawArcPreview(canvas, document_, mouse_);
      break;
    case T::kCircle:
      DrawCirclePreview(canvas, document_, mouse_);
      break;
    case T::kRectangle:
    case T::kRectangleMP:
      DrawRectanglePreview(canvas, document_, mouse_);
      break;
    case T::kPolygon:
    case T::kPolygonMP:
      DrawPolygonPreview(canvas, document_, mouse_);
      break;
    case T::kSelectPoint:
    case T::kSelectObject:
      DrawSelectionBoxPreview(canvas, document_, mouse_);
      break;
    case T::kMove:
      DrawMovePreview(canvas, document_, mouse_);
      break;
    case T::kScale:
      DrawScalePreview(canvas, document_, mouse_);
      break;
    default:
      break;
  }
}

}  // namespace ravix
