#include "output/quick_play_model.hpp"

#include <gtest/gtest.h>

#include "core/recording_canvas.hpp"
#include "support/points.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::P;
using testing::TempFolder;
using testing::WriteBytes;

TEST(QuickPlayModel, ThumbnailPagesModesAndControls) {
  TempFolder root;
  std::filesystem::create_directories(root.path() / kDrawingFolder);
  for (int i = 0; i < 35; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "d%02d.ddr", i);
    WriteBytes(root.path() / kDrawingFolder / name, Bytes{1, 2, 0, 4, 0});
  }
  QuickPlayModel model{Workspace(root.path())};
  EXPECT_EQ(model.lastPage(), 1);
  EXPECT_EQ(model.PageDrawings().size(), 30u);
  EXPECT_FALSE(model.PreviousPage());

  model.ChooseIldaFile(0);
  EXPECT_EQ(model.mode, QuickPlayMode::kIlda);
  model.ClickThumbnail(3);
  EXPECT_EQ(model.mode, QuickPlayMode::kDrawing);
  EXPECT_EQ(model.drawings.currentName(), "d03.ddr");
  EXPECT_TRUE(model.NextPage());
  EXPECT_FALSE(model.NextPage());
  EXPECT_EQ(model.drawings.currentName(), "d33.ddr");  // page x 30 + slot
  ASSERT_EQ(model.PageDrawings().size(), 5u);
  EXPECT_EQ(model.PageDrawings()[0].filename(), "d30.ddr");

  ASSERT_TRUE(model.DeleteCurrentDrawing().ok());
  EXPECT_FALSE(std::filesystem::exists(root.path() / kDrawingFolder / "d33.ddr"));
  EXPECT_EQ(model.drawings.currentName(), "d34.ddr");

  LiveState live;
  QuickPlayModel::SetScanRate(live, kInitialScanRatePosition);
  EXPECT_EQ(live.settings.scanRateCode, 100);
  EXPECT_EQ(QuickPlayModel::ScanRateLabel(kInitialScanRatePosition), 36000);
  model.ChooseColour(kColourModeRnd2);
  model.SetPoint(true);
  EXPECT_EQ(model.channel->colourMode, kColourModeRnd2);
  EXPECT_EQ(model.segmentChannel->selectedColour, kColourModeRnd2);
  EXPECT_TRUE(model.channel->point);
  EXPECT_TRUE(model.segmentChannel->pointOverride);

  TempFolder empty;
  QuickPlayModel none{Workspace(empty.path())};
  EXPECT_EQ(none.lastPage(), 0);
  EXPECT_TRUE(none.PageDrawings().empty());
}

TEST(QuickPlayModel, DrawingChoiceFollowsPageAndSlotAndSegmentTicksEvery100Ms) {
  TempFolder root;
  std::filesystem::create_directories(root.path() / kDrawingFolder);
  for (int i = 0; i < 32; ++i)
    WriteBytes(root.path() / kDrawingFolder / ("d" + std::to_string(100 + i) + ".ddr"), Bytes{});
  QuickPlayModel model{Workspace(root.path())};
  model.mode = QuickPlayMode::kIlda;
  model.ChooseDrawing(31);
  EXPECT_EQ(model.mode, QuickPlayMode::kDrawing);
  EXPECT_EQ(model.page(), 1);
  EXPECT_EQ(model.slot(), 1);
  model.MoveSlider(QuickSlider::kRotation, 300);
  EXPECT_EQ(model.channel->Slider(QuickSlider::kRotation), kQuickSliderMaximum);

  // Before any play the timers serve drawing mode; no job means an empty frame.
  LiveState live;
  EXPECT_EQ(model.FireFrameTimer(live), std::chrono::milliseconds{10});
  EXPECT_TRUE(model.channel->frameTick);
  live.control.playing = true;
  live.control.settingsChanged = true;
  QuickPreviewFrame frame;
  EXPECT_TRUE(model.FirePreview(live, std::chrono::milliseconds{10}, frame).draw);
  EXPECT_TRUE(frame.drawing.empty());
  EXPECT_FALSE(live.control.settingsChanged);

  // Lent to rolling text, the timers run in text mode on the text frame.
  model.BorrowForText();
  EXPECT_EQ(model.playingMode(), QuickPlayMode::kText);
  model.channel->PublishTextFrame({{P(1, 2), P(3, 4)}});
  model.channel->pointCount = 2;
  live.control.settingsChanged = true;
  EXPECT_TRUE(model.FirePreview(live, std::chrono::milliseconds{10}, frame).draw);
  EXPECT_EQ(frame.drawing, (Drawing{{P(1, 2), P(3, 4)}}));
  EXPECT_EQ(frame.pointCount, 2);
  live.control.playing = false;
  EXPECT_STREQ(model.FirePreview(live, std::chrono::milliseconds{10}, frame).endMessage,
               kQuickTextOverText);
}

TEST(QuickPreviewFrame, ModesTurnTheirFramesIntoThePicture) {
  // ILDA copies keep y upwards; the segment player's lines hold sent coordinates.
  const Drawing ilda = IldaPreviewDrawing({{P(10, 0), P(20, 255)}});
  EXPECT_EQ(ilda, (Drawing{{P(10, 255), P(20, 0)}}));
  const Drawing segment =
      SegmentPreviewDrawing({"0,5,0,2,0,1|255,300,0,2,0,0|", "10,20,0,1,0,0|x"});
  EXPECT_EQ(segment, (Drawing{{P(255, 250, 0, 2, 1), P(0, 0, 0, 2)}, {P(245, 235, 0, 1)}}));

  RecordingCanvas canvas;
  DrawQuickThumbnail(canvas, {{P(0, 0, 0, 4, 1), P(255, 128)}}, true);
  using Op = RecordingCanvas::Op;
  const std::vector<RecordingCanvas::Call> strokes = canvas.Strokes();
  ASSERT_EQ(strokes.size(), 6u);
  EXPECT_EQ(strokes[0], (RecordingCanvas::Call{Op::kFill, 0, 0, 64, 64, 0}));
  EXPECT_EQ(strokes[3], (RecordingCanvas::Call{Op::kLine, 63, 32}));  // quarter scale
  EXPECT_EQ(strokes[4], (RecordingCanvas::Call{Op::kRectangle, 0, 0, 64, 64}));
  EXPECT_EQ(strokes[5], (RecordingCanvas::Call{Op::kRectangle, 1, 1, 63, 63}));
}

}  // namespace
}  // namespace ravix
