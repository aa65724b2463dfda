#include "drawing/drawing_tool.hpp"

#include <array>
#include <cctype>

namespace ravix {
namespace {

using T = DrawingTool;

constexpr std::array<DrawingToolInfo, 19> kTools = {{
    {T::kNone, "", "", '\0', ""},
    {T::kLine2P, "2P Line",
     "L Line,draw a line by two endpoint. Press Ctrl draw horizontal or vertical line", 'L',
     "L _line "},
    {T::kLineMP, "MP Line",
     "MLine draw a muti-point line. Press Ctrl draw horizontal or vertical line ", '\0', ""},
    {T::kArc, "Arc",
     "Arc Draw a arc select a center point,then select start endpoint and end endpoint...", 'A',
     "A _arc draw a arc..."},
    {T::kCircle, "Circle", "Circle. press Ctrl draw a circle ,else draw a ellipse", 'C',
     "C _circle "},
    {T::kRectangle, "Rectangle", "Rectangle draw a 4 points rectangle...", 'R', "R _rectangle "},
    {T::kRectangleMP, "4P Rect", "MRectangle draw many points retangle...", '\0', ""},
    {T::kPolygon, "Polygon", "Polygon draw a polygon it have only vertex...", '\0', ""},
    {T::kPolygonMP, "MPPolygon", "MPolygon draw a polygon it have many points", '\0', ""},
    {T::kPoint, "Point", "Point Draw a point...", 'P', "P _point ..."},
    {T::kSelectPoint, "Select P",
     "SelectPoint click a point or click space to drag a box,rightclick to cancle", 'S',
     "S _select Point..."},
    {T::kSelectObject, "Select O",
     "Select object,click one  point of an object will select this object,rightclick to cancle ",
     'O', "O _OSelect "},
    {T::kMovePoint, "Move Point",
     "MovePoint click a point then move mouse,click agin to finish(rightclick to cancle)", '\0',
     ""},
    {T::kAddPoint, "Add Point", "AddPoint click on line will add a point to this line", '\0', ""},
    {T::kXChange, "Ch  L", "X _XChange Change color for line, select a line to change color", 'X',
     "X _XChange for line..."},
    {T::kBlankLine, "Blank L", "B Blank for line, select a line to change its blanking status...",
     'B', "B _blank for line..."},
    {T::kMove, "Move", "M Move move selected objects...", 'M', "M _move ..."},
    {T::kScale, "Scale",
     "Z Zoom click a center point,and move mouse to scale factor,press ctrl to constrain "
     "horizontal and vertical...",
     'Z', "Z _zoom ..."},
    {T::kDropper, "Dropper",
     "Dropper. click a point or line,its color will be set to current color...", '\0', ""},
}};

}  // namespace

const DrawingToolInfo& ToolInfo(DrawingTool tool) {
  return kTools[static_cast<std::size_t>(tool)];
}

std::optional<DrawingTool> ToolForKey(char key) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
  for (const DrawingToolInfo& info : kTools) {
    if (info.key != '\0' && info.key == upper)
      return info.tool;
  }
  return std::nullopt;
}

}  // namespace ravix
