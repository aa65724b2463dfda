#include "drawing/picture_renderer.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/recording_canvas.hpp"
#include "drawing/editor_fixture.hpp"

namespace ravix {
namespace {

using Op = RecordingCanvas::Op;
using Call = RecordingCanvas::Call;
using testing::EditorTestHost;
using testing::P;

EditorSettings CoarseGrid(std::uint8_t blankingColour) {
  EditorSettings settings;
  settings.backgroundColour = 1;
  settings.blankingColour = blankingColour;
  settings.gridSpacingX = 300;
  settings.gridSpacingY = 400;
  return settings;
}

// The calls after the grid and the axes: the objects.
std::vector<Call> ObjectCalls(const RecordingCanvas& canvas) {
  const auto& calls = canvas.calls();
  const auto axesEnd = std::find(calls.begin(), calls.end(), Call{Op::kDashed, 0});
  return {axesEnd + 1, calls.end()};
}

TEST(PictureRenderer, BackgroundGridAndDashedAxes) {
  EditorTestHost host;
  PictureDocument document(host, CoarseGrid(0), "");
  RecordingCanvas canvas;
  RenderPicture(canvas, document);
  const std::vector<Call> expected = {
      {Op::kFill, 0, 0, 511, 511, static_cast<int>(PaletteColour(1))},
      {Op::kPen, static_cast<int>(kGridGrey)},
      {Op::kEllipse, -1, -1, 1, 1},
      {Op::kEllipse, -1, 399, 1, 401},
      {Op::kEllipse, 299, -1, 301, 1},
      {Op::kEllipse, 299, 399, 301, 401},
      {Op::kDashed, 1},
      {Op::kMove, 256, 0},
      {Op::kLine, 256, 510},
      {Op::kMove, 0, 256},
      {Op::kLine, 510, 256},
      {Op::kDashed, 0},
  };
  EXPECT_EQ(canvas.calls(), expected);
}

TEST(PictureRenderer, BlankedMovesAndMarkers) {
  for (const std::uint8_t blankingColour : {std::uint8_t{0}, std::uint8_t{6}}) {
    SCOPED_TRACE(int{blankingColour});
    EditorTestHost host;
    PictureDocument document(host, CoarseGrid(blankingColour), "");
    document.AppendObjects(
        {{P(10, 10, 2, 3, 1), P(20, 10, 0, 3, 0), P(30, 10, 2, 5, 1), P(40, 10, 3, 5, 0)}}, false);
    document.Select({0, 1});
    RecordingCanvas canvas;
    RenderPicture(canvas, document);
    const int c3 = static_cast<int>(PaletteColour(3));
    const int c5 = static_cast<int>(PaletteColour(5));
    const int blank = static_cast<int>(PaletteColour(blankingColour));
    const Call blankedMove = blankingColour ? Call{Op::kLine, 30, 10} : Call{Op::kMove, 30, 10};
    const std::vector<Call> expected = {
        {Op::kPen, blank},
        {Op::kMove, 10, 10},
        {Op::kPen, c3},
        {Op::kRectangle, 8, 8, 12, 12},  // vertex
        {Op::kPen, c3},
        {Op::kLine, 20, 10},
        {Op::kFill, 17, 7, 23, 13, static_cast<int>(kSelectionRed)},  // selected
        {Op::kPen, blank},
        blankedMove,
        {Op::kPen, c5},
        {Op::kRectangle, 28, 8, 32, 12},
        {Op::kPen, c5},
        {Op::kLine, 40, 10},
        {Op::kPen, c5},
        {Op::kEllipse, 37, 7, 43, 13},  // single point
    };
    EXPECT_EQ(ObjectCalls(canvas), expected);

    // Without visible points only the single point keeps its marker.
    document.ToggleVisiblePoints();
    document.UnselectAll();
    RecordingCanvas hidden;
    RenderPicture(hidden, document);
    const auto strokes = hidden.Strokes();
    EXPECT_EQ(
        std::count_if(strokes.begin(), strokes.end(),
                      [](const Call& c) { return c.op == Op::kRectangle || c.op == Op::kFill; }),
        1);  // the background
    EXPECT_EQ(strokes.back(), (Call{Op::kEllipse, 37, 7, 43, 13}));
  }
}

TEST(PictureRenderer, BackgroundPictureUnderTheGrid) {
  EditorTestHost host;
  PictureDocument document(host, CoarseGrid(0), "");
  host.files.push_back(__FILE__);
  document.ChooseBackgroundPicture();
  EXPECT_EQ(host.LastMessage(), "BackgroundPicture import a background picture...");
  EXPECT_EQ(host.dialogs.back().filter, "Bitmaps (*.bmp)|*.bmp");
  RecordingCanvas canvas;
  RenderPicture(canvas, document);
  EXPECT_EQ(canvas.calls()[1], (Call{Op::kPicture, 0, 0, 0, 0, 0, __FILE__}));
  document.Redraw();  // switches the picture off
  RecordingCanvas plain;
  RenderPicture(plain, document);
  EXPECT_NE(plain.calls()[1].op, Op::kPicture);
}

}  // namespace
}  // namespace ravix
