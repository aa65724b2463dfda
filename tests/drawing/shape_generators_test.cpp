#include "drawing/shape_generators.hpp"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace ravix {
namespace {

using XY = std::vector<std::pair<int, int>>;

XY Positions(const DrawingObject& points) {
  XY out;
  for (const auto& p : points) {
    EXPECT_EQ(p.z, 0);
    EXPECT_EQ(p.colour, 0);
    EXPECT_EQ(p.blanked, 0);
    out.emplace_back(p.x, p.y);
  }
  return out;
}

TEST(LineFill, SamplesBetweenTheEnds) {
  struct Case {
    int x0, y0, x1, y1, spacing;
    XY expected;
  };
  for (const Case& c : {
           Case{0, 0, 30, 40, 10, {{6, 8}, {12, 16}, {18, 24}, {24, 32}}},
           // Backwards the length comes out as 49.99999999999999: n = 4, step 10.
           Case{30, 40, 0, 0, 10, {{22, 30}, {15, 20}, {7, 10}}},
           Case{0, 0, 50, 0, 20, {{20, 0}, {40, 0}}},
           Case{50, 7, 0, 7, 20, {{30, 7}, {10, 7}}},
           Case{3, 0, 3, 45, 15, {{3, 15}, {3, 30}}},
           Case{0, 0, 50, 0, 50, {}},
           Case{0, 0, 0, 0, 1, {}},
           Case{0, 0, 40, 10, 10, {{10, 2}, {20, 5}, {30, 7}}},
           Case{0, 0, 10, 40, 100, {}},
       }) {
    EXPECT_EQ(Positions(LineFill(c.x0, c.y0, c.x1, c.y1, c.spacing)), c.expected)
        << c.x0 << "," << c.y0 << " " << c.x1 << "," << c.y1 << " s" << c.spacing;
  }
}

TEST(LineFill, ShortDiagonalAtSpacingOneEnds) {
  // dx / n is 0 here: the walk steps by 1 instead of standing still.
  EXPECT_EQ(Positions(LineFill(0, 0, 3, 3, 1)), (XY{{1, 1}, {2, 2}}));
  EXPECT_EQ(Positions(LineFill(0, 0, 3, 4, 1)), (XY{{0, 1}, {1, 2}, {2, 3}}));
}

TEST(EllipseFill, ClosedClockwiseAndThinned) {
  const XY points = Positions(EllipseFill(100, 100, 200, 160, 10));
  ASSERT_GE(points.size(), 10u);
  EXPECT_EQ(points.front(), std::make_pair(200, 130));
  EXPECT_EQ(points.back(), std::make_pair(200, 130));
  EXPECT_GT(points[1].second, 130);  // down first
  bool passesLeftEnd = false;
  for (std::size_t i = 0; i < points.size(); ++i) {
    passesLeftEnd |= points[i] == std::make_pair(100, 130);
    if (i == 0 || i + 1 == points.size())
      continue;
    const int dx = points[i].first - points[i - 1].first;
    const int dy = points[i].second - points[i - 1].second;
    EXPECT_GE(dx * dx + dy * dy, 100) << i;
  }
  EXPECT_TRUE(passesLeftEnd);
}

TEST(EllipseFill, FlatBoxIsEmpty) {
  EXPECT_TRUE(EllipseFill(10, 10, 10, 90, 5).empty());
  EXPECT_TRUE(EllipseFill(10, 10, 90, 10, 5).empty());
}

TEST(ArcFill, SweepsFromStartToEnd) {
  const XY quarter = Positions(ArcFill(100, 100, 150, 100, 100, 150, 10));
  ASSERT_FALSE(quarter.empty());
  EXPECT_EQ(quarter.front(), std::make_pair(150, 100));
  const int endDx = quarter.back().first - 100;
  const int endDy = quarter.back().second - 150;
  EXPECT_LE(endDx * endDx + endDy * endDy, 100);
  for (std::size_t i = 1; i < quarter.size(); ++i) {
    const int dx = quarter[i].first - quarter[i - 1].first;
    const int dy = quarter[i].second - quarter[i - 1].second;
    EXPECT_GE(dx * dx + dy * dy, 100);
  }
  const XY back = Positions(ArcFill(100, 100, 100, 150, 150, 100, 10));
  EXPECT_EQ(back.front(), std::make_pair(100, 150));
  EXPECT_TRUE(ArcFill(100, 100, 150, 100, 170, 100, 10).empty());  // same direction
  EXPECT_TRUE(ArcFill(100, 100, 100, 100, 170, 100, 10).empty());
}

TEST(PolygonVertices, SquareAboutItsCentre) {
  EXPECT_EQ(Positions(PolygonVertices(256, 256, 356, 256, 4)),
            (XY{{257, 355}, {156, 258}, {251, 156}, {355, 250}, {257, 355}}));
  // The clicked point sets only the radius.
  EXPECT_EQ(Positions(PolygonVertices(256, 256, 256, 156, 4)),
            Positions(PolygonVertices(256, 256, 356, 256, 4)));
  EXPECT_TRUE(PolygonVertices(10, 10, 10, 10, 5).empty());
}

}  // namespace
}  // namespace ravix
