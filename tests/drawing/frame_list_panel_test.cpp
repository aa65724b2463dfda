#include "drawing/frame_list_panel.hpp"

#include <gtest/gtest.h>

#include "core/recording_canvas.hpp"
#include "drawing/editor_fixture.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using Op = RecordingCanvas::Op;
using Call = RecordingCanvas::Call;
using testing::EditorFixture;
using testing::P;
using testing::TempFolder;

class FrameListPanelTest : public EditorFixture {
 protected:
  TempFolder folder;
  FrameListPanel panel{host, folder.path()};
};

TEST_F(FrameListPanelTest, StartsWithOnePageOfEmptyFrames) {
  EXPECT_EQ(panel.frames().size(), 24u);
  EXPECT_EQ(panel.fileName(), "NewImage.ilf");
  EXPECT_EQ(panel.selectedFrame(), 0u);
  EXPECT_EQ(panel.pageCount(), 1u);
  EXPECT_EQ(panel.ThumbnailsShown(), 24u);
  panel.Delete();  // nothing selected: nothing happens
  EXPECT_EQ(panel.frames().size(), 24u);
}

TEST_F(FrameListPanelTest, DeletingKeepsTheSelectionAndThePageInRange) {
  for (int i = 0; i < 24; ++i)
    panel.Add();
  EXPECT_EQ(panel.pageCount(), 2u);
  panel.NextPage();
  panel.NextPage();  // there is no third page
  EXPECT_EQ(panel.page(), 1u);
  panel.ClickThumbnail(0);
  EXPECT_EQ(panel.selectedFrame(), 25u);
  panel.Delete();
  EXPECT_EQ(panel.frames().size(), 47u);
  EXPECT_EQ(panel.page(), 1u);
  EXPECT_EQ(panel.ThumbnailsShown(), 23u);
  EXPECT_EQ(panel.selectedFrame(), 25u);
  for (int i = 0; i < 23; ++i)
    panel.Delete();
  EXPECT_EQ(panel.frames().size(), 24u);
  EXPECT_EQ(panel.selectedFrame(), 24u);  // the last frame
  EXPECT_EQ(panel.page(), 0u);
  panel.ClickThumbnail(30);  // no such slot
  EXPECT_EQ(panel.selectedFrame(), 24u);
}

TEST_F(FrameListPanelTest, InsertBeforeTheSelectedFrame) {
  panel.ClickThumbnail(2);
  document.ReplaceDrawing({{P(20, 20, 2, 1, 0)}});
  panel.GetFromDrawing(document);
  panel.Insert();
  EXPECT_EQ(panel.frames().size(), 25u);
  EXPECT_TRUE(panel.frames()[2].empty());  // number 3 now names the new frame
  EXPECT_EQ(panel.frames()[3], (Drawing{{P(10, 10, 2, 1, 0)}}));
  panel.New();
  panel.Add();
  panel.NextPage();
  EXPECT_EQ(panel.page(), 1u);
  panel.Insert();  // nothing selected: appended, first page shown
  EXPECT_EQ(panel.frames().size(), 26u);
  EXPECT_EQ(panel.page(), 0u);
}

TEST_F(FrameListPanelTest, SendAndGetScaleBetweenCanvasAndFrame) {
  panel.SendToDrawing(document);  // nothing selected
  panel.ClickThumbnail(0);
  document.ReplaceDrawing({{P(600, -4, 3, 2, 1), P(7, 9, 0, 5, 0)}});
  document.SelectAll();
  panel.GetFromDrawing(document);
  EXPECT_EQ(panel.frames()[0], (Drawing{{P(255, 0, 3, 2, 1), P(3, 4, 0, 5, 0)}}));
  EXPECT_EQ(panel.selectedPointCount(), 2u);

  panel.ClickThumbnail(1);
  panel.SendToDrawing(document);
  EXPECT_TRUE(document.drawing().empty());
  panel.ClickThumbnail(0);
  panel.SendToDrawing(document);
  EXPECT_EQ(document.drawing(), (Drawing{{P(510, 0, 3, 2, 1), P(6, 8, 0, 5, 0)}}));
  EXPECT_TRUE(document.selection().empty());
  EXPECT_EQ(document.undoHistory().undoIndex(), -1);
}

TEST_F(FrameListPanelTest, SaveAndOpenThroughTheFileDialog) {
  panel.ClickThumbnail(1);
  document.ReplaceDrawing({{P(100, 50, 2, 4, 1), P(200, 50, 2, 4, 0)}});
  panel.GetFromDrawing(document);
  EXPECT_FALSE(panel.Save());  // the dialog is cancelled
  EXPECT_EQ(host.dialogs.back().filter, "ILDA files(*.ilf)|*.ilf");
  EXPECT_EQ(host.dialogs.back().defaultExtension, "ilf");
  EXPECT_EQ(host.dialogs.back().startFolder, folder.path());
  host.files.push_back(folder / "anim.ilf");
  EXPECT_TRUE(panel.Save());
  EXPECT_EQ(panel.fileName(), "anim.ilf");

  panel.New();
  host.files.push_back(folder / "anim.ilf");
  panel.Open();
  EXPECT_EQ(host.dialogs.back().filter, "IDF files(*.ilf)|*.ilf");
  EXPECT_EQ(panel.fileName(), "anim.ilf");
  ASSERT_EQ(panel.frames().size(), 24u);
  EXPECT_EQ(panel.frames()[1], (Drawing{{P(50, 25, 2, 4, 1), P(100, 25, 2, 4, 0)}}));
  EXPECT_EQ(panel.selectedFrame(), 0u);

  host.files.push_back(folder / "missing.ilf");
  panel.Open();  // nothing is read, but the name is shown
  EXPECT_EQ(panel.fileName(), "missing.ilf");
  EXPECT_EQ(panel.frames()[1].size(), 1u);
}

TEST_F(FrameListPanelTest, ThumbnailAtQuarterScaleWithItsNumber) {
  panel.ClickThumbnail(4);
  document.ReplaceDrawing({{P(40, 40, 2, 2, 1), P(80, 40, 0, 3, 0), P(510, 510, 0, 3, 1)}});
  panel.GetFromDrawing(document);
  RecordingCanvas canvas;
  panel.DrawThumbnail(canvas, 4);
  const std::vector<Call> expected = {
      {Op::kFill, 0, 0, 64, 64, static_cast<int>(PaletteColour(0))},
      {Op::kMove, 5, 5},
      {Op::kEllipse, 4, 4, 6, 6},
      {Op::kLine, 10, 5},
      {Op::kMove, 63, 63},
      {Op::kEllipse, 62, 62, 64, 64},
      {Op::kText, 0, 0, 5, 0, 0, "5"},
  };
  EXPECT_EQ(canvas.Strokes(), expected);
}

}  // namespace
}  // namespace ravix
