#include "output/play_settings.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::TempFolder;
using testing::WriteText;

SettingsFile FileWith(const std::vector<std::pair<std::size_t, std::string>>& values) {
  SettingsFile file;
  for (const auto& [index, text] : values)
    file.SetSettingsLine(index, text);
  return file;
}

TEST(PlaySettings, MissingLinesGiveTheInitialPositions) {
  PlaySettings settings;
  settings.offsetX = 77;
  LoadPlaySettings(SettingsFile(), settings);
  EXPECT_EQ(settings.Values(), PlaySettingsValues());
  EXPECT_EQ(settings.MediaPlayerPath(), "");
}

TEST(PlaySettings, LoadKeepsLowBytesAndLimitsToControlRanges) {
  const SettingsFile file = FileWith({
      {kSettingOffsetX, "-300"},
      {kSettingOffsetY, "254"},
      {kSettingLocateAngle, "400"},
      {kSettingScanRateCode, "300"},
      {kSettingSizeX, "41"},
      {kSettingSizeY, "-1"},
      {kSettingBlankDelay, "511"},
      {kSettingOutputPipe, "258"},
      {kSettingFrameInterval, "0"},
      {kSettingTextLargeSize, "5"},
      {kSettingQuickPlayOption, "7"},
      {kSettingMediaPlayerPath, "/usr/bin/mpv"},
      {kSettingRedDepth, "250"},
      {kSettingGreenDepth, "456"},
      {kSettingBlueDepth, "x"},
      {kSettingBrightness, "200"},
  });
  PlaySettings settings;
  settings.invertX = true;
  LoadPlaySettings(file, settings);
  PlaySettingsValues expected;
  expected.offsetX = -256;
  expected.offsetY = 254;
  expected.locateAngle = 360;
  expected.scanRateCode = 44;  // 300 keeps its low 8 bits
  expected.sizeX = 40;
  expected.sizeY = 0;
  expected.blankDelay = 255;
  expected.outputPipe = 2;
  expected.frameInterval = 2;
  expected.textLargeSize = 1;
  expected.quickPlayOption = 7;
  expected.redDepth = 200;
  expected.greenDepth = 200;  // 456 & 0xFF = 200
  expected.blueDepth = 100;   // not a number: the initial position
  expected.brightness = 200;
  expected.invertX = true;  // not stored: left as it was
  EXPECT_EQ(settings.Values(), expected);
  EXPECT_EQ(settings.MediaPlayerPath(), "/usr/bin/mpv");

  PlaySettings scanRate;
  LoadPlaySettings(FileWith({{kSettingScanRateCode, "240"}}), scanRate);
  EXPECT_EQ(scanRate.scanRateCode, 230);
}

TEST(PlaySettings, SaveWritesEveryStoredFieldBack) {
  TempFolder folder;
  PlaySettings settings;
  PlaySettingsValues v;
  v.offsetX = -12;
  v.scanRateCode = 100;
  v.sizeY = 33;
  v.outputPipe = 2;
  v.brightness = 150;
  v.invertY = true;
  settings.Store(v);
  settings.SetMediaPlayerPath("");
  SettingsFile file = FileWith({{0, "label"}, {kSettingMediaPlayerPath, "old"}});
  SavePlaySettings(settings, file);
  EXPECT_EQ(file.SettingsLine(0), "label");
  EXPECT_EQ(file.SettingsLine(kSettingOffsetX), "-12");
  EXPECT_EQ(file.SettingsLine(kSettingSizeY), "33");
  EXPECT_EQ(file.SettingsLine(kSettingMediaPlayerPath), "");
  ASSERT_TRUE(file.SaveSettings(folder / "Ravix.ini"));

  SettingsFile reread;
  ASSERT_TRUE(reread.LoadSettings(folder / "Ravix.ini"));
  PlaySettings loaded;
  LoadPlaySettings(reread, loaded);
  v.invertY = false;
  EXPECT_EQ(loaded.Values(), v);
}

}  // namespace
}  // namespace ravix
