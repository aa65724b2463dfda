#include <gtest/gtest.h>

#include "drawing/editor_fixture.hpp"
#include "drawing/line_tools.hpp"
#include "drawing/shape_generators.hpp"

namespace ravix {
namespace {

using testing::EditorFixture;
using testing::P;
using T = DrawingTool;

// x, y of every point.
std::vector<CanvasPoint> Positions(const DrawingObject& object) {
  std::vector<CanvasPoint> positions;
  for (const LaserPoint& p : object)
    positions.push_back({p.x, p.y});
  return positions;
}

class DrawingToolsTest : public EditorFixture {};

TEST_F(DrawingToolsTest, TwoPointLineWithCtrlKeepsToAnAxis) {
  struct Case {
    CanvasPoint click, landed;
  };
  const Case cases[] = {
      {{180, 130}, {180, 100}}, {{110, 160}, {100, 160}}, {{130, 130}, {130, 130}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.click.x);
    document.New();
    Tool(T::kLine2P);
    Left(100, 100);
    Left(c.click.x, c.click.y, true);
    ASSERT_EQ(drawing().size(), 1u);
    EXPECT_EQ(drawing()[0],
              (DrawingObject{P(100, 100, 2, 4, 1), P(c.landed.x, c.landed.y, 0, 4, 0)}));
  }
}

TEST_F(DrawingToolsTest, LinesExtendTheOpenObjectUntilTheRightClick) {
  Tool(T::kLineMP);
  Left(0, 0);
  EXPECT_TRUE(document.cursorConfined());
  Left(100, 0);
  EXPECT_EQ(drawing()[0],
            (DrawingObject{P(0, 0, 2, 4, 1), P(20, 0, 0, 4, 0), P(40, 0, 0, 4, 0),
                           P(60, 0, 0, 4, 0), P(80, 0, 0, 4, 0), P(100, 0, 2, 4, 0)}));
  document.EnterPointSpace("100");
  document.SelectColour(7);
  Left(100, 50);  // the same object grows, only the ends with spacing 100
  EXPECT_EQ(drawing().size(), 1u);
  EXPECT_EQ(drawing()[0].back(), P(100, 50, 2, 7, 0));
  EXPECT_EQ(drawing()[0].size(), 7u);
  EXPECT_EQ(document.undoHistory().undoIndex(), 1);
  Right();
  EXPECT_FALSE(document.cursorConfined());
  Left(200, 200);
  Left(300, 200);  // a new object
  ASSERT_EQ(drawing().size(), 2u);
  EXPECT_EQ(drawing()[1], (DrawingObject{P(200, 200, 2, 7, 1), P(300, 200, 2, 7, 0)}));
}

TEST_F(DrawingToolsTest, UndoWhileALineIsOpenStartsAFreshObject) {
  Tool(T::kLine2P);
  Left(0, 0);
  Left(10, 0);
  Left(20, 0);
  document.Undo();  // back to the first segment; the open object is closed
  EXPECT_FALSE(document.cursorConfined());
  Left(50, 50);
  Left(60, 50);
  ASSERT_EQ(drawing().size(), 2u);
  EXPECT_EQ(drawing()[0].size(), 2u);
  EXPECT_EQ(drawing()[1], (DrawingObject{P(50, 50, 2, 4, 1), P(60, 50, 0, 4, 0)}));
}

TEST_F(DrawingToolsTest, CircleBoxAndCtrlSquare) {
  Tool(T::kCircle);
  Left(100, 200);
  Left(100, 300);  // zero width: nothing, no step
  EXPECT_TRUE(drawing().empty());
  EXPECT_EQ(document.undoHistory().undoIndex(), -1);
  EXPECT_FALSE(document.cursorConfined());

  Left(100, 200);
  Left(150, 300, true);  // the box becomes (100, 200)-(200, 300)
  ASSERT_EQ(drawing().size(), 1u);
  DrawingObject expected = EllipseFill(100, 200, 200, 300, 20);
  ASSERT_EQ(drawing()[0].size(), expected.size());
  EXPECT_EQ(Positions(drawing()[0]), Positions(expected));
  EXPECT_EQ(drawing()[0].front(), P(200, 250, 2, 4, 1));
  EXPECT_EQ(drawing()[0][1].z, 0);
  EXPECT_EQ(drawing()[0].back().z, 2);
}

TEST_F(DrawingToolsTest, RectanglesAndPolygons) {
  Tool(T::kRectangle);
  Left(10, 10);
  document.SelectColour(6);
  Left(50, 30);
  EXPECT_EQ(drawing()[0], (DrawingObject{P(10, 10, 2, 4, 1), P(10, 30, 2, 6, 0), P(50, 30, 2, 6, 0),
                                         P(50, 10, 2, 6, 0), P(10, 10, 2, 6, 0)}));
  Tool(T::kRectangleMP);
  Left(0, 0);
  Left(40, 40);
  EXPECT_EQ(Positions(drawing()[1]),
            (std::vector<CanvasPoint>{
                {0, 0}, {0, 20}, {0, 40}, {20, 40}, {40, 40}, {40, 20}, {40, 0}, {20, 0}, {0, 0}}));
  EXPECT_EQ(drawing()[1][1].z, 0);
  EXPECT_EQ(drawing()[1][2].z, 2);

  document.EnterPolygonSides("4");
  Tool(T::kPolygon);
  Left(256, 256);
  Left(356, 256);
  EXPECT_EQ(Positions(drawing()[2]),
            (std::vector<CanvasPoint>{{257, 355}, {156, 258}, {251, 156}, {355, 250}, {257, 355}}));
  EXPECT_EQ(drawing()[2][0].blanked, 1);
  EXPECT_EQ(drawing()[2][1], P(156, 258, 2, 6, 0));

  Tool(T::kPolygonMP);
  Left(256, 256);
  Left(256, 256);  // no vertices: an empty object is still added
  EXPECT_TRUE(drawing()[3].empty());
  EXPECT_EQ(document.undoHistory().undoIndex(), 3);
}

TEST_F(DrawingToolsTest, ArcFromTheCentre) {
  Tool(T::kArc);
  Left(200, 200);
  Left(200, 150);
  Left(250, 200);
  ASSERT_EQ(drawing().size(), 1u);
  const DrawingObject expected = ArcFill(200, 200, 200, 150, 250, 200, 20);
  EXPECT_EQ(Positions(drawing()[0]), Positions(expected));
  EXPECT_EQ(drawing()[0].front().blanked, 1);
  EXPECT_EQ(drawing()[0].front().z, 2);
  EXPECT_EQ(drawing()[0].back().z, 2);
  EXPECT_FALSE(document.cursorConfined());
}

TEST_F(DrawingToolsTest, SelectObjectBoxPicksAPointThatAClickCannot) {
  Tool(T::kPoint);
  Left(100, 100);
  EXPECT_EQ(drawing()[0], (DrawingObject{P(100, 100, 3, 4, 1)}));
  Tool(T::kSelectObject);
  Left(100, 100);  // no segment: the click starts a box instead
  EXPECT_TRUE(document.selection().empty());
  Left(120, 120);
  EXPECT_EQ(selection(), (std::vector<PointRef>{{0, 0}}));
}

TEST_F(DrawingToolsTest, SelectingAnObjectTwiceThenMovingMovesItOnce) {
  Line({{0, 0}, {100, 0}});
  Tool(T::kSelectObject);
  Left(50, 1);
  Left(50, 1);
  EXPECT_EQ(selection(), (std::vector<PointRef>{{0, 0}, {0, 1}}));
  Tool(T::kMove);
  Left(10, 10);
  MoveMouse(15, 30);
  EXPECT_EQ(drawing()[0][1].x, 105);  // live while the mouse moves
  Left(20, 40);
  EXPECT_EQ(Positions(drawing()[0]), (std::vector<CanvasPoint>{{10, 30}, {110, 30}}));
  EXPECT_EQ(selection().size(), 2u);  // the selection stays
  EXPECT_FALSE(document.cursorConfined());
}

TEST_F(DrawingToolsTest, SelectPointTogglesAndBoxes) {
  Line({{0, 0}, {100, 0}, {100, 100}});
  Tool(T::kSelectPoint);
  Left(101, 99);
  EXPECT_EQ(selection(), (std::vector<PointRef>{{0, 2}}));
  Left(99, 101);  // toggles it off
  EXPECT_TRUE(selection().empty());
  Left(50, 50);  // nothing near: a box from here
  Left(150, -10);
  EXPECT_EQ(selection(), (std::vector<PointRef>{{0, 1}}));
  Right();  // no box started: unselect all
  EXPECT_TRUE(selection().empty());
  EXPECT_EQ(drawing()[0][1].state, kStateNormal);
}

TEST_F(DrawingToolsTest, MoveWithCopyFlagAddsMovedCopies) {
  Line({{0, 0}, {100, 0}});
  document.SelectAll();
  document.SetCopyObjectFlag(true);
  Tool(T::kMove);
  Left(0, 0);
  MoveMouse(5, 5);
  EXPECT_EQ(drawing()[0][0].x, 0);  // only the preview moves
  Left(0, 50);
  ASSERT_EQ(drawing().size(), 2u);
  EXPECT_EQ(drawing()[1], (DrawingObject{P(0, 50, 2, 4, 1), P(100, 50, 0, 4, 0)}));
  EXPECT_EQ(Positions(drawing()[0]), (std::vector<CanvasPoint>{{0, 0}, {100, 0}}));
  EXPECT_EQ(selection().size(), 2u);
}

TEST_F(DrawingToolsTest, ScaleHalvesXAndDoublesY) {
  Line({{200, 200}, {300, 300}});
  document.SelectAll();
  Tool(T::kScale);
  Left(200, 200);
  Left(225, 300);
  EXPECT_EQ(Positions(drawing()[0]), (std::vector<CanvasPoint>{{200, 200}, {250, 400}}));

  document.Undo();
  document.SelectAll();
  Left(200, 200);
  MoveMouse(100, 250);
  Right();  // cancel: the saved positions come back
  EXPECT_EQ(Positions(drawing()[0]), (std::vector<CanvasPoint>{{200, 200}, {300, 300}}));
  Left(200, 200);
  Left(225, 300, true);  // Ctrl: both factors 2
  EXPECT_EQ(Positions(drawing()[0]), (std::vector<CanvasPoint>{{200, 200}, {400, 400}}));
}

TEST_F(DrawingToolsTest, MovePointDragsAndRightClickRestores) {
  Line({{0, 0}, {100, 0}});
  Tool(T::kMovePoint);
  Left(98, 2);
  MoveMouse(120, 40);
  EXPECT_EQ(Positions(drawing()[0])[1], (CanvasPoint{120, 40}));
  Right();
  EXPECT_EQ(Positions(drawing()[0])[1], (CanvasPoint{100, 0}));
  EXPECT_TRUE(selection().empty());
  const int steps = document.undoHistory().undoIndex();
  Left(98, 2);
  Left(130, 60);
  EXPECT_EQ(Positions(drawing()[0])[1], (CanvasPoint{130, 60}));
  EXPECT_TRUE(selection().empty());
  EXPECT_EQ(document.undoHistory().undoIndex(), steps + 1);
}

TEST_F(DrawingToolsTest, AddPointKeepsTheSelectionOnItsPoints) {
  Line({{0, 0}, {100, 0}, {200, 0}});
  document.Select({0, 2});
  document.MutablePoint({0, 1}).colour = 9;
  Tool(T::kAddPoint);
  Left(50, 1);
  EXPECT_EQ(Positions(drawing()[0]),
            (std::vector<CanvasPoint>{{0, 0}, {50, 1}, {100, 0}, {200, 0}}));
  EXPECT_EQ(drawing()[0][1], P(50, 1, 0, 9, 0));
  EXPECT_EQ(selection(), (std::vector<PointRef>{{0, 3}}));
  EXPECT_EQ(document.Point(selection()[0]).x, 200);
  const int steps = document.undoHistory().undoIndex();
  Left(300, 300);  // nothing hit: no step
  EXPECT_EQ(document.undoHistory().undoIndex(), steps);
}

TEST_F(DrawingToolsTest, SegmentToolsChangeTheEndOfTheHitSegment) {
  Line({{0, 0}, {100, 0}, {100, 100}});
  document.SelectColour(6);
  Tool(T::kXChange);
  Left(50, 0);
  EXPECT_EQ(drawing()[0][1].colour, 6);
  EXPECT_EQ(drawing()[0][0].colour, 4);
  Tool(T::kBlankLine);
  Left(100, 50);
  EXPECT_EQ(drawing()[0][2].blanked, 1);
  const int steps = document.undoHistory().undoIndex();
  Left(400, 400);  // a miss still records a step
  EXPECT_EQ(document.undoHistory().undoIndex(), steps + 1);
  Tool(T::kDropper);
  document.SelectColour(0);
  Left(50, 0);
  EXPECT_EQ(document.currentColour(), 6);
}

TEST_F(DrawingToolsTest, MirrorsOfTheSelection) {
  Line({{10, 20}, {30, 40}});
  document.SelectAll();
  editor.HorizontalMirror();
  EXPECT_EQ(Positions(drawing()[0]), (std::vector<CanvasPoint>{{10, 490}, {30, 470}}));
  document.SetCopyObjectFlag(true);
  editor.VerticalMirror();
  ASSERT_EQ(drawing().size(), 2u);
  EXPECT_EQ(Positions(drawing()[1]), (std::vector<CanvasPoint>{{500, 490}, {480, 470}}));
  EXPECT_EQ(drawing()[1][0].state, kStateNormal);
  document.UnselectAll();
  const int steps = document.undoHistory().undoIndex();
  editor.VerticalMirror();  // nothing selected: no step
  EXPECT_EQ(document.undoHistory().undoIndex(), steps);
}

TEST_F(DrawingToolsTest, KeysChooseToolsAndRunOperations) {
  Key('l');
  EXPECT_EQ(editor.activeTool(), T::kLine2P);
  EXPECT_EQ(host.LastMessage(), "L _line ");
  Key('Z');
  EXPECT_EQ(host.LastMessage(), "Z _zoom ...");
  Key('U');
  EXPECT_EQ(host.LastMessage(), "U _undo !");

  Line({{0, 0}, {10, 0}, {20, 0}});
  Key('U');
  EXPECT_EQ(host.messages[host.messages.size() - 2], "U _undo success!");
  EXPECT_EQ(host.LastMessage(), "undo a action!");
  EXPECT_EQ(drawing()[0].size(), 2u);

  document.SelectAll();
  Key('e');
  EXPECT_EQ(host.LastMessage(), "E _erase ...");
  EXPECT_TRUE(drawing()[0].empty());

  Tool(T::kMove);
  Left(5, 5);
  EXPECT_TRUE(document.cursorConfined());
  Key(kEscapeKey);
  EXPECT_EQ(editor.activeTool(), T::kNone);
  EXPECT_FALSE(document.cursorConfined());
  EXPECT_TRUE(document.pendingClicks().empty());
  EXPECT_EQ(host.LastMessage(), "Esc _cancel cancle");

  Key('T');
  EXPECT_EQ(host.textWindows, 1);
  EXPECT_EQ(host.LastMessage(), "T _text ...");
  Tool(T::kDropper);
  EXPECT_EQ(host.LastMessage(),
            "Dropper. click a point or line,its color will be set to current color...");
}

TEST_F(DrawingToolsTest, ChoosingAToolDropsTheClicksOfTheLastOne) {
  Tool(T::kArc);
  Left(100, 100);
  Tool(T::kLine2P);
  Left(200, 200);
  EXPECT_TRUE(drawing().empty());
  EXPECT_EQ(document.pendingClicks().size(), 1u);
}

}  // namespace
}  // namespace ravix
