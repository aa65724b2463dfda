#include "output/transform_primitives.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace ravix {
namespace {

TEST(TransformPrimitives, RotateAboutCentre) {
  double x = 37.5, y = 201;
  RotateAboutCentre(0, x, y);
  EXPECT_EQ(x, 37.5);
  EXPECT_EQ(y, 201);

  x = 255, y = 128;
  RotateAboutCentre(90, x, y);
  EXPECT_NEAR(x, 128, 1e-5);
  EXPECT_NEAR(y, 255, 1e-5);

  // 3.1415926 is short of pi: half a turn lands measurably off the exact mirror.
  x = 255, y = 128;
  RotateAboutCentre(180, x, y);
  EXPECT_NEAR(y, 128 + 127 * std::sin(3.1415926), 1e-9);
  EXPECT_GT(y, 128 + 1e-6);

  x = 128, y = 128;
  RotateAboutCentre(33, x, y);
  EXPECT_EQ(x, 128);
  EXPECT_EQ(y, 128);
}

TEST(TransformPrimitives, RotateAboutKeepsItsCentre) {
  double x = 40, y = 60;
  RotateAbout(180, 40, 60, x, y);
  EXPECT_EQ(x, 40);
  EXPECT_EQ(y, 60);
  RotateAbout(90, 50, 50, x = 60, y = 50);
  EXPECT_NEAR(x, 50, 1e-5);
  EXPECT_NEAR(y, 60, 1e-5);
}

TEST(TransformPrimitives, Zooms) {
  double x = 200, y = 0;
  ZoomAbout(64, 100, 100, x, y);
  EXPECT_EQ(x, 150);
  EXPECT_EQ(y, 50);
  ZoomAbout(256, 128, 128, x = 250, y = 0);
  EXPECT_EQ(x, 372);
  EXPECT_EQ(y, -128);

  ZoomClamped(254, x = 200, y = 0);
  EXPECT_EQ(x, 255);
  EXPECT_EQ(y, 0);
  for (int v : {0, 1, 100, 128, 129, 200, 255}) {
    ZoomClamped(127, x = v, y = v);
    EXPECT_EQ(x, v);
  }
  ZoomClamped(-5, x = 200, y = 20);  // a negative scale goes to the edges
  EXPECT_EQ(x, 255);
  EXPECT_EQ(y, 0);
}

TEST(TransformPrimitives, SizeMap) {
  struct Case {
    int v, k, expected;
  };
  for (const Case& c : {Case{255, 40, 255}, Case{0, 40, 0}, Case{192, 10, 160}, Case{64, 10, 96},
                        Case{127, 10, 128}, Case{129, 10, 128}, Case{300, 0, 128}, Case{-50, 20, 0},
                        Case{400, 20, 255}, Case{200, 40, 255}}) {
    EXPECT_EQ(SizeMap(c.v, c.k), c.expected) << c.v << " " << c.k;
  }
  for (int v = 0; v <= 255; ++v)
    EXPECT_EQ(SizeMap(v, 20), v);
}

TEST(TransformPrimitives, Folds) {
  struct Case {
    int a;
    double v, expected;
  };
  for (const Case& c :
       {Case{100, 200, 210}, Case{100, 50, 50}, Case{300, 100, 200}, Case{0, 200, 200},
        Case{0, 40, 40}, Case{400, 100, 210}, Case{600, 100, 100}, Case{400, 200, 90}}) {
    double v = c.v;
    SplitFold(c.a, v);
    EXPECT_EQ(v, c.expected) << "SplitFold " << c.a << " " << c.v;
  }
  for (const Case& c : {Case{0, 77, 77}, Case{100, 30, 70}, Case{400, 100, 210}, Case{30, 100, 70},
                        Case{600, 100, 100}, Case{-20, 100, 100}}) {
    double v = c.v;
    ShiftFold(c.a, v);
    EXPECT_EQ(v, c.expected) << "ShiftFold " << c.a << " " << c.v;
  }
}

TEST(TransformPrimitives, FlipTurn) {
  // Phase 127 (a = 0 or 255) mirrors; phase 0 (a = 127 or 128) nearly keeps.
  for (int a : {0, 255}) {
    double low = 0, high = 255;
    FlipTurn(a, low);
    FlipTurn(a, high);
    EXPECT_EQ(low, 252);
    EXPECT_EQ(high, 1);
  }
  for (int a : {127, 128}) {
    double low = 0, high = 255;
    FlipTurn(a, low);
    FlipTurn(a, high);
    EXPECT_EQ(low, -1);
    EXPECT_EQ(high, 254);
  }
  double v = 20;
  FlipTurn(128 + 63, v);  // phase 63 squeezes onto the centre line
  EXPECT_EQ(v, 127);
}

TEST(TransformPrimitives, ClipToEdge) {
  struct Case {
    PictureEdge edge;
    int x1, y1, x2, y2;
    EdgePoint expected;
  };
  for (const Case& c : {
           Case{PictureEdge::kLeft, 10, 10, 20, 30, {0, -10}},
           Case{PictureEdge::kRight, 10, 10, 20, 30, {255, 500}},
           Case{PictureEdge::kTop, 10, 10, 20, 30, {5, 0}},
           Case{PictureEdge::kBottom, 10, 10, 20, 30, {132, 255}},
           Case{PictureEdge::kLeft, 10, 40, 20, 40, {0, 40}},
           Case{PictureEdge::kRight, 7, 40, 7, 90, {7, 90}},
           Case{PictureEdge::kTop, 10, 40, 20, 40, {20, 40}},
           Case{PictureEdge::kBottom, 7, 40, 7, 90, {7, 255}},
           Case{PictureEdge::kLeft, 0, 0, 3, 1, {0, 0}},
           // Single precision: 255 / 3 is 85.0000076, truncated to 85.
           Case{PictureEdge::kRight, 0, 0, 3, 1, {255, 85}},
       }) {
    EXPECT_EQ(ClipToEdge(c.edge, c.x1, c.y1, c.x2, c.y2), c.expected)
        << static_cast<int>(c.edge) << " " << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
  }
}

}  // namespace
}  // namespace ravix
