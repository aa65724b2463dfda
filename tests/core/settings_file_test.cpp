#include "core/settings_file.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

std::string FullFile() {
  std::string text;
  for (int i = 0; i < 50; ++i)
    text += (i % 2 ? std::to_string(i * 3) : "label " + std::to_string(i)) + "\r\n";
  return text + "after 49\r\nlast\r\n";
}

TEST(SettingsFile, KeepsLabelsAndTrailingLinesThroughASave) {
  TempFolder folder;
  WriteText(folder / "Ravix.ini", FullFile());
  SettingsFile settings;
  ASSERT_TRUE(settings.LoadSettings(folder / "Ravix.ini"));
  EXPECT_EQ(settings.SettingsLine(0), "label 0");
  EXPECT_EQ(settings.SettingsValue(kSettingScanRateCode), 57);
  EXPECT_EQ(settings.SettingsLine(51), "last");
  settings.SetSettingsValue(kSettingScanRateCode, 100);
  settings.SetSettingsLine(kSettingMediaPlayerPath, "");
  ASSERT_TRUE(settings.SaveSettings(folder / "Ravix.ini"));

  std::string expected = FullFile();
  expected.replace(expected.find("\r\n57\r\n"), 6, "\r\n100\r\n");
  expected.replace(expected.find("\r\n105\r\n"), 7, "\r\n\r\n");
  EXPECT_EQ(ReadText(folder / "Ravix.ini"), expected);
}

TEST(SettingsFile, MissingShortOrBadFilesStartAtInitialPositions) {
  TempFolder folder;
  SettingsFile settings;
  EXPECT_FALSE(settings.LoadSettings(folder / "Ravix.ini"));
  EXPECT_EQ(settings.SettingsValue(kSettingScanRateCode), 100);
  EXPECT_EQ(settings.SettingsValue(kSettingSizeY), 20);
  EXPECT_EQ(settings.SettingsValue(kSettingFrameInterval), 2);
  EXPECT_EQ(settings.SettingsValue(kSettingPolygonSides), 5);
  EXPECT_EQ(settings.SettingsLine(kSettingMediaPlayerPath), "");

  // LF and lone CR line ends, a short file and a value that is not a number.
  WriteText(folder / "Ravix.ini", "bg\n7\rblank\r\nnot a number\n");
  ASSERT_TRUE(settings.LoadSettings(folder / "Ravix.ini"));
  EXPECT_EQ(settings.SettingsValue(kSettingBackgroundColour), 7);
  EXPECT_EQ(settings.SettingsValue(kSettingBlankingColour), 243);
  EXPECT_EQ(settings.SettingsValue(kSettingBrightness), 100);

  // The next save completes the file: labels before values, values at their
  // initial positions, the lines that were there kept.
  ASSERT_TRUE(settings.SaveSettings(folder / "Ravix.ini"));
  SettingsFile saved;
  ASSERT_TRUE(saved.LoadSettings(folder / "Ravix.ini"));
  ASSERT_EQ(saved.Lines().size(), kSettingsLineCount);
  EXPECT_EQ(saved.SettingsLine(0), "bg");
  EXPECT_EQ(saved.SettingsLine(3), "not a number");
  EXPECT_EQ(saved.SettingsLine(18), "Scan rate");
  EXPECT_EQ(saved.SettingsLine(19), "100");
  EXPECT_EQ(saved.SettingsLine(35), "");
  EXPECT_EQ(ReadText(folder / "Ravix.ini").substr(0, 8), "bg\r\n7\r\nb");
}

TEST(SettingsFile, SettingALineBeyondTheEndFillsTheGap) {
  SettingsFile settings;
  settings.SetSettingsValue(kSettingOffsetY, -12);
  ASSERT_EQ(settings.Lines().size(), 16u);
  EXPECT_EQ(settings.SettingsLine(12), "Horizontal offset");
  EXPECT_EQ(settings.SettingsLine(13), "0");
  EXPECT_EQ(settings.SettingsValue(kSettingOffsetY), -12);
}

}  // namespace
}  // namespace ravix
