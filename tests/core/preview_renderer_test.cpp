#include "core/preview_renderer.hpp"

#include <gtest/gtest.h>

#include "core/recording_canvas.hpp"

namespace ravix {
namespace {

using Op = RecordingCanvas::Op;
using Call = RecordingCanvas::Call;

LaserPoint P(int x, int y, int blanked = 0, int colour = 2, int state = 0) {
  return LaserPoint{x,
                    y,
                    0,
                    static_cast<std::uint8_t>(colour),
                    static_cast<std::uint8_t>(state),
                    static_cast<std::uint8_t>(blanked)};
}

TEST(PreviewRenderer, BlankedMoveIsAGapWithoutBlankColour) {
  DrawingObject object = {P(10, 10), P(20, 20, 1), P(30, 30)};
  RecordingCanvas canvas;
  DrawObject(canvas, object, 0, 1);
  const std::vector<Call> expected = {{Op::kMove, 10, 10},
                                      {Op::kMove, 20, 20},
                                      {Op::kEllipse, 19, 21, 21, 19},
                                      {Op::kLine, 30, 30}};
  EXPECT_EQ(canvas.Strokes(), expected);
}

TEST(PreviewRenderer, BlankedMoveDrawnInBlankColourThenDotInPointColour) {
  DrawingObject object = {P(0, 0), P(8, 4, 1, 3)};
  RecordingCanvas canvas;
  DrawObject(canvas, object, 6, 2);
  const std::vector<Call> expected = {
      {Op::kPen, static_cast<int>(PaletteColour(2))},
      {Op::kMove, 0, 0},
      {Op::kPen, static_cast<int>(PaletteColour(2))},
      {Op::kPen, static_cast<int>(PaletteColour(6))},
      {Op::kLine, 4, 2},
      {Op::kPen, static_cast<int>(PaletteColour(3))},
      {Op::kEllipse, 3, 3, 5, 1},
  };
  EXPECT_EQ(canvas.calls(), expected);
}

TEST(PreviewRenderer, SinglePointsAndDivisor) {
  RecordingCanvas canvas;
  DrawingObject lit = {P(255, 255)};
  DrawObject(canvas, lit, 0, 4);
  EXPECT_EQ(canvas.Strokes(), (std::vector<Call>{{Op::kMove, 63, 63}}));

  RecordingCanvas dotted;
  DrawingObject blanked = {P(255, 255, 1)};
  DrawObject(dotted, blanked, 0, 4);
  EXPECT_EQ(dotted.Strokes(),
            (std::vector<Call>{{Op::kMove, 63, 63}, {Op::kEllipse, 62, 64, 64, 62}}));

  RecordingCanvas none;
  DrawingObject empty;
  DrawObject(none, empty, 0, 1);
  EXPECT_TRUE(none.calls().empty());
}

TEST(PreviewRenderer, PointsMarkedForDeletionAreRemoved) {
  DrawingObject object = {P(1, 1), P(2, 2, 0, 2, kStateDeleted), P(3, 3, 0, 2, kStateSelected)};
  RecordingCanvas canvas;
  DrawObject(canvas, object, 0, 1);
  EXPECT_EQ(object, (DrawingObject{P(1, 1), P(3, 3, 0, 2, kStateSelected)}));
  EXPECT_EQ(canvas.Strokes(), (std::vector<Call>{{Op::kMove, 1, 1}, {Op::kLine, 3, 3}}));
}

}  // namespace
}  // namespace ravix
