#include "output/quick_play_model.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace ravix {
namespace {

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

}  // namespace
}  // namespace ravix
