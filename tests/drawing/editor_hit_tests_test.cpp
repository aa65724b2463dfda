#include "drawing/editor_hit_tests.hpp"

#include <gtest/gtest.h>

#include "support/points.hpp"

namespace ravix {
namespace {

using testing::P;

TEST(NearPointTest, StrictlyWithinFiveInBothAxes) {
  EXPECT_TRUE(NearPointTest(P(100, 100), {104, 96}));
  EXPECT_FALSE(NearPointTest(P(100, 100), {105, 100}));
  EXPECT_FALSE(NearPointTest(P(100, 100), {100, 95}));
}

TEST(SegmentHitTest, DistanceAndBetweenTheEnds) {
  struct Case {
    LaserPoint p, q;
    CanvasPoint click;
    bool hit;
  };
  const Case cases[] = {
      {P(0, 0), P(100, 0), {50, 2}, true},      // 4 < 5
      {P(0, 0), P(100, 0), {50, 3}, false},     // 9 >= 5
      {P(0, 0), P(100, 0), {0, 0}, false},      // on an end: not strictly between
      {P(0, 0), P(100, 0), {101, 0}, false},    // beyond the end
      {P(0, 0), P(0, 100), {1, 50}, true},      // vertical: between in y
      {P(0, 0), P(100, 100), {51, 50}, true},   // diagonal, 0.5 squared
      {P(0, 0), P(100, 100), {53, 50}, true},   // 4.5
      {P(0, 0), P(100, 100), {54, 50}, false},  // 8
      {P(7, 7), P(7, 7), {10, 3}, true},        // coinciding ends: near the point
      {P(7, 7), P(7, 7), {12, 7}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.click.x << "," << c.click.y);
    EXPECT_EQ(SegmentHitTest(c.p, c.q, c.click), c.hit);
  }
}

}  // namespace
}  // namespace ravix
