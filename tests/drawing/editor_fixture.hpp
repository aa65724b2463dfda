#pragma once

#include <gtest/gtest.h>

#include "drawing/editor_test_host.hpp"
#include "drawing/picture_document.hpp"
#include "drawing/picture_editor.hpp"
#include "support/points.hpp"

namespace ravix::testing {

// A document and its editor driven through the events a user makes.
class EditorFixture : public ::testing::Test {
 protected:
  void Tool(DrawingTool tool) { editor.ChooseTool(tool); }
  void Left(int x, int y, bool ctrl = false) { editor.LeftDown({{x, y}, ctrl}); }
  void Right(int x = 0, int y = 0) { editor.RightDown({{x, y}, false}); }
  void MoveMouse(int x, int y, bool ctrl = false) { editor.MouseMove({{x, y}, ctrl}); }
  void Key(char key) { editor.KeyPress(key); }

  // Draws a 2P Line object through the given clicks.
  void Line(std::initializer_list<CanvasPoint> clicks) {
    Tool(DrawingTool::kLine2P);
    for (CanvasPoint p : clicks)
      Left(p.x, p.y);
    Right();
  }

  const Drawing& drawing() const { return document.drawing(); }
  std::vector<PointRef> selection() const { return document.selection().entries(); }

  EditorTestHost host;
  PictureDocument document{host, EditorSettings{}, "/nonexistent/Drawing"};
  PictureEditor editor{document};
};

}  // namespace ravix::testing
