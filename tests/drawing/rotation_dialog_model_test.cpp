#include "drawing/rotation_dialog_model.hpp"

#include <gtest/gtest.h>

#include "core/recording_canvas.hpp"
#include "drawing/editor_fixture.hpp"
#include "drawing/picture_renderer.hpp"

namespace ravix {
namespace {

using Op = RecordingCanvas::Op;
using Call = RecordingCanvas::Call;
using testing::EditorFixture;
using testing::P;

class RotationDialogTest : public EditorFixture {
 protected:
  void SetUp() override { document.ReplaceDrawing({{P(300, 256, 2, 3, 1), P(256, 256, 0, 3, 0)}}); }
};

TEST_F(RotationDialogTest, TrackBarReturnsToZeroAndTheCentreIsKept) {
  RotationDialogModel& dialog = editor.OpenRotation();
  dialog.SetAngle(400);
  EXPECT_EQ(dialog.angle(), 360);
  dialog.ClickPreview({100, 90});
  dialog.SetAnticlockwise(true);
  EXPECT_EQ(dialog.RotationAngle(), -360);
  editor.OpenRotation();
  EXPECT_EQ(dialog.angle(), 0);
  EXPECT_EQ(dialog.centre(), (CanvasPoint{100, 90}));
}

TEST_F(RotationDialogTest, OkRotatesTheSelectionWithoutAnUndoStep) {
  RotationDialogModel& dialog = editor.OpenRotation();
  dialog.SetAngle(90);
  dialog.Ok(document);  // nothing selected: nothing changes
  EXPECT_EQ(drawing()[0][0], P(300, 256, 2, 3, 1));
  EXPECT_FALSE(document.drawingChanged());

  document.SelectAll();
  dialog.SetAngle(180);
  dialog.Ok(document);
  EXPECT_EQ(drawing()[0][0].x, 212);
  EXPECT_EQ(drawing()[0][0].y, 256);
  EXPECT_EQ(drawing()[0][1].x, 256);  // on the centre (2 x 128)
  EXPECT_EQ(document.undoHistory().undoIndex(), -1);
  EXPECT_TRUE(document.drawingChanged());  // so that closing asks to save it

  dialog.SetAngle(90);
  dialog.SetAnticlockwise(true);  // turns towards smaller y on the screen
  dialog.ClickPreview({106, 128});
  dialog.Ok(document);
  EXPECT_EQ(drawing()[0][0].x, 212);
  EXPECT_EQ(drawing()[0][0].y, 256);
  EXPECT_EQ(drawing()[0][1].x, 212);
  EXPECT_EQ(drawing()[0][1].y, 212);
}

TEST_F(RotationDialogTest, CopyFlagAddsRotatedCopiesAndPreviewsBoth) {
  document.SetCopyObjectFlag(true);
  document.SelectAll();
  RotationDialogModel& dialog = editor.OpenRotation();
  dialog.SetAngle(180);

  RecordingCanvas canvas;
  dialog.RenderPreview(canvas, document);
  const std::vector<Call> strokes = canvas.Strokes();
  const std::vector<Call> expected = {
      {Op::kFill, 0, 0, 255, 255, static_cast<int>(PaletteColour(0))},
      {Op::kMove, 150, 128},  // unrotated, half scale, blanked
      {Op::kEllipse, 149, 127, 151, 129},
      {Op::kLine, 128, 128},
      {Op::kMove, 106, 128},  // rotated
      {Op::kEllipse, 105, 127, 107, 129},
      {Op::kLine, 128, 128},
      {Op::kRectangle, 126, 126, 130, 130},  // the centre
  };
  EXPECT_EQ(strokes, expected);

  dialog.Ok(document);
  ASSERT_EQ(drawing().size(), 2u);
  EXPECT_EQ(drawing()[0][0].x, 300);
  EXPECT_EQ(drawing()[1][0], P(212, 256, 2, 3, 1));
  EXPECT_EQ(drawing()[1][1], P(256, 256, 0, 3, 0));
  EXPECT_EQ(document.selection().size(), 2u);
}

}  // namespace
}  // namespace ravix
